#include "win32/mainwindow/Win32MainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "core/mainwindow/MainLayout.h"
#include "core/mainwindow/MainWindowBehaviour.h"
#include "win32/helpabout/Win32AboutWindow.h"
#include "win32/toolkit/ButtonLook.h"
#include "win32/toolkit/OwnedWindow.h"
#include "win32/toolkit/ProgramIcon.h"
#include "win32/toolkit/TextExtent.h"
#include "win32/toolkit/Win32Library.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD MainExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr ControlStyles MainControlStyles{BS_PUSHBUTTON | BS_MULTILINE, 0};
// Wide enough for the tooltip's sentence to wrap into a few lines.
constexpr int TooltipWidthTwips = 4500;
// Room between the picture and the caption of the quit button.
constexpr int PictureGapTwips = 45;
constexpr UINT WM_CREATE_TOOLTIP = WM_APP + 1;
// The way back when the screen shows nothing: Ctrl+Z does what "Restaurer"
// does, wherever the focus is, a size box included.
constexpr ACCEL RestoreShortcut{FVIRTKEY | FCONTROL, 'Z',
                                static_cast<WORD>(MainControl::RestoreButton)};
// WM_COMMAND's notification code for an accelerator.
constexpr WORD FromAccelerator = 1;

// Centred on the screen, at the size that the scale asks for.
RECT CentredFrame(const DpiScale& scale) {
  const SIZE outer =
      scale.OuterSize(MainLayout.clientWidth, MainLayout.clientHeight, MainStyle, MainExStyle);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  return {left, top, left + outer.cx, top + outer.cy};
}

bool IsPushButton(int controlId) {
  const ControlLayout* layout = MainLayout.Find(controlId);
  return layout != nullptr && layout->kind == ControlKind::Button;
}

bool IsModeButton(int controlId) {
  const int first = static_cast<int>(ModeButton(0));
  return controlId >= first && controlId < first + ModeButtonCount;
}

}  // namespace

std::unique_ptr<Win32MainWindow> Win32MainWindow::Create(HINSTANCE instance, Toolkit& toolkit,
                                                         Shell& shell) {
  if (!RegisterWindowClass(instance, Utf8ToWide(MainWindowClassName).c_str(),
                           OwnedWindowProc<Win32MainWindow>)) {
    return nullptr;
  }
  return std::unique_ptr<Win32MainWindow>(new Win32MainWindow(instance, toolkit, shell));
}

Win32MainWindow::Win32MainWindow(HINSTANCE instance, Toolkit& toolkit, Shell& shell)
    : instance_(instance), toolkit_(toolkit), shell_(shell) {
  for (const auto& control : MainLayout.controls) {
    pending_[control.id] = {Utf8ToWide(control.caption), !control.disabled};
  }
}

Win32MainWindow::~Win32MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

HWND Win32MainWindow::Control(MainControl control) const {
  return GetDlgItem(window_, static_cast<int>(control));
}

void Win32MainWindow::CreateControls() {
  fonts_ = MakeFonts(MainLayout, scale_);
  ::ilvorande::CreateControls(
      window_, MainLayout, MainControlStyles, fonts_, scale_,
      [&](const ControlLayout& control) { return pending_.at(control.id); });
  pending_.clear();
}

void Win32MainWindow::CreateTooltip() {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = SystemFunction<InitFunction>(L"comctl32.dll", "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  if (init == nullptr || !init(&classes)) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                             nullptr, instance_, nullptr);
  std::wstring text = Utf8ToWide(ShortcutOptionTooltip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Control(MainControl::ShortcutOption));
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scale_.Pixels(TooltipWidthTwips));
}

void Win32MainWindow::ApplyDpi(UINT dpi) {
  scale_ = DpiScale(dpi);
  LoadIcons();
  RescaleControls(window_, MainLayout, scale_, fonts_);
  if (tooltip_ != nullptr) {
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, scale_.Pixels(TooltipWidthTwips));
  }
}

void Win32MainWindow::LoadIcons() {
  icon_ = SetProgramIcon(window_, instance_, scale_);
}

