// The real pointer and keyboard, through the system's input queue, as a
// user's hands would work them: the window under the pointer, or the one
// with the focus, gets the messages.
#pragma once

#include <windows.h>

#include <optional>

#include "driver/Window.h"

namespace ilvorande::e2e {

bool MovePointerTo(POINT screenPoint);
// Pressed and released there; the left button unless told otherwise.
bool ClickAt(POINT screenPoint, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP);
// Alt held down while `key` (a letter or a digit) is pressed and released.
bool PressAltWith(char key);

// A point on the screen where `control` itself is the window under the
// pointer, in the middle of the longest such run down its horizontal centre
// (part of it may lie under a sibling or outside its parent). Nothing if no
// point of it is exposed.
std::optional<POINT> ExposedPoint(const Window& control);

}  // namespace ilvorande::e2e
