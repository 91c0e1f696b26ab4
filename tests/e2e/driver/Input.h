// The real pointer and keyboard (SendInput), which reach the window in front.
#pragma once

#include <initializer_list>
#include <vector>

#include "driver/Program.h"

namespace ilvorande::e2e {

// Near the top, where a label's first line stands.
inline POINT PointIn(const Window& control) {
  const RECT rect = control.ScreenRect();
  return {(rect.left + rect.right) / 2, rect.top + 6};
}

// The pointer's events at the point, on the primary screen; the place goes with the buttons too:
// a late X event may move the pointer back.
inline bool PointerEvents(POINT point, std::initializer_list<DWORD> buttons) {
  const Size screen = ScreenSize();
  const LONG x = (point.x * 65536 + screen.width - 1) / screen.width;
  const LONG y = (point.y * 65536 + screen.height - 1) / screen.height;
  std::vector<INPUT> inputs;
  for (const DWORD button : buttons)
    inputs.push_back({.type = INPUT_MOUSE,
                      .mi = {x, y, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button, 0, 0}});
  return SetCursorPos(point.x, point.y) &&
         SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

inline bool MovePointer(POINT point) {
  return PointerEvents(point, {0});
}

inline bool MouseClick(const Window& control) {
  return PointerEvents(PointIn(control), {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
}

inline bool InFront(const Window& window) {
  if (GetForegroundWindow() != window.handle) SetForegroundWindow(window.handle);
  return GetForegroundWindow() == window.handle;
}

// Pressed in this order and released in reverse, into the window, brought in front first.
inline bool PressKeys(const Window& window, std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) inputs.push_back({.type = INPUT_KEYBOARD, .ki = {key, 0, 0, 0, 0}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back({.type = INPUT_KEYBOARD, .ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}});
  return WaitUntil([&] { return InFront(window); }) &&
         SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

inline HWND Focus(const Window& window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window.handle, nullptr), &info);
  return info.hwndFocus;
}

// Each press waits for its focus: one on its way would carry it past the control.
inline bool TabTo(const Window& window, const Window& control) {
  if (!WaitUntil([&] { return InFront(window) && IsChild(window.handle, Focus(window)); }))
    return false;
  constexpr int MostPresses = 30;  // more than a window has controls
  for (int presses = 0; presses < MostPresses && Focus(window) != control.handle; ++presses) {
    const HWND next = GetNextDlgTabItem(window.handle, Focus(window), FALSE);
    if (!PressKeys(window, {VK_TAB}) || !WaitUntil([&] { return Focus(window) == next; }))
      return false;
  }
  return Focus(window) == control.handle;
}

}  // namespace ilvorande::e2e
