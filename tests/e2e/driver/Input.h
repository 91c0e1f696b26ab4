// The real pointer and keyboard, through SendInput: they reach the window in
// front, as a user's would.
#pragma once

#include <initializer_list>
#include <vector>

#include "driver/Program.h"

namespace ilvorande::e2e {

// A point of the control near its top, where a label's first line stands.
inline POINT PointIn(const Window& control) {
  const RECT rect = control.ScreenRect();
  return {(rect.left + rect.right) / 2, rect.top + 6};
}

inline bool MouseClick(const Window& control) {
  const POINT point = PointIn(control);
  if (!SetCursorPos(point.x, point.y)) return false;
  // The place goes with the buttons: a late X event for a window that opened
  // under the pointer may still move it back.
  const Size screen = ScreenSize();
  const LONG x = (point.x * 65536 + screen.width - 1) / screen.width;
  const LONG y = (point.y * 65536 + screen.height - 1) / screen.height;
  const auto at = [&](DWORD button) {
    return INPUT{.type = INPUT_MOUSE,
                 .mi = {x, y, 0, MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button, 0, 0}};
  };
  INPUT inputs[] = {at(MOUSEEVENTF_LEFTDOWN), at(MOUSEEVENTF_LEFTUP)};
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

// Pressed in this order and released in reverse, into the window, which is
// brought in front first.
inline bool PressKeys(const Window& window, std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) inputs.push_back({.type = INPUT_KEYBOARD, .ki = {key, 0, 0, 0, 0}});
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
    inputs.push_back({.type = INPUT_KEYBOARD, .ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}});
  return WaitUntil([&] {
           if (GetForegroundWindow() != window.handle) SetForegroundWindow(window.handle);
           return GetForegroundWindow() == window.handle;
         }) &&
         SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// The control that has the focus in the window's thread.
inline HWND Focus(const Window& window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window.handle, nullptr), &info);
  return info.hwndFocus;
}

// Presses Tab until the control has the focus; false if it never gets it.
// The first press waits for the window in front to focus a control of its
// own, each next one for the focus to reach the control that Tab moves to
// (as the dialog manager finds it): a press still on its way, or a change
// of focus taken for its effect, would carry the focus past the control.
inline bool TabTo(const Window& window, const Window& control) {
  if (!WaitUntil([&] {
        if (GetForegroundWindow() != window.handle) SetForegroundWindow(window.handle);
        return GetForegroundWindow() == window.handle && IsChild(window.handle, Focus(window));
      })) {
    return false;
  }
  constexpr int MostPresses = 30;  // more than a window has controls
  for (int presses = 0; presses < MostPresses && Focus(window) != control.handle; ++presses) {
    const HWND next = GetNextDlgTabItem(window.handle, Focus(window), FALSE);
    if (!PressKeys(window, {VK_TAB}) || !WaitUntil([&] { return Focus(window) == next; })) {
      return false;
    }
  }
  return Focus(window) == control.handle;
}

}  // namespace ilvorande::e2e
