// The system shell: the desktop folder, link files, web pages and mails.
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
  // Opens the web page in the user's browser, started in that folder; a
  // failure is silent.
  virtual void OpenWebPage(WindowHandle owner, std::string_view address,
                           std::string_view folder) = 0;
  // Starts a mail to a "mailto:" address in the user's mail program, started
  // in that folder; a failure is silent.
  virtual void WriteMail(WindowHandle owner, std::string_view mailtoAddress,
                         std::string_view folder) = 0;
};

}  // namespace ilvorande
