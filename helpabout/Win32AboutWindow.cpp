#include "helpabout/Win32AboutWindow.h"

#include <algorithm>
#include <array>
#include <string>

#include "helpabout/AboutLayout.h"
#include "resources/ResourceIds.h"
#include "toolkit/Win32Dpi.h"
#include "toolkit/Win32MessageLoop.h"
#include "toolkit/Win32Text.h"
#include "toolkit/Win32WindowProc.h"

namespace ilvorande {

namespace {

constexpr DWORD AboutStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD AboutExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr COLORREF Purple = RGB(128, 0, 128);
constexpr COLORREF Blue = RGB(0, 0, 255);

// Where each pointer picture points; the icon files carry no hot spot.
constexpr POINT LinkPointerHotSpot{5, 0};
constexpr POINT MailPointerHotSpot{0, 0};
constexpr int PointerSize = 32;

struct FontSpec {
  const wchar_t* face;
  int centipoints;
  bool underline;
};

constexpr FontSpec DefaultSpec{L"MS Sans Serif", 825, false};
constexpr FontSpec TitleSpec{L"Comic Sans MS", 2025, false};
constexpr FontSpec VersionSpec{L"Comic Sans MS", 1425, false};
constexpr FontSpec WebSpec{L"Arial", 1425, true};
constexpr FontSpec StatementSpec{L"Comic Sans MS", 1200, false};
constexpr FontSpec MailSpec{L"Arial", 1200, true};

UniqueFont MakeFont(const FontSpec& spec, UINT dpi) {
  return UniqueFont(CreateFontW(FontHeight(spec.centipoints, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                                spec.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, spec.face));
}

const AboutControlLayout* LayoutOf(int controlId) {
  for (const auto& control : AboutControls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

// A pointer made from an icon picture, pointing at hotSpot.
UniqueIcon MakePointer(HINSTANCE instance, int resource, POINT hotSpot) {
  const UniqueIcon picture(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, PointerSize, PointerSize, 0)));
  ICONINFO info{};
  if (!picture || !GetIconInfo(picture.get(), &info)) return nullptr;
  info.fIcon = FALSE;
  info.xHotspot = static_cast<DWORD>(hotSpot.x);
  info.yHotspot = static_cast<DWORD>(hotSpot.y);
  UniqueIcon pointer(CreateIconIndirect(&info));
  DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  return pointer;
}

}  // namespace

void Win32AboutWindow::ShowModal(HINSTANCE instance, HWND owner, HICON mainIcon, Toolkit& toolkit,
                                 ShellPlatform& shell) {
  Win32AboutWindow about(instance, owner, mainIcon, toolkit, shell);
  if (!about.CreateAndLoad()) return;
  EnableWindow(owner, FALSE);
  ShowWindow(about.window_, SW_SHOWNORMAL);
  MSG message{};
  while (about.window_ != nullptr) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      // Leave the quit for the main loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    DispatchWithDialogKeys(message);
  }
  EnableWindow(owner, TRUE);
}

Win32AboutWindow::Win32AboutWindow(HINSTANCE instance, HWND owner, HICON mainIcon, Toolkit& toolkit,
                                   ShellPlatform& shell)
    : instance_(instance),
      owner_(owner),
      mainIcon_(mainIcon),
      dpi_(WindowDpi(owner)),
      about_(*this, toolkit, shell),
      linkPointer_(MakePointer(instance, IDI_POINTER_LINK, LinkPointerHotSpot)),
      mailPointer_(MakePointer(instance, IDI_POINTER_MAIL, MailPointerHotSpot)) {}

Win32AboutWindow::~Win32AboutWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool Win32AboutWindow::CreateAndLoad() {
  const std::wstring className = Utf8ToWide(AboutWindowClassName);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(instance_, className.c_str(), &windowClass)) {
    windowClass.lpfnWndProc = OwnedWindowProc<Win32AboutWindow>;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassExW(&windowClass) == 0) return false;
  }
  CreateWindowExW(AboutExStyle, className.c_str(), Utf8ToWide(AboutWindowCaption).c_str(),
                  AboutStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_,
                  nullptr, instance_, this);
  if (window_ == nullptr) return false;
  CreateFonts();
  CreateControls();
  Centre();
  about_.Form_Load();
  return window_ != nullptr;
}

int Win32AboutWindow::Pixels(int twips) const {
  return MulDiv(twips, static_cast<int>(dpi_), 1440);
}

void Win32AboutWindow::CreateFonts() {
  defaultFont_ = MakeFont(DefaultSpec, dpi_);
  titleFont_ = MakeFont(TitleSpec, dpi_);
  versionFont_ = MakeFont(VersionSpec, dpi_);
  webFont_ = MakeFont(WebSpec, dpi_);
  statementFont_ = MakeFont(StatementSpec, dpi_);
  mailFont_ = MakeFont(MailSpec, dpi_);
}

HFONT Win32AboutWindow::FontFor(int controlId) const {
  const AboutControlLayout* layout = LayoutOf(controlId);
  switch (layout != nullptr ? layout->font : AboutFont::Default) {
    case AboutFont::Title:
      return titleFont_.get();
    case AboutFont::Version:
      return versionFont_.get();
    case AboutFont::WebLink:
      return webFont_.get();
    case AboutFont::Statement:
      return statementFont_.get();
    case AboutFont::MailLink:
      return mailFont_.get();
    case AboutFont::Default:
      break;
  }
  return defaultFont_.get();
}

