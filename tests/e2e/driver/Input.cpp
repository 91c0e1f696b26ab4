#include "driver/Input.h"

namespace ilvorande::e2e {

namespace {

INPUT KeyInput(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

}  // namespace

bool MovePointerTo(POINT screenPoint) {
  return SetCursorPos(screenPoint.x, screenPoint.y) != FALSE;
}

bool ClickAt(POINT screenPoint, DWORD down, DWORD up) {
  if (!MovePointerTo(screenPoint)) return false;
  INPUT inputs[2] = {};
  inputs[0].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].type = INPUT_MOUSE;
  inputs[1].mi.dwFlags = up;
  return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool PressAltWith(char key) {
  const WORD letter = static_cast<WORD>(key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key);
  INPUT inputs[] = {KeyInput(VK_MENU, false), KeyInput(letter, false), KeyInput(letter, true),
                    KeyInput(VK_MENU, true)};
  constexpr UINT count = sizeof inputs / sizeof inputs[0];
  return SendInput(count, inputs, sizeof(INPUT)) == count;
}

std::optional<POINT> ExposedPoint(const Window& control) {
  RECT rect = control.ScreenRect();
  // Only what the parent's client area shows.
  if (const HWND parent = GetParent(control.Handle()); parent != nullptr) {
    RECT client{};
    GetClientRect(parent, &client);
    MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&rect, &rect, &client);
  }
  if (IsRectEmpty(&rect)) return std::nullopt;
  const LONG x = (rect.left + rect.right) / 2;
  LONG bestTop = 0, bestLength = 0, runTop = 0, runLength = 0;
  for (LONG y = rect.top; y < rect.bottom; ++y) {
    if (WindowFromPoint(POINT{x, y}) == control.Handle()) {
      if (runLength++ == 0) runTop = y;
      if (runLength > bestLength) {
        bestLength = runLength;
        bestTop = runTop;
      }
    } else {
      runLength = 0;
    }
  }
  if (bestLength == 0) return std::nullopt;
  return POINT{x, bestTop + bestLength / 2};
}

}  // namespace ilvorande::e2e
