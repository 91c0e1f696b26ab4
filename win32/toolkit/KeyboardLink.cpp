#include "win32/toolkit/KeyboardLink.h"

#include <string>

#include "win32/toolkit/ScopedWin.h"
#include "win32/toolkit/TextExtent.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

// The static's own procedure, kept with the window itself.
constexpr const wchar_t* StaticProcedureProperty = L"IlvorandeStaticProc";
// Bit 30 of a key message's lParam: the key was already down (a repeat).
constexpr LPARAM KeyWasDown = LPARAM{1} << 30;

bool OpensTheLink(WPARAM key) {
  return key == VK_RETURN || key == VK_SPACE;
}

// Around the text as the static draws it: wrapped within its width, at its
// top, left or centred.
RECT TextPlace(HWND label, HDC dc) {
  RECT client{};
  GetClientRect(label, &client);
  const bool centred = (GetWindowLongPtrW(label, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
  const std::wstring text = WindowText(label);
  RECT textPlace = client;
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &textPlace,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | (centred ? DT_CENTER : DT_LEFT));
  const LONG width = textPlace.right - textPlace.left;
  if (centred) textPlace.left = client.left + (client.right - client.left - width) / 2;
  textPlace.right = textPlace.left + width;
  // The focus rectangle stands clear of the text, yet inside the label.
  constexpr int FocusGap = 1;
  InflateRect(&textPlace, FocusGap, FocusGap);
  IntersectRect(&textPlace, &textPlace, &client);
  return textPlace;
}

void DrawFocusCue(HWND label) {
  if ((SendMessageW(label, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) return;
  const WindowDC dc(label);
  const SelectedObject font(dc.get(),
                            reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  const RECT place = TextPlace(label, dc.get());
  DrawFocusRect(dc.get(), &place);
}

LRESULT CALLBACK KeyboardLinkProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(label, StaticProcedureProperty));
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Space come here instead of to the dialog keys.
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const LRESULT code = CallWindowProcW(original, label, message, wParam, lParam);
      const bool wanted = key != nullptr &&
                          (key->message == WM_KEYDOWN || key->message == WM_CHAR) &&
                          OpensTheLink(key->wParam);
      return wanted ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
      if (OpensTheLink(wParam) && (lParam & KeyWasDown) == 0) {
        SendMessageW(GetParent(label), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), STN_CLICKED),
                     reinterpret_cast<LPARAM>(label));
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
      InvalidateRect(label, nullptr, TRUE);
      break;
    case WM_PAINT:
      if (GetFocus() == label) {
        const LRESULT result = CallWindowProcW(original, label, message, wParam, lParam);
        DrawFocusCue(label);
        return result;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropW(label, StaticProcedureProperty);
      break;
    default:
      break;
  }
  return CallWindowProcW(original, label, message, wParam, lParam);
}

}  // namespace

void MakeKeyboardLink(HWND label) {
  const auto original = GetWindowLongPtrW(label, GWLP_WNDPROC);
  SetPropW(label, StaticProcedureProperty, reinterpret_cast<HANDLE>(original));
  SetWindowLongPtrW(label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeyboardLinkProc));
}

}  // namespace ilvorande
