// The program's own icon, at a window's scale.
#pragma once

#include <windows.h>

#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

// The icon's size at 96 dpi, as the title bar's big icon and as a picture.
inline constexpr int ProgramIconDesignPixels = 32;

// Loads the icon at the window's scale and makes it the window's own. The
// caller keeps it for as long as the window shows it, and replaces it only
// once the window holds the new one.
UniqueIcon SetProgramIcon(HWND window, HINSTANCE instance, const DpiScale& scale);

}  // namespace ilvorande
