#include "win32/toolkit/ButtonLook.h"

#include <commctrl.h>

#include "win32/toolkit/Win32Library.h"

namespace ilvorande {

namespace {

constexpr UINT CaptionFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
// The visual style's part of a push button (vssym32.h).
constexpr int PushButtonPart = 1;

using GetWindowThemeFunction = void*(WINAPI*)(HWND);
using DrawThemeTextFunction = HRESULT(WINAPI*)(void*, HDC, int, int, LPCWSTR, int, DWORD, DWORD,
                                               const RECT*);

// Visual styles come with the common controls; where uxtheme isn't loaded,
// none is active.
template <typename Function>
Function ThemeFunction(const char* name) {
  return SystemFunction<Function>(L"uxtheme.dll", name, false);
}

}  // namespace

ButtonState StateOf(UINT itemState) {
  if ((itemState & CDIS_DISABLED) != 0) return ButtonState::Disabled;
  if ((itemState & CDIS_SELECTED) != 0) return ButtonState::Pressed;
  if ((itemState & CDIS_HOT) != 0) return ButtonState::Hot;
  if ((itemState & CDIS_DEFAULT) != 0) return ButtonState::Defaulted;
  return ButtonState::Normal;
}

ButtonLook::ButtonLook(HWND button) {
  if (const auto getWindowTheme = ThemeFunction<GetWindowThemeFunction>("GetWindowTheme")) {
    theme_ = getWindowTheme(button);
  }
}

SIZE ButtonLook::MeasureWrapped(HDC dc, const std::wstring& caption, int width) const {
  RECT place{0, 0, width, 0};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &place,
            CaptionFormat | DT_CALCRECT);
  return {place.right - place.left, place.bottom - place.top};
}

void ButtonLook::DrawWrapped(HDC dc, const std::wstring& caption, RECT place,
                             ButtonState state) const {
  const int length = static_cast<int>(caption.size());
  if (theme_ != nullptr) {
    if (const auto drawThemeText = ThemeFunction<DrawThemeTextFunction>("DrawThemeText")) {
      drawThemeText(theme_, dc, PushButtonPart, static_cast<int>(state), caption.c_str(), length,
                    CaptionFormat, 0, &place);
      return;
    }
  }
  SetBkMode(dc, TRANSPARENT);
  const auto drawIn = [&](int colour, int offset) {
    RECT at = place;
    OffsetRect(&at, offset, offset);
    SetTextColor(dc, GetSysColor(colour));
    DrawTextW(dc, caption.c_str(), length, &at, CaptionFormat);
  };
  // Disabled captions are embossed, as the system draws them without a style.
  constexpr int EmbossOffset = 1;
  if (state == ButtonState::Disabled) drawIn(COLOR_3DHILIGHT, EmbossOffset);
  drawIn(state == ButtonState::Disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT, 0);
}

}  // namespace ilvorande
