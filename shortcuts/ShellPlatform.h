// The shell services behind the desktop shortcuts and the About links.
// Texts are UTF-8; the Win32 implementation works in UTF-16 underneath.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ilvorande {

// A shell link being written. Each setter reports whether it took the value;
// the link file is written only by Save.
class ShortcutObject {
 public:
  virtual ~ShortcutObject() = default;
  virtual bool SetTargetPath(std::string_view path) = 0;
  virtual bool SetArguments(std::string_view arguments) = 0;
  virtual bool SetWorkingDirectory(std::string_view folder) = 0;
  virtual bool SetWindowStyle(int showCommand) = 0;
  virtual bool SetDescription(std::string_view description) = 0;
  virtual bool SetIconLocation(std::string_view file, int index) = 0;
  virtual bool Save() = 0;
};

class ShellPlatform {
 public:
  virtual ~ShellPlatform() = default;

  // The user's desktop folder as the shell reports it; nothing on failure.
  virtual std::optional<std::string> DesktopFolder() = 0;
  // %NAME% references replaced by the environment; nothing on failure.
  virtual std::optional<std::string> ExpandEnvironmentStrings(std::string_view text) = 0;
  // A link object bound to linkPath; null when the shell cannot make one.
  virtual std::unique_ptr<ShortcutObject> CreateShortcut(std::string_view linkPath) = 0;
  // ShellExecuteA(window, operation, file, parameters, directory, showCommand).
  virtual void ShellExecuteA(std::uintptr_t window, std::string_view operation,
                             std::string_view file, std::string_view parameters,
                             std::string_view directory, int showCommand) = 0;
};

}  // namespace ilvorande
