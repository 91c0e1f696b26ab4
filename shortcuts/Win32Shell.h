// The shell's own link object, desktop folder and environment expansion,
// all in UTF-16 so that any path survives.
#pragma once

#include "shortcuts/ShellPlatform.h"

namespace ilvorande {

class Win32Shell final : public ShellPlatform {
 public:
  std::optional<std::string> DesktopFolder() override;
  std::optional<std::string> ExpandEnvironmentStrings(std::string_view text) override;
  std::unique_ptr<ShortcutObject> CreateShortcut(std::string_view linkPath) override;
  void ShellExecuteA(std::uintptr_t window, std::string_view operation, std::string_view file,
                     std::string_view parameters, std::string_view directory,
                     int showCommand) override;
};

}  // namespace ilvorande
