// A window owned by a C++ object, and the class that it is made from.
#pragma once

#include <windows.h>

namespace ilvorande {

// The window procedure of a window owned by a C++ object: the object comes
// with CreateWindowExW's last argument, learns its handle before any other
// message, and receives every message until the window is gone.
// Owner needs: void Attached(HWND) and
// LRESULT HandleMessage(HWND, UINT, WPARAM, LPARAM), reachable from here.
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->Attached(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return owner->HandleMessage(window, message, wParam, lParam);
}

// Registers the class once per process; false when the system refuses it.
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure);

}  // namespace ilvorande
