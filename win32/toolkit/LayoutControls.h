// A window's controls made from its layout, at its scale, and kept fitting
// their texts.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/toolkit/Layout.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

// The styles that a window adds for its push buttons and its static controls.
struct ControlStyles {
  DWORD pushButton;
  // Labels and pictures alike: both are STATIC controls.
  DWORD staticControl;
};

// The window class, styles and extended styles that a control is made with.
struct ChildClass {
  const wchar_t* name;
  DWORD style, exStyle;
};
constexpr ChildClass ChildClassOf(const ControlLayout& control, const ControlStyles& styles) {
  constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  const DWORD alignment = control.centred ? SS_CENTER : SS_LEFT;
  switch (control.kind) {
    case ControlKind::Button:
      return {L"BUTTON", Child | WS_TABSTOP | styles.pushButton, 0};
    case ControlKind::CheckBox:
      // A caption too long for the box wraps onto a second line.
      return {L"BUTTON", Child | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE, 0};
    case ControlKind::Edit:
      return {L"EDIT",
              Child | WS_TABSTOP | ES_AUTOHSCROLL | (control.centred ? ES_CENTER : ES_LEFT),
              WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {L"STATIC", Child | styles.staticControl | SS_NOPREFIX | alignment, 0};
    case ControlKind::Link:
      // SS_NOTIFY: a click reaches the window, and the pointer stops here.
      return {L"STATIC", Child | WS_TABSTOP | SS_NOTIFY | SS_NOPREFIX | alignment, 0};
    case ControlKind::DropDownList:
      return {L"COMBOBOX", Child | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::Picture:
      // An icon static takes the picture's own size: the picture is never scaled.
      return {L"STATIC", Child | styles.staticControl | SS_ICON, 0};
  }
  return {L"STATIC", Child, 0};
}

// What a control holds when it is made.
struct ControlState {
  std::wstring text;
  bool enabled;
  // A drop-down list's entries, and the one chosen (none: -1).
  std::vector<std::wstring> items = {};
  int selected = -1;
};

// The layout's fonts at that scale, in the layout's order.
std::vector<UniqueFont> MakeFonts(const WindowLayout& layout, const DpiScale& scale);

// Every control of the layout that the window does not hold yet, made in
// the layout's creation order at its place at that scale, in its font,
// holding what stateOf gives it; the controls already there are left as
// they are, and all stand in the creation order.
void CreateControls(HWND parent, const WindowLayout& layout, const ControlStyles& styles,
                    const std::vector<UniqueFont>& fonts, const DpiScale& scale,
                    const std::function<ControlState(const ControlLayout&)>& stateOf);

// A control's new text; a label that sizes itself to its text grows or
// shrinks to the right from its left edge.
void SetControlText(HWND parent, const WindowLayout& layout, int id, std::wstring_view text);

void SetListItems(HWND list, const std::vector<std::wstring>& items, int selected);

// Fonts, places and sizes of every control anew, for a window that has moved
// to a monitor of another dpi; fonts is replaced by the layout's at that scale.
void RescaleControls(HWND parent, const WindowLayout& layout, const DpiScale& scale,
                     std::vector<UniqueFont>& fonts);

}  // namespace ilvorande
