// The display calls of user32 and gdi32.
#pragma once

#include "display/DisplayPlatform.h"

namespace ilvorande {

class Win32Display final : public DisplayPlatform {
 public:
  void EnumDisplaySettingsA(std::uint32_t modeNumber, DevModeRecord& record) override;
  std::int32_t ChangeDisplaySettingsA(const DevModeRecord& record, std::uint32_t flags) override;
  void SendMessageA(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) override;
  void ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) override;
  DeviceContext CreateDCA() override;
  std::int32_t GetDeviceCaps(DeviceContext dc, std::int32_t index) override;
  void DeleteDC(DeviceContext dc) override;
};

}  // namespace ilvorande
