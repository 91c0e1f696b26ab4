// The reference for "/4@2F": only the calls that a switch of screen 2 needs
// (finding its device, its depth, its record and the two changes), then the end.
#include <windows.h>

#include <cstring>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  constexpr const char* Screen = "\\\\.\\DISPLAY2";
  DISPLAY_DEVICEA device{};
  device.cb = sizeof device;
  DWORD index = 0;
  while (EnumDisplayDevicesA(nullptr, index++, &device, 0) &&
         std::strcmp(device.DeviceName, Screen) != 0) {
  }
  if ((device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) return 1;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsA(Screen, 0, &mode);
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmPelsWidth = 1024;
  mode.dmPelsHeight = 768;
  const HDC display = CreateDCA(Screen, nullptr, nullptr, nullptr);
  mode.dmBitsPerPel = static_cast<DWORD>(GetDeviceCaps(display, BITSPIXEL));
  DeleteDC(display);
  if (ChangeDisplaySettingsExA(Screen, &mode, nullptr, CDS_FULLSCREEN, nullptr) ==
      DISP_CHANGE_SUCCESSFUL) {
    ChangeDisplaySettingsExA(Screen, &mode, nullptr, CDS_UPDATEREGISTRY, nullptr);
  }
  return 0;
}
