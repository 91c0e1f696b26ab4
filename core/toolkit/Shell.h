// The system shell: the desktop folder, link files and opening addresses.
// Texts are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/toolkit/SystemValues.h"

namespace ilvorande {

// A window of the system's, opaque to the core.
using WindowHandle = std::uintptr_t;

// A shell link file. A value left empty is not written into the link.
struct ShellLink {
  std::string path;
  std::optional<std::string> target;
  std::string arguments;
  std::optional<std::string> workingFolder;
  ShowCommand show;
  std::string description;
  std::optional<std::string> iconFile;
  int iconIndex;
};

class Shell {
 public:
  virtual ~Shell() = default;

  // The user's desktop folder as the shell reports it; nothing on failure.
  virtual std::optional<std::string> DesktopFolder() = 0;
  // %NAME% references replaced by the environment; nothing on failure.
  virtual std::optional<std::string> ExpandEnvironment(std::string_view text) = 0;
  // Writes the link file, or an existing one anew; a failure is silent.
  virtual void WriteLink(const ShellLink& link) = 0;
  // Hands the address to whatever the system opens it with, in the ANSI
  // code page, no parameters, the window shown normally; a failure is silent.
  virtual void OpenAddress(WindowHandle owner, std::string_view operation, std::string_view address,
                           std::string_view folder) = 0;
};

}  // namespace ilvorande
