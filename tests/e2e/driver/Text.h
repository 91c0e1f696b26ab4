// UTF-8 <-> UTF-16 for comparing the program's texts with the layout table,
// and a file's bytes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ilvorande::e2e {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The whole file, even one another process still writes; empty if unreadable.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace ilvorande::e2e
