// A label that opens like a link from the keyboard as well as by a click.
#pragma once

#include <windows.h>

namespace ilvorande {

// The label (a STATIC with SS_NOTIFY and WS_TABSTOP) takes the focus by
// Tab, shows a focus rectangle around its text while it has it, and sends
// its parent the click (STN_CLICKED) on Enter or Space.
void MakeKeyboardLink(HWND label);

}  // namespace ilvorande
