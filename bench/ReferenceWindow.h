// What both start-up references share: a plain top-level window that ends
// the loop when it closes, and that loop.
#pragma once

#include <windows.h>

namespace bench {

inline LRESULT CALLBACK ReferenceWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

inline HWND CreateReferenceWindow(HINSTANCE instance, const wchar_t* className,
                                  const wchar_t* title, DWORD style, DWORD exStyle, POINT place,
                                  SIZE size) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ReferenceWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  RegisterClassW(&windowClass);
  return CreateWindowExW(exStyle, className, title, style, place.x, place.y, size.cx, size.cy,
                         nullptr, nullptr, instance, nullptr);
}

inline int ShowAndRun(HWND window, int showCommand) {
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

}  // namespace bench
