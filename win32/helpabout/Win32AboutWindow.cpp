#include "win32/helpabout/Win32AboutWindow.h"

#include <string>

#include "core/helpabout/AboutLayout.h"
#include "resources/PointerHotSpots.h"
#include "resources/ResourceIds.h"
#include "win32/toolkit/LayoutControls.h"
#include "win32/toolkit/OwnedWindow.h"
#include "win32/toolkit/ProgramIcon.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

constexpr DWORD AboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD AboutExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// SS_NOTIFY makes a label clickable, and opaque to the pointer.
constexpr ControlStyles AboutControlStyles{BS_PUSHBUTTON, SS_NOTIFY};

constexpr int PointerSize = 32;

// A pointer made from an icon picture, pointing at hotSpot: the icon files
// carry none, so it comes from make_icons.py, which drew them.
UniqueIcon MakePointer(HINSTANCE instance, int resource, HotSpot hotSpot) {
  const UniqueIcon picture(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, PointerSize, PointerSize, 0)));
  ICONINFO info{};
  if (!picture || !GetIconInfo(picture.get(), &info)) return nullptr;
  const UniqueBitmap mask(info.hbmMask);
  const UniqueBitmap colour(info.hbmColor);
  info.fIcon = FALSE;
  info.xHotspot = static_cast<DWORD>(hotSpot.x);
  info.yHotspot = static_cast<DWORD>(hotSpot.y);
  return UniqueIcon(CreateIconIndirect(&info));
}

COLORREF ColourOf(const Ink& ink) {
  if (const auto* design = std::get_if<Rgb>(&ink)) {
    return RGB(design->red, design->green, design->blue);
  }
  return GetSysColor(std::get<SystemColour>(ink) == SystemColour::HotLight ? COLOR_HOTLIGHT
                                                                           : COLOR_WINDOWTEXT);
}

bool HighContrastIsOn() {
  HIGHCONTRASTW highContrast{};
  highContrast.cbSize = sizeof highContrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
         (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

}  // namespace

void Win32AboutWindow::ShowModal(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell) {
  Win32AboutWindow about(instance, owner, toolkit, shell);
  if (!about.CreateAndLoad()) return;
  EnableWindow(owner, FALSE);
  ShowWindow(about.window_, SW_SHOWNORMAL);
  while (about.window_ != nullptr && DispatchNext(true) == Dispatched::One) {
  }
  EnableWindow(owner, TRUE);
}

Win32AboutWindow::Win32AboutWindow(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell)
    : instance_(instance),
      owner_(owner),
      scale_(DpiScale::OfWindow(owner)),
      behaviour_(*this, toolkit, shell),
      webPointer_(MakePointer(instance, IDI_POINTER_LINK, PointerLinkHotSpot)),
      mailPointer_(MakePointer(instance, IDI_POINTER_MAIL, PointerMailHotSpot)) {}

Win32AboutWindow::~Win32AboutWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool Win32AboutWindow::CreateAndLoad() {
  const std::wstring className = Utf8ToWide(AboutWindowClassName);
  if (!RegisterWindowClass(instance_, className.c_str(), OwnedWindowProc<Win32AboutWindow>)) {
    return false;
  }
  CreateWindowExW(AboutExStyle, className.c_str(), Utf8ToWide(AboutLayout.caption).c_str(),
                  AboutStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_,
                  nullptr, instance_, this);
  if (window_ == nullptr) return false;
  fonts_ = MakeFonts(AboutLayout, scale_);
  CreateControls(window_, AboutLayout, AboutControlStyles, fonts_, scale_,
                 [](const ControlLayout& control) {
                   return ControlState{Utf8ToWide(control.caption), !control.disabled};
                 });
  highContrast_ = HighContrastIsOn();
  focus_.Remember(GetDlgItem(window_, static_cast<int>(AboutControl::BackButton)));
  Centre();
  behaviour_.Load();
  return window_ != nullptr;
}

void Win32AboutWindow::Centre() {
  const SIZE outer =
      scale_.OuterSize(AboutLayout.clientWidth, AboutLayout.clientHeight, AboutStyle, AboutExStyle);
  RECT ownerRect{};
  GetWindowRect(owner_, &ownerRect);
  const int left = ownerRect.left + (ownerRect.right - ownerRect.left - outer.cx) / 2;
  const int top = ownerRect.top + (ownerRect.bottom - ownerRect.top - outer.cy) / 2;
  SetWindowPos(window_, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

HCURSOR Win32AboutWindow::PointerFor(HWND control) const {
  const ControlLayout* layout = AboutLayout.Find(GetDlgCtrlID(control));
  if (layout == nullptr) return nullptr;
  switch (layout->pointer) {
    case Pointer::WebLink:
      return webPointer_.get();
    case Pointer::MailLink:
      return mailPointer_.get();
    case Pointer::Arrow:
      break;
  }
  return nullptr;
}

// The main window's icon, at this window's scale.
void Win32AboutWindow::ShowProgramIcon() {
  // The window and the picture let go of the old icon before it is destroyed.
  auto icon = SetProgramIcon(window_, instance_, scale_);
  SendDlgItemMessageW(window_, static_cast<int>(AboutControl::Picture), STM_SETICON,
                      reinterpret_cast<WPARAM>(icon.get()), 0);
  programIcon_ = std::move(icon);
}

void Win32AboutWindow::FollowSystemColours() {
  const bool highContrast = HighContrastIsOn();
  if (highContrast == highContrast_) return;
  highContrast_ = highContrast;
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32AboutWindow::ApplyDpi(UINT dpi) {
  scale_ = DpiScale(dpi);
  RescaleControls(window_, AboutLayout, scale_, fonts_);
  ShowProgramIcon();
}

void Win32AboutWindow::SetText(AboutControl control, std::string_view text) {
  SetControlText(window_, AboutLayout, static_cast<int>(control), Utf8ToWide(text));
}

void Win32AboutWindow::Close() {
  // The owner comes back first, so that it is the one activated.
  EnableWindow(owner_, TRUE);
  if (window_ != nullptr) DestroyWindow(window_);
}

LRESULT Win32AboutWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // STN_CLICKED and BN_CLICKED are both 0; Escape arrives as IDCANCEL and
      // leaves like the back button.
      if (HIWORD(wParam) == 0) {
        behaviour_.Clicked(LOWORD(wParam) == IDCANCEL ? AboutControl::BackButton
                                                      : static_cast<AboutControl>(LOWORD(wParam)));
      }
      return 0;
    case WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      const ControlLayout* layout = AboutLayout.Find(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      SetTextColor(dc, ColourOf(InkFor(layout != nullptr ? layout->colour : TextColour::System,
                                       highContrast_)));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (const HCURSOR pointer = PointerFor(reinterpret_cast<HWND>(wParam)); pointer != nullptr) {
        SetCursor(pointer);
        return TRUE;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_ACTIVATE:
      // At first on the back button.
      focus_.Activated(window_, wParam);
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      FollowSystemColours();
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wParam));
      MoveToSuggestedPlace(window_, lParam);
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace ilvorande
