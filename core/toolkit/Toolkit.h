// The window toolkit's process-wide services that the core relies on. Texts
// are UTF-8; the Win32 implementation converts at its edge.
#pragma once

#include <string>
#include <string_view>

#include "core/toolkit/SystemValues.h"

namespace ilvorande {

struct AppVersion {
  int major;
  int minor;
  int revision;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Modal; returns once the user has answered.
  virtual MessageAnswer ShowMessage(std::string_view text, MessageStyle style,
                                    std::string_view title) = 0;
  // The argument part of the process's command line, without the program's path.
  virtual std::string CommandLine() = 0;
  // Folder of the running executable, without a trailing separator.
  virtual std::string AppFolder() = 0;
  // The executable's file name without its extension.
  virtual std::string AppBaseName() = 0;
  virtual AppVersion Version() = 0;
  // The user's decimal separator (one or more characters).
  virtual std::string DecimalSeparator() = 0;
  // Dispatches every waiting message of the program's windows, then returns.
  // The caller is re-entered from here: a click that was waiting runs its
  // handler to its end, and a close may destroy the window, before this
  // returns.
  virtual void ProcessWaitingMessages() = 0;
  // Ends the process at once: nothing after the call runs.
  [[noreturn]] virtual void EndProcess(int exitCode) = 0;
};

}  // namespace ilvorande
