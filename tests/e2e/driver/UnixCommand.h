// Unix programs of the host, run from the Win32 test process under Wine.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ilvorande::e2e {

// Runs `/bin/sh -c script` on the host and returns what it wrote to its
// standard output, once it has ended with status 0. Nothing outside Wine,
// or when it fails or outlasts the deadline; `why` then says what happened.
std::optional<std::string> RunUnixShell(std::string_view script, std::string* why = nullptr);

// One word for the shell, whatever the text holds.
std::string ShellQuote(std::string_view text);

// The host's path of a Win32 path (Wine's own mapping); empty if none.
std::string UnixPathOf(const std::filesystem::path& path);
// The Win32 path of a host path, through Wine's mapping; empty if none.
std::filesystem::path WindowsPathOf(std::string_view unixPath);

}  // namespace ilvorande::e2e