bool Win32MainWindow::Show(int showCommand) {
  // Created where it will show: moving it afterwards costs a round trip to
  // the window system.
  const DpiScale systemScale = DpiScale::OfWindow(nullptr);
  const RECT frame = CentredFrame(systemScale);
  CreateWindowExW(MainExStyle, Utf8ToWide(MainWindowClassName).c_str(),
                  Utf8ToWide(MainLayout.caption).c_str(), MainStyle, frame.left, frame.top,
                  frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance_,
                  this);
  if (window_ == nullptr) return false;
  if (scale_.Dpi() != systemScale.Dpi()) {
    // On a monitor of its own dpi.
    const RECT scaled = CentredFrame(scale_);
    SetWindowPos(window_, nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                 scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!minimized_) {
    ShowWindow(window_, showCommand);
  } else if (*minimized_) {
    ShowWindow(window_, SW_SHOWMINIMIZED);
  } else {
    ShowNormal();
  }
  UpdateWindow(window_);
  // Nobody hovers before the window is there: the tooltip, and the common
  // controls library behind it, can wait until it has shown.
  PostMessageW(window_, WM_CREATE_TOOLTIP, 0, 0);
  return true;
}

// Before the window exists these work on the pending values; once it is
// gone (a switch let a close through) they change nothing.
std::string Win32MainWindow::Text(MainControl control) {
  if (window_ != nullptr) return WideToUtf8(WindowText(Control(control)));
  const auto found = pending_.find(static_cast<int>(control));
  return found != pending_.end() ? WideToUtf8(found->second.text) : std::string();
}

void Win32MainWindow::SetText(MainControl control, std::string_view text) {
  if (window_ != nullptr) {
    SetControlText(window_, MainLayout, static_cast<int>(control), Utf8ToWide(text));
  } else if (const auto found = pending_.find(static_cast<int>(control)); found != pending_.end()) {
    found->second.text = Utf8ToWide(text);
  }
}

void Win32MainWindow::Enable(MainControl control) {
  if (window_ != nullptr) {
    EnableWindow(Control(control), TRUE);
  } else if (const auto found = pending_.find(static_cast<int>(control)); found != pending_.end()) {
    found->second.enabled = true;
  }
}

// built on the window skeleton
void Win32MainWindow::Disable(MainControl control) {
  if (window_ != nullptr) {
    EnableWindow(Control(control), FALSE);
  } else if (const auto found = pending_.find(static_cast<int>(control)); found != pending_.end()) {
    found->second.enabled = false;
  }
}

// built on the window skeleton: until then the window has no chooser.
void Win32MainWindow::ShowScreenChooser(const std::vector<std::string>& /*entries*/,
                                        int /*chosen*/) {}

// built on the window skeleton
void Win32MainWindow::HideScreenChooser() {}

bool Win32MainWindow::MakesShortcuts() {
  // The option starts unticked, and only the user ticks it.
  return window_ != nullptr &&
         SendMessageW(Control(MainControl::ShortcutOption), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32MainWindow::SetMinimized(bool minimized) {
  minimized_ = minimized;
  if (!IsWindowVisible(window_)) return;
  if (minimized) {
    ShowWindow(window_, SW_MINIMIZE);
  } else {
    ShowNormal();
  }
}

void Win32MainWindow::ShowNormal() {
  ShowWindow(window_, SW_SHOWNORMAL);
  // The system may take the first show of a program started minimised (a
  // shortcut set to "Réduite") as that start's state: restore it then.
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
}

void Win32MainWindow::ShowProgramIconOnQuitButton() {
  quitShowsIcon_ = true;
  if (window_ != nullptr) InvalidateRect(Control(MainControl::QuitButton), nullptr, TRUE);
}

void Win32MainWindow::ShowAboutModal() {
  if (window_ == nullptr) return;
  Win32AboutWindow::ShowModal(instance_, window_, toolkit_, shell_);
}

void Win32MainWindow::Close() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32MainWindow::OnCommand(int controlId) {
  if (behaviour_ == nullptr) return;
  if (controlId == static_cast<int>(MainControl::ShortcutOption)) {
    behaviour_->ShortcutOptionChanged();
    return;
  }
  if (IsModeButton(controlId)) {
    behaviour_->ModeButtonClicked(controlId - static_cast<int>(ModeButton(0)));
    return;
  }
  switch (static_cast<MainControl>(controlId)) {
    case MainControl::HelpButton:
      behaviour_->HelpClicked();
      break;
    case MainControl::AboutButton:
      behaviour_->AboutClicked();
      break;
    case MainControl::QuitButton:
      behaviour_->QuitClicked();
      break;
    case MainControl::RestoreButton:
      behaviour_->RestoreClicked();
      break;
    default:
      break;
  }
}

// Where the system cannot show a caption in full (Wine wraps "Info Ligne de
// commande" within half its button and cuts a word) or a picture above it,
// the button's content is drawn here, on the system's own background and
// frame; every other button is left entirely to the system.
LRESULT Win32MainWindow::DrawButtonContent(const NMCUSTOMDRAW& draw) const {
  const bool isQuit = draw.hdr.idFrom == static_cast<UINT_PTR>(MainControl::QuitButton);
  const HICON picture = isQuit && quitShowsIcon_ ? icon_.get() : nullptr;
  const std::wstring caption = WindowText(draw.hdr.hwndFrom);
  RECT content = draw.rc;
  // One pixel inside the frame's edge, as the system keeps its caption.
  constexpr int InsideEdge = 1;
  const int margin = GetSystemMetrics(SM_CXEDGE) + InsideEdge;
  InflateRect(&content, -margin, -margin);
  const SIZE oneLine = TextExtent(draw.hdr.hwndFrom);
  if (picture == nullptr && oneLine.cx <= content.right - content.left) return CDRF_DODEFAULT;

  const ButtonLook look(draw.hdr.hwndFrom);
  const ButtonState state = StateOf(draw.uItemState);
  if (state == ButtonState::Pressed && !look.IsThemed()) {
    // A classic pushed button shows its content one pixel down and right.
    OffsetRect(&content, InsideEdge, InsideEdge);
  }
  const SelectedObject font(
      draw.hdc, reinterpret_cast<HGDIOBJ>(SendMessageW(draw.hdr.hwndFrom, WM_GETFONT, 0, 0)));
  const SIZE text = look.MeasureWrapped(draw.hdc, caption, content.right - content.left);
  const int iconSize = picture != nullptr ? scale_.FromDesignPixels(ProgramIconDesignPixels) : 0;
  const int gap = picture != nullptr ? scale_.Pixels(PictureGapTwips) : 0;
  const int top = content.top + (content.bottom - content.top - iconSize - gap - text.cy) / 2;
  if (picture != nullptr) {
    const int left = content.left + (content.right - content.left - iconSize) / 2;
    DrawIconEx(draw.hdc, left, top, picture, iconSize, iconSize, 0, nullptr, DI_NORMAL);
  }
  RECT textPlace{content.left, top + iconSize + gap, content.right, top + iconSize + gap + text.cy};
  look.DrawWrapped(draw.hdc, caption, textPlace, state);

  const bool cuesHidden =
      (SendMessageW(draw.hdr.hwndFrom, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
  if ((draw.uItemState & CDIS_FOCUS) != 0 && !cuesHidden) {
    RECT focus = draw.rc;
    InflateRect(&focus, -margin - InsideEdge, -margin - InsideEdge);
    DrawFocusRect(draw.hdc, &focus);
  }
  return CDRF_SKIPDEFAULT;
}

LRESULT Win32MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      scale_ = DpiScale::OfWindow(window_);
      LoadIcons();
      CreateControls();
      focus_.Remember(Control(ModeButton(0)));
      {
        ACCEL shortcuts[] = {RestoreShortcut};
        shortcuts_.reset(CreateAcceleratorTableW(shortcuts, std::size(shortcuts)));
      }
      return 0;
    case WM_TRANSLATE_SHORTCUT:
      return TranslateAcceleratorW(window_, shortcuts_.get(), reinterpret_cast<MSG*>(lParam));
    case DM_GETDEFID: {
      // Enter in a size box presses "Autre...".
      const HWND focus = GetFocus();
      if (focus != Control(MainControl::WidthBox) && focus != Control(MainControl::HeightBox)) {
        return 0;
      }
      return MAKELRESULT(static_cast<int>(ModeButton(CustomModeIndex)), DC_HASDEFID);
    }
    case WM_CREATE_TOOLTIP:
      if (tooltip_ == nullptr) CreateTooltip();
      return 0;
    case WM_COMMAND:
      // The behaviour decides whether a shortcut's command can act now: one
      // pressed while a switch finishes waits for it.
      if ((HIWORD(wParam) == BN_CLICKED && lParam != 0) || HIWORD(wParam) == FromAccelerator) {
        OnCommand(LOWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
      if (draw.hdr.code == NM_CUSTOMDRAW && draw.dwDrawStage == CDDS_PREPAINT &&
          IsPushButton(static_cast<int>(draw.hdr.idFrom))) {
        return DrawButtonContent(draw);
      }
      return CDRF_DODEFAULT;
    }
    case WM_ACTIVATE:
      focus_.Activated(window_, wParam);
      return 0;
    case WM_SIZE:
      // Restored while active: no activation gives the focus back then.
      if (wParam == SIZE_RESTORED && GetActiveWindow() == window_) focus_.GiveBack(window_);
      return 0;
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wParam));
      MoveToSuggestedPlace(window_, lParam);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace ilvorande
