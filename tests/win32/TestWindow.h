// Real windows of the test's own thread, for the decisions that depend on
// the windows there are: hidden until shown; and an icon's size.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ilvorande::win32test {

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using TestWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

inline TestWindow MakeWindow() {
  return TestWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 100, 100, 200, 100, nullptr,
                                    nullptr, nullptr, nullptr));
}

// A square icon's side in pixels; 0 for no icon, -1 if not square.
inline int IconSide(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return 0;
  BITMAP picture{};
  GetObjectW(info.hbmColor, sizeof picture, &picture);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return picture.bmWidth == picture.bmHeight ? picture.bmWidth : -1;
}

}  // namespace ilvorande::win32test
