#include "win32/toolkit/LayoutControls.h"

#include <algorithm>

#include "win32/toolkit/KeyboardLink.h"
#include "win32/toolkit/TextExtent.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

HWND CreateControl(HWND parent, const ControlLayout& control, const ControlState& state,
                   const ControlStyles& styles, HFONT font, const DpiScale& scale) {
  const ChildClass child = ChildClassOf(control, styles);
  const DWORD style = child.style | (state.enabled ? 0 : WS_DISABLED);
  // A label that sizes itself to its text is made at that size at once.
  SIZE size{scale.Pixels(control.width), scale.Pixels(control.height)};
  if (control.sizesToText && !state.text.empty()) size = TextExtent(font, state.text);
  const HWND made = CreateWindowExW(
      child.exStyle, child.name, state.text.c_str(), style, scale.Pixels(control.left),
      scale.Pixels(control.top), size.cx, size.cy, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.kind == ControlKind::Link) MakeKeyboardLink(made);
  if (control.kind == ControlKind::DropDownList) SetListItems(made, state.items, state.selected);
  return made;
}

void FitLabelToText(HWND label) {
  if (GetWindowTextLengthW(label) == 0) return;
  const SIZE extent = TextExtent(label);
  SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label, nullptr, TRUE);
}

RECT PlaceInParent(HWND child) {
  RECT place{};
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

// The self-sizing label that stands before this one on its row, if any.
const ControlLayout* LabelBefore(const WindowLayout& layout, const ControlLayout& label) {
  const ControlLayout* before = nullptr;
  for (const auto& other : layout.controls) {
    if (other.sizesToText && other.top == label.top && other.left < label.left &&
        (before == nullptr || other.left > before->left)) {
      before = &other;
    }
  }
  return before;
}

// Text does not scale exactly with the layout: away from the design's dpi, a
// label too narrow for its text grows to the right, and a self-sizing label
// that follows another on its row moves right to keep the design's gap.
void MakeRoomForTexts(HWND parent, const WindowLayout& layout, const DpiScale& scale) {
  if (scale.Dpi() == DesignDpi) return;
  for (const auto& control : layout.controls) {
    if (!ShowsText(control.kind) || control.centred) continue;
    const HWND label = GetDlgItem(parent, control.id);
    RECT place = PlaceInParent(label);
    if (const ControlLayout* before =
            control.sizesToText ? LabelBefore(layout, control) : nullptr) {
      const RECT beforePlace = PlaceInParent(GetDlgItem(parent, before->id));
      const int gap = scale.Pixels(control.left - (before->left + before->width));
      place.left = std::max<LONG>(place.left, beforePlace.right + gap);
    }
    const LONG width = std::max<LONG>(place.right - place.left, TextExtent(label).cx);
    SetWindowPos(label, nullptr, place.left, place.top, width, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace

std::vector<UniqueFont> MakeFonts(const WindowLayout& layout, const DpiScale& scale) {
  std::vector<UniqueFont> fonts;
  for (const FontSpec& spec : layout.fonts) {
    fonts.emplace_back(CreateFontW(scale.FontHeight(spec.centipoints), 0, 0, 0, FW_NORMAL, FALSE,
                                   spec.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                   OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH, Utf8ToWide(spec.face).c_str()));
  }
  return fonts;
}

void CreateControls(HWND parent, const WindowLayout& layout, const ControlStyles& styles,
                    const std::vector<UniqueFont>& fonts, const DpiScale& scale,
                    const std::function<ControlState(const ControlLayout&)>& stateOf) {
  bool restack = false;
  HWND previous = HWND_TOP;
  for (const ControlLayout* control : layout.InCreationOrder()) {
    HWND child = GetDlgItem(parent, control->id);
    if (child != nullptr) {
      restack = true;
    } else {
      child = CreateControl(parent, *control, stateOf(*control), styles,
                            fonts[static_cast<std::size_t>(control->font)].get(), scale);
    }
    // A control made among others takes its place in the reading order,
    // which new windows, made last, would not have.
    if (restack) {
      SetWindowPos(child, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    previous = child;
  }
  MakeRoomForTexts(parent, layout, scale);
}

void SetControlText(HWND parent, const WindowLayout& layout, int id, std::wstring_view text) {
  const HWND child = GetDlgItem(parent, id);
  SetWindowTextW(child, std::wstring(text).c_str());
  if (const ControlLayout* control = layout.Find(id); control != nullptr && control->sizesToText) {
    FitLabelToText(child);
  }
}

void SetListItems(HWND list, const std::vector<std::wstring>& items, int selected) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const auto& item : items) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void RescaleControls(HWND parent, const WindowLayout& layout, const DpiScale& scale,
                     std::vector<UniqueFont>& fonts) {
  // The controls let go of the old fonts before they are deleted.
  auto scaledFonts = MakeFonts(layout, scale);
  for (const auto& control : layout.controls) {
    const HWND child = GetDlgItem(parent, control.id);
    SendMessageW(
        child, WM_SETFONT,
        reinterpret_cast<WPARAM>(scaledFonts[static_cast<std::size_t>(control.font)].get()), FALSE);
    MoveWindow(child, scale.Pixels(control.left), scale.Pixels(control.top),
               scale.Pixels(control.width), scale.Pixels(control.height), TRUE);
    if (control.sizesToText) FitLabelToText(child);
  }
  fonts = std::move(scaledFonts);
  MakeRoomForTexts(parent, layout, scale);
}

}  // namespace ilvorande
