// Real windows of the test's own thread, for the decisions that depend on
// the windows there are: borderless, so that the outer rectangle is the one
// given, and hidden until shown; and an icon's size.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace ilvorande::win32test {

struct WindowDestroyer {
  void operator()(HWND window) const { DestroyWindow(window); }
};
using TestWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

inline TestWindow MakeWindow(RECT place = {100, 100, 300, 200}) {
  return TestWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, place.left, place.top,
                                    place.right - place.left, place.bottom - place.top, nullptr,
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
