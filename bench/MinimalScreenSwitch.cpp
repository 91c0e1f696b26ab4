// The reference for "/4@2F": the program's own calls for a switch of screen 2,
// in its order and nothing more. It lists the screens to find the one named
// (every monitor's size, every device, the depth of each attached one), then
// enumerates screen 2's modes, makes the two changes, broadcasts, takes the
// waiting messages and ends.
#include <windows.h>

#include <cstring>

namespace {

constexpr const char* Screen = "\\\\.\\DISPLAY2";
constexpr DWORD Width = 1024, Height = 768;

int DepthOf(const char* device) {
  const HDC display = CreateDCA(device, nullptr, nullptr, nullptr);
  const int depth = GetDeviceCaps(display, BITSPIXEL);
  DeleteDC(display);
  return depth;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, RECT*, LPARAM) -> BOOL {
        MONITORINFOEXA info{};
        info.cbSize = sizeof info;
        GetMonitorInfoA(monitor, &info);
        return TRUE;
      },
      0);
  int depth = 0;
  DISPLAY_DEVICEA device{};
  device.cb = sizeof device;
  for (DWORD index = 0; EnumDisplayDevicesA(nullptr, index, &device, 0); ++index) {
    if ((device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) == 0) continue;
    const int deviceDepth = DepthOf(device.DeviceName);
    if (std::strcmp(device.DeviceName, Screen) == 0) depth = deviceDepth;
  }
  if (depth == 0) return 1;
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsA(Screen, 0, &mode);
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmPelsWidth = Width;
  mode.dmPelsHeight = Height;
  mode.dmBitsPerPel = static_cast<DWORD>(depth);
  if (ChangeDisplaySettingsExA(Screen, &mode, nullptr, CDS_FULLSCREEN, nullptr) ==
      DISP_CHANGE_SUCCESSFUL) {
    ChangeDisplaySettingsExA(Screen, &mode, nullptr, CDS_UPDATEREGISTRY, nullptr);
    SendMessageA(HWND_BROADCAST, WM_DISPLAYCHANGE, static_cast<WPARAM>(depth),
                 MAKELPARAM(Width, Height));
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  return 0;
}
