#include "win32/helpabout/Win32AboutWindow.h"

#include <string>

#include "core/helpabout/AboutLayout.h"
#include "resources/PointerHotSpots.h"
#include "resources/ResourceIds.h"
#include "win32/toolkit/ProgramIcon.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

// SS_NOTIFY makes a label and the picture clickable, and opaque to the pointer.
constexpr WindowLook AboutLook{
    AboutWindowClassName, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
    WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, ControlStyles{BS_PUSHBUTTON, SS_NOTIFY}};

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
  if (!about.CreateWindowAt(owner, {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT})) {
    return;
  }
  about.behaviour_.Load();
  EnableWindow(owner, FALSE);
  ShowWindow(about.Window(), SW_SHOWNORMAL);
  while (about.CurrentStage() == Stage::Open && DispatchNext(true) == Dispatched::One) {
  }
  EnableWindow(owner, TRUE);
}

Win32AboutWindow::Win32AboutWindow(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell)
    : LayoutWindow(instance, AboutLook, AboutLayout),
      owner_(owner),
      behaviour_(*this, toolkit, shell),
      webPointer_(MakePointer(instance, IDI_POINTER_LINK, PointerLinkHotSpot)),
      mailPointer_(MakePointer(instance, IDI_POINTER_MAIL, PointerMailHotSpot)) {}

void Win32AboutWindow::Created() {
  highContrast_ = HighContrastIsOn();
  FocusFirst(static_cast<int>(AboutControl::BackButton));
  CentreOnOwner();
}

void Win32AboutWindow::CentreOnOwner() {
  const SIZE outer = OuterSize(Scale());
  RECT ownerRect{};
  GetWindowRect(owner_, &ownerRect);
  const int left = ownerRect.left + (ownerRect.right - ownerRect.left - outer.cx) / 2;
  const int top = ownerRect.top + (ownerRect.bottom - ownerRect.top - outer.cy) / 2;
  SetWindowPos(Window(), nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

HCURSOR Win32AboutWindow::PointerFor(HWND control) const {
  const ControlLayout* layout = Layout().Find(GetDlgCtrlID(control));
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

void Win32AboutWindow::ShowProgramIcon() {
  // The window and the picture let go of the old icon before it is destroyed.
  auto icon = SetProgramIcon(Window(), Instance(), Scale());
  SendDlgItemMessageW(Window(), static_cast<int>(AboutControl::Picture), STM_SETICON,
                      reinterpret_cast<WPARAM>(icon.get()), 0);
  programIcon_ = std::move(icon);
}

void Win32AboutWindow::FollowSystemColours() {
  const bool highContrast = HighContrastIsOn();
  if (highContrast == highContrast_) return;
  highContrast_ = highContrast;
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32AboutWindow::ScaleChanged() {
  ShowProgramIcon();
}

void Win32AboutWindow::SetText(AboutControl control, std::string_view text) {
  ChangeControlText(static_cast<int>(control), Utf8ToWide(text));
}

void Win32AboutWindow::Close() {
  // The owner comes back first, so that it is the one activated.
  EnableWindow(owner_, TRUE);
  Destroy();
}

std::optional<LRESULT> Win32AboutWindow::OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
      const ControlLayout* layout = Layout().Find(GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
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
      return std::nullopt;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      FollowSystemColours();
      return std::nullopt;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace ilvorande
