// Message dispatch shared by the main loop and the processing of waiting messages.
#pragma once

#include <windows.h>

namespace ilvorande {

// Dispatches one message, giving dialog keys (Tab, arrows, Alt+letter) to
// the window that it belongs to.
void DispatchWithDialogKeys(MSG& message);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace ilvorande
