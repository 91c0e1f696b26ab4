// The Windows shell as a user meets it: the desktop folder and opening a
// file as a double-click does.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>

namespace ilvorande::e2e {

// The current user's desktop, as the shell reports it (FOLDERID_Desktop).
std::optional<std::filesystem::path> DesktopFolder();

// ShellExecuteEx "open", as a double-click does; returns 0 or the error.
DWORD OpenWithShell(const std::filesystem::path& file);

}  // namespace ilvorande::e2e
