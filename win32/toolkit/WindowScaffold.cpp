#include "win32/toolkit/WindowScaffold.h"

#include <algorithm>
#include <string>

#include "resources/ResourceIds.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

bool RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, className, &windowClass)) return true;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

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

HWND CreateControl(HWND parent, const ControlLayout& control, std::wstring_view text, bool enabled,
                   const ControlStyles& styles, HFONT font, const DpiScale& scale) {
  constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  const wchar_t* className = L"STATIC";
  DWORD style = Child | (enabled ? 0 : WS_DISABLED);
  DWORD exStyle = 0;
  switch (control.kind) {
    case ControlKind::Button:
      className = L"BUTTON";
      style |= WS_TABSTOP | styles.button;
      break;
    case ControlKind::CheckBox:
      className = L"BUTTON";
      // A caption too long for the box wraps onto a second line.
      style |= WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE;
      break;
    case ControlKind::Edit:
      className = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL | (control.centred ? ES_CENTER : ES_LEFT);
      exStyle = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Label:
      style |= styles.label | SS_NOPREFIX | (control.centred ? SS_CENTER : SS_LEFT);
      break;
    case ControlKind::Picture:
      // An icon static takes the picture's own size: the picture is never scaled.
      style |= styles.label | SS_ICON;
      break;
  }
  // A label that sizes itself to its text is made at that size at once.
  SIZE size{scale.Pixels(control.width), scale.Pixels(control.height)};
  if (control.sizesToText && !text.empty()) size = TextExtent(font, text);
  const HWND child = CreateWindowExW(
      exStyle, className, std::wstring(text).c_str(), style, scale.Pixels(control.left),
      scale.Pixels(control.top), size.cx, size.cy, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

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

void FitLabelToText(HWND label) {
  if (GetWindowTextLengthW(label) == 0) return;
  const SIZE extent = TextExtent(label);
  SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label, nullptr, TRUE);
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

void KeepFocusAcrossActivation(HWND window, WPARAM activation, HWND& remembered) {
  if (LOWORD(activation) == WA_INACTIVE) {
    if (const HWND focus = GetFocus(); focus != nullptr && IsChild(window, focus)) {
      remembered = focus;
    }
  } else if (HIWORD(activation) == 0) {
    GiveFocusBack(window, remembered);
  }
}

void GiveFocusBack(HWND window, HWND remembered) {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(window, focus)) return;
  if (remembered != nullptr && IsWindowEnabled(remembered)) SetFocus(remembered);
}

void MoveToSuggestedPlace(HWND window, LPARAM suggested) {
  const auto& place = *reinterpret_cast<const RECT*>(suggested);
  SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

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

}  // namespace

void MakeRoomForTexts(HWND parent, const WindowLayout& layout, const DpiScale& scale) {
  if (scale.Dpi() == DesignDpi) return;
  for (const auto& control : layout.controls) {
    if (control.kind != ControlKind::Label || control.centred) continue;
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

UniqueIcon LoadProgramIcon(HINSTANCE instance, int size) {
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ILVORANDE), IMAGE_ICON, size, size, 0)));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace ilvorande
