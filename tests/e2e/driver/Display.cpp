#include "driver/Display.h"

#include <windows.h>

#include <cstdio>

#include "driver/UnixCommand.h"

namespace ilvorande::e2e {

namespace {

DisplayMode FromDevMode(const DEVMODEW& devMode) {
  return {{static_cast<int>(devMode.dmPelsWidth), static_cast<int>(devMode.dmPelsHeight)},
          static_cast<int>(devMode.dmBitsPerPel)};
}
}  // namespace

DisplayMode CurrentDisplayMode() {
  HDC screen = GetDC(nullptr);
  const int bitsPerPixel = GetDeviceCaps(screen, BITSPIXEL);
  ReleaseDC(nullptr, screen);
  return {CurrentDisplaySize(), bitsPerPixel};
}

ScreenSize CurrentDisplaySize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

std::vector<DisplayMode> AvailableDisplayModes() {
  std::vector<DisplayMode> modes;
  DEVMODEW devMode{};
  devMode.dmSize = sizeof devMode;
  for (DWORD i = 0; EnumDisplaySettingsW(nullptr, i, &devMode); ++i)
    modes.push_back(FromDevMode(devMode));
  return modes;
}

bool HasDisplaySize(ScreenSize size) {
  for (const DisplayMode& mode : AvailableDisplayModes())
    if (mode.size == size) return true;
  return false;
}

long SetDisplayMode(const DisplayMode& mode) {
  DEVMODEW devMode{};
  devMode.dmSize = sizeof devMode;
  devMode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
  devMode.dmPelsWidth = static_cast<DWORD>(mode.size.width);
  devMode.dmPelsHeight = static_cast<DWORD>(mode.size.height);
  if (mode.bitsPerPixel != 0) {
    devMode.dmFields |= DM_BITSPERPEL;
    devMode.dmBitsPerPel = static_cast<DWORD>(mode.bitsPerPixel);
  }
  return ChangeDisplaySettingsW(&devMode, CDS_UPDATEREGISTRY);
}

bool WaitForDisplaySize(ScreenSize size, Millis timeout) {
  return WaitUntil([&] { return CurrentDisplaySize() == size; }, timeout);
}

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::optional<ScreenSize> XrandrScreenSize(std::string* why) {
  const auto text = RunUnixShell("/usr/bin/xrandr --current", why);
  if (!text) return std::nullopt;
  // "Screen 0: minimum 8 x 8, current 1600 x 1200, maximum ..."
  const size_t current = text->find("current ");
  ScreenSize size;
  if (current == std::string::npos ||
      std::sscanf(text->c_str() + current, "current %d x %d", &size.width, &size.height) != 2) {
    if (why != nullptr) *why = "unexpected xrandr output: " + *text;
    return std::nullopt;
  }
  return size;
}

}  // namespace ilvorande::e2e
