// How a window of a fixed size shows: as the process was started, or as
// the program asks.
#pragma once

#include <windows.h>

namespace ilvorande {

enum class ShowRequest { AsStarted, Normal, Minimized };

// Shows the window, for the first time or again. As started means in the
// process's start state (startShowCommand, wWinMain's), but never
// maximised: the window has a fixed frame and no maximise box.
void ShowAsAsked(HWND window, ShowRequest request, int startShowCommand);

}  // namespace ilvorande
