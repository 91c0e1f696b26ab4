#include "win32/toolkit/FocusMemory.h"

namespace ilvorande {

void FocusMemory::Activated(HWND window, WPARAM activation) {
  if (LOWORD(activation) == WA_INACTIVE) {
    if (const HWND focus = GetFocus(); focus != nullptr && IsChild(window, focus)) {
      remembered_ = focus;
    }
  } else if (HIWORD(activation) == 0) {
    GiveBack(window);
  }
}

void FocusMemory::GiveBack(HWND window) const {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window, focus)) return;
  if (remembered_ != nullptr && IsWindowEnabled(remembered_)) SetFocus(remembered_);
}

}  // namespace ilvorande