COLORREF Win32AboutWindow::ColourFor(int controlId) const {
  const AboutControlLayout* layout = LayoutOf(controlId);
  switch (layout != nullptr ? layout->colour : AboutColour::Default) {
    case AboutColour::Purple:
      return Purple;
    case AboutColour::Blue:
      return Blue;
    case AboutColour::Default:
      break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

HCURSOR Win32AboutWindow::PointerFor(HWND control) const {
  const AboutControlLayout* layout = LayoutOf(GetDlgCtrlID(control));
  if (layout == nullptr) return nullptr;
  switch (layout->pointer) {
    case AboutPointer::Link:
      return linkPointer_.get();
    case AboutPointer::Mail:
      return mailPointer_.get();
    case AboutPointer::Arrow:
      break;
  }
  return nullptr;
}

void Win32AboutWindow::CreateControls() {
  std::array<const AboutControlLayout*, AboutControls.size()> ordered{};
  std::transform(AboutControls.begin(), AboutControls.end(), ordered.begin(),
                 [](const AboutControlLayout& control) { return &control; });
  // Creation order is tab order, and the statement, created before the web
  // address, lies in front of it where they overlap and stays readable.
  std::sort(ordered.begin(), ordered.end(),
            [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  for (const AboutControlLayout* control : ordered) {
    const wchar_t* className = L"STATIC";
    // SS_NOTIFY makes a label clickable, and opaque to the pointer.
    DWORD style = Child | SS_NOTIFY | SS_NOPREFIX | (control->centred ? SS_CENTER : SS_LEFT);
    if (control->kind == AboutKind::Picture) style = Child | SS_NOTIFY | SS_ICON;
    if (control->kind == AboutKind::Button) {
      className = L"BUTTON";
      style = Child | WS_TABSTOP | BS_PUSHBUTTON;
    }
    const HWND child = CreateWindowExW(
        0, className, Utf8ToWide(control->caption).c_str(), style, Pixels(control->left),
        Pixels(control->top), Pixels(control->width), Pixels(control->height), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), instance_, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control->id)), FALSE);
    if (control->autoSize && control->kind == AboutKind::Label) {
      SetText(control->id, control->caption);
    }
  }
}

void Win32AboutWindow::Centre() {
  const SIZE outer =
      OuterSizeForClient(Pixels(AboutClientWidthTwips), Pixels(AboutClientHeightTwips), AboutStyle,
                         AboutExStyle, dpi_);
  RECT ownerRect{};
  GetWindowRect(owner_, &ownerRect);
  const int left = ownerRect.left + (ownerRect.right - ownerRect.left - outer.cx) / 2;
  const int top = ownerRect.top + (ownerRect.bottom - ownerRect.top - outer.cy) / 2;
  SetWindowPos(window_, nullptr, left, top, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32AboutWindow::SetIconToMainWindowIcon() {
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(mainIcon_));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(mainIcon_));
}

void Win32AboutWindow::SetImage1ToMainWindowIcon() {
  // An icon static takes the picture's own size: the picture is never scaled.
  SendDlgItemMessageW(window_, AboutIdImage1, STM_SETICON, reinterpret_cast<WPARAM>(mainIcon_), 0);
}

void Win32AboutWindow::SetText(int controlId, std::string_view text) {
  const HWND control = GetDlgItem(window_, controlId);
  const std::wstring wide = Utf8ToWide(text);
  SetWindowTextW(control, wide.c_str());
  const AboutControlLayout* layout = LayoutOf(controlId);
  if (layout == nullptr || !layout->autoSize || wide.empty()) return;
  const WindowDC dc(control);
  const SelectedObject font(dc.get(), FontFor(controlId));
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  SetWindowPos(control, nullptr, 0, 0, extent.cx, extent.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32AboutWindow::Unload() {
  // The owner comes back first, so that it is the one activated.
  EnableWindow(owner_, TRUE);
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32AboutWindow::OnCommand(int controlId) {
  if (controlId >= AboutLabel1Id(0) && controlId <= AboutLabel1Id(3)) {
    about_.Label1_Click(static_cast<std::int16_t>(controlId - AboutLabel1IdBase));
    return;
  }
  switch (controlId) {
    case AboutIdImage1:
      about_.Image1_Click();
      break;
    case AboutIdLabel2:
      about_.Label2_Click();
      break;
    case AboutIdCommand2:
    case IDCANCEL:  // Escape leaves like "&Retour"
      about_.Command2_Click();
      break;
    default:
      break;
  }
}

LRESULT Win32AboutWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // STN_CLICKED and BN_CLICKED are both 0; Escape arrives as IDCANCEL.
      if (HIWORD(wParam) == 0) OnCommand(LOWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, ColourFor(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR:
      if (const HCURSOR pointer = PointerFor(reinterpret_cast<HWND>(wParam)); pointer != nullptr) {
        SetCursor(pointer);
        return TRUE;
      }
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace ilvorande
