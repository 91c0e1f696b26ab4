// The reference for "/4F": the program's own calls for one switch of the
// primary screen, in its order and nothing more: the depth from the
// display's context, the enumeration, the two changes, the broadcast, the
// waiting messages, then the end.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  constexpr DWORD Width = 1024, Height = 768;
  const HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  const int depth = GetDeviceCaps(display, BITSPIXEL);
  DeleteDC(display);
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsA(nullptr, 0, &mode);
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmPelsWidth = Width;
  mode.dmPelsHeight = Height;
  mode.dmBitsPerPel = static_cast<DWORD>(depth);
  if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) {
    ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY);
    SendMessageA(HWND_BROADCAST, WM_DISPLAYCHANGE, static_cast<WPARAM>(depth),
                 MAKELPARAM(Width, Height));
  }
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  return 0;
}
