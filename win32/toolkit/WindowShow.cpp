#include "win32/toolkit/WindowShow.h"

namespace ilvorande {

namespace {

// On Windows the first show of a process started from a shortcut takes the
// shortcut's state ("Réduite", "Agrandie"), whatever it asks for; what was
// not asked for is undone here.
void ShowNormal(HWND window) {
  ShowWindow(window, SW_SHOWNORMAL);
  if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_RESTORE);
}

}  // namespace

void ShowAsAsked(HWND window, ShowRequest request, int startShowCommand) {
  switch (request) {
    case ShowRequest::AsStarted:
      if (startShowCommand == SW_SHOWMAXIMIZED) {
        ShowNormal(window);
      } else {
        ShowWindow(window, startShowCommand);
        if (IsZoomed(window)) ShowWindow(window, SW_RESTORE);
      }
      break;
    case ShowRequest::Normal:
      ShowNormal(window);
      break;
    case ShowRequest::Minimized:
      ShowWindow(window, IsWindowVisible(window) ? SW_MINIMIZE : SW_SHOWMINIMIZED);
      break;
  }
}

}  // namespace ilvorande
