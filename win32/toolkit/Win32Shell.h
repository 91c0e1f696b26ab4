// The shell's own link object, desktop folder and environment expansion, in
// UTF-16 so that any path survives; addresses are opened through
// ShellExecuteA, in the ANSI code page.
#pragma once

#include "core/toolkit/Shell.h"

namespace ilvorande {

class Win32Shell final : public Shell {
 public:
  std::optional<std::string> DesktopFolder() override;
  std::optional<std::string> ExpandEnvironment(std::string_view text) override;
  void WriteLink(const ShellLink& link) override;
  void OpenWebPage(WindowHandle owner, std::string_view address, std::string_view folder) override;
  void WriteMail(WindowHandle owner, std::string_view mailtoAddress,
                 std::string_view folder) override;
};

}  // namespace ilvorande
