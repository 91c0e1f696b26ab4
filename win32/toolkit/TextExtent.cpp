#include "win32/toolkit/TextExtent.h"

#include "win32/toolkit/ScopedWin.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

// Measured in memory, without a round trip to the window system.
SIZE TextExtent(HFONT font, std::wstring_view text) {
  const CreatedDC dc(CreateCompatibleDC(nullptr));
  const SelectedObject selected(dc.get(), font);
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &extent);
  return extent;
}

SIZE TextExtent(HWND control) {
  return TextExtent(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                    WindowText(control));
}

}  // namespace ilvorande
