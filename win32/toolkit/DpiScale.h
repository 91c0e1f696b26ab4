// One window's scale: twips, points and design pixels in its real pixels.
#pragma once

#include <windows.h>

#include "core/toolkit/Layout.h"

namespace ilvorande {

class DpiScale {
 public:
  explicit DpiScale(UINT dpi = DesignDpi) : dpi_(dpi) {}
  // The window's monitor's dpi where the system tells it, else the system's.
  static DpiScale OfWindow(HWND window);

  UINT Dpi() const { return dpi_; }
  int Pixels(int twips) const { return TwipsToPixels(twips, static_cast<int>(dpi_)); }
  // A size drawn at 96 dpi, such as a 32-pixel icon.
  int FromDesignPixels(int pixels) const {
    return MulDiv(pixels, static_cast<int>(dpi_), DesignDpi);
  }
  // The font height for a size in hundredths of a point.
  int FontHeight(int centipoints) const;
  // Outer size of a window whose client area is that many twips.
  SIZE OuterSize(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle) const;

 private:
  UINT dpi_;
};

// Where the system suggests a window moved to a monitor of another dpi
// should stand (WM_DPICHANGED's lParam).
void MoveToSuggestedPlace(HWND window, LPARAM suggested);

}  // namespace ilvorande
