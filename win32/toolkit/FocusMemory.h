// Keeps a window's focus where the user left it across activations.
#pragma once

#include <windows.h>

namespace ilvorande {

class FocusMemory {
 public:
  // The control that has the focus when the window first activates.
  void Remember(HWND control) { remembered_ = control; }
  // On WM_ACTIVATE. A window active but minimised gives no control the
  // focus: a key pressed then would act unseen.
  void Activated(HWND window, WPARAM activation);
  // A control about to be destroyed is remembered no more; true when it was.
  bool Forget(HWND control) {
    if (remembered_ != control) return false;
    remembered_ = nullptr;
    return true;
  }
  // The remembered control gets the focus back, unless one of the window's has it.
  void GiveBack(HWND window) const;

 private:
  HWND remembered_ = nullptr;
};

}  // namespace ilvorande
