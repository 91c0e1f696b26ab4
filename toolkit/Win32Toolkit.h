// The toolkit's process-wide services on Win32.
#pragma once

#include "toolkit/Toolkit.h"

namespace ilvorande {

class Win32Toolkit final : public Toolkit {
 public:
  int MsgBox(std::string_view text, std::uint32_t style, std::string_view title) override;
  std::string CommandLine() override;
  std::string AppPath() override;
  std::string AppExeName() override;
  AppVersion AppVersionNumbers() override;
  std::string DecimalSeparator() override;
  ScreenMetrics Screen() override;
  void DoEvents() override;
  void End(int exitCode) override;
};

}  // namespace ilvorande
