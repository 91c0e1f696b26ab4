// The process-wide services of the window toolkit that the core relies on.
// Texts are UTF-8; the Win32 implementation converts at its edge.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ilvorande {

struct ScreenMetrics {
  float widthTwips;
  float heightTwips;
  float twipsPerPixelX;
  float twipsPerPixelY;
};

struct AppVersion {
  int major;
  int minor;
  int revision;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Modal message box; style is the sum of the Win32 MB_* numbers. Returns the
  // pressed button's Win32 answer (IDYES is 6).
  virtual int MsgBox(std::string_view text, std::uint32_t style, std::string_view title) = 0;
  // The argument part of the process's command line, without the program's path.
  virtual std::string CommandLine() = 0;
  // Folder of the running executable, without a trailing separator.
  virtual std::string AppPath() = 0;
  // The executable's file name without its extension.
  virtual std::string AppExeName() = 0;
  virtual AppVersion AppVersionNumbers() = 0;
  // The user's decimal separator (one or more characters).
  virtual std::string DecimalSeparator() = 0;
  virtual ScreenMetrics Screen() = 0;
  // Dispatches every waiting message of the program's windows, then returns.
  virtual void DoEvents() = 0;
  // Ends the process at once; a fake records the call and returns.
  virtual void End(int exitCode) = 0;
};

}  // namespace ilvorande
