// The reference for start-up: one window with one standard push button, shown,
// and a message loop; built with the program's manifest, so that the button
// comes from the same common controls.
#include <windows.h>

#include "ReferenceWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  const HWND window = bench::CreateReferenceWindow(
      instance, L"BenchMinimalWindow", L"Minimal", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
      POINT{CW_USEDEFAULT, CW_USEDEFAULT}, SIZE{260, 491});
  CreateWindowExW(0, L"BUTTON", L"1024 x 768", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                  12, 71, 230, 27, window, nullptr, instance, nullptr);
  return bench::ShowAndRun(window, showCommand);
}
