// Dots per inch of a window, with the per-monitor functions of newer systems
// looked up at run time so that the program still starts on older ones.
#pragma once

#include <windows.h>

namespace ilvorande {

UINT WindowDpi(HWND window);
// Outer size of a window whose client area is clientWidth x clientHeight pixels.
SIZE OuterSizeForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);
// Font height for a size in hundredths of a point (825 for 8.25 pt).
int FontHeight(int centipoints, UINT dpi);

}  // namespace ilvorande
