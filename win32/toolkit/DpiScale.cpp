#include "win32/toolkit/DpiScale.h"

#include "win32/toolkit/ScopedWin.h"
#include "win32/toolkit/Win32Library.h"

namespace ilvorande {

namespace {

constexpr int CentipointsPerInch = 72 * 100;

}  // namespace

// The per-monitor functions of newer systems are looked up at run time, so
// that the program still starts on older ones.
DpiScale DpiScale::OfWindow(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow =
      SystemFunction<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  if (getDpiForWindow != nullptr && window != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return DpiScale(dpi);
  }
  const WindowDC screen(nullptr);
  return DpiScale(static_cast<UINT>(GetDeviceCaps(screen.get(), LOGPIXELSY)));
}

int DpiScale::FontHeight(int centipoints) const {
  return -MulDiv(centipoints, static_cast<int>(dpi_), CentipointsPerInch);
}

SIZE DpiScale::OuterSize(int clientWidthTwips, int clientHeightTwips, DWORD style,
                         DWORD exStyle) const {
  using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi =
      SystemFunction<AdjustFunction>(L"user32.dll", "AdjustWindowRectExForDpi");
  RECT rect{0, 0, Pixels(clientWidthTwips), Pixels(clientHeightTwips)};
  if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, exStyle, dpi_)) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void MoveToSuggestedPlace(HWND window, LPARAM suggested) {
  const auto& place = *reinterpret_cast<const RECT*>(suggested);
  SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace ilvorande
