// The toolkit's process-wide services on Win32.
#pragma once

#include <string>

#include "core/toolkit/Toolkit.h"

namespace ilvorande {

// The running program's full path, however long.
std::wstring ModulePath();

class Win32Toolkit final : public Toolkit {
 public:
  MessageAnswer ShowMessage(std::string_view text, MessageStyle style,
                            std::string_view title) override;
  std::string CommandLine() override;
  std::string AppFolder() override;
  std::string AppBaseName() override;
  AppVersion Version() override;
  std::string DecimalSeparator() override;
  void ProcessWaitingMessages() override;
  void EndProcess(int exitCode) override;
};

}  // namespace ilvorande
