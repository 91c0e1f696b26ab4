// The display calls of the system, one member per Win32 function and with its
// arguments, so that the core can be driven by a fake in the tests.
#pragma once

#include <cstdint>

#include "display/DevModeRecord.h"

namespace ilvorande {

using DeviceContext = std::uintptr_t;

class DisplayPlatform {
 public:
  virtual ~DisplayPlatform() = default;

  // EnumDisplaySettingsA(NULL, modeNumber, record); the result is never read.
  virtual void EnumDisplaySettingsA(std::uint32_t modeNumber, DevModeRecord& record) = 0;
  // ChangeDisplaySettingsA(record, flags): DISP_CHANGE_* result code.
  virtual std::int32_t ChangeDisplaySettingsA(const DevModeRecord& record, std::uint32_t flags) = 0;
  virtual void SendMessageA(std::uintptr_t window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) = 0;
  virtual void ExitWindowsEx(std::uint32_t flags, std::uint32_t reason) = 0;
  // CreateDCA("DISPLAY", NULL, NULL, NULL).
  virtual DeviceContext CreateDCA() = 0;
  virtual std::int32_t GetDeviceCaps(DeviceContext dc, std::int32_t index) = 0;
  virtual void DeleteDC(DeviceContext dc) = 0;
};

}  // namespace ilvorande
