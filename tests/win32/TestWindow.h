// Real windows of the test's own thread, for the decisions that depend on
// the windows there are: borderless, so that the outer rectangle is the one
// given, and hidden until shown.
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

}  // namespace ilvorande::win32test
