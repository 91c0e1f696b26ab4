#include "win32/toolkit/TextExtent.h"

#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

// Measured in memory, without a round trip to the window system.
SIZE TextExtent(HFONT font, std::wstring_view text) {
  const MemoryDC dc(CreateCompatibleDC(nullptr));
  const SelectedObject selected(dc.get(), font);
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &extent);
  return extent;
}

SIZE TextExtent(HWND control) {
  return TextExtent(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)),
                    WindowText(control));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace ilvorande
