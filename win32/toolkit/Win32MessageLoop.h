// Message dispatch shared by the main loop, the About window's modal loop
// and the processing of waiting messages.
#pragma once

#include <windows.h>

namespace ilvorande {

// Sent to a top-level window with a key's MSG* as lParam before the key is
// dispatched: the window answers non-zero when one of its keyboard shortcuts
// (its accelerators) took the key.
inline constexpr UINT WM_TRANSLATE_SHORTCUT = WM_APP + 0x20;

enum class Dispatched { One, NoneWaiting, Quit };

// Dispatches one message of the thread's, waiting for it if asked, giving
// the window's shortcuts and then the dialog keys (Tab, arrows, Enter,
// Alt+letter) their chance first. A WM_QUIT is posted again for the main
// loop to see.
Dispatched DispatchNext(bool wait);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace ilvorande
