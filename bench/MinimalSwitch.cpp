// The reference for "/4F": only the display calls that the program makes for
// one switch (the enumeration and the two changes), then the end.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  DEVMODEA mode{};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsA(nullptr, 0, &mode);
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmPelsWidth = 1024;
  mode.dmPelsHeight = 768;
  const HDC display = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  mode.dmBitsPerPel = static_cast<DWORD>(GetDeviceCaps(display, BITSPIXEL));
  DeleteDC(display);
  if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) {
    ChangeDisplaySettingsA(&mode, CDS_UPDATEREGISTRY);
  }
  return 0;
}
