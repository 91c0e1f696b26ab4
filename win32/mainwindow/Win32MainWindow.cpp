#include "win32/mainwindow/Win32MainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

#include "core/mainwindow/MainLayout.h"
#include "core/mainwindow/MainWindowBehaviour.h"
#include "core/mainwindow/MainWindowResident.h"
#include "win32/helpabout/Win32AboutWindow.h"
#include "win32/mainwindow/MainWindowLook.h"
#include "win32/resident/Win32GlobalKeys.h"
#include "win32/resident/Win32JumpList.h"
#include "win32/resident/Win32NotificationIcon.h"
#include "win32/resident/Win32RunAtLogon.h"
#include "win32/toolkit/ButtonLook.h"
#include "win32/toolkit/ProgramIcon.h"
#include "win32/toolkit/TextExtent.h"
#include "win32/toolkit/Win32Library.h"
#include "win32/toolkit/Win32MessageLoop.h"
#include "win32/toolkit/Win32Text.h"
#include "win32/toolkit/Win32Toolkit.h"

namespace ilvorande {

namespace {

bool IsPushButton(const ControlLayout* control) {
  return control != nullptr && control->kind == ControlKind::Button;
}

// Wide enough for the tooltip's sentence to wrap into a few lines.
constexpr int TooltipWidthTwips = 4500;
// Room between the picture and the caption of the quit button.
constexpr int PictureGapTwips = 45;
// Posted once the window has first shown: what can wait until then.
constexpr UINT WM_AFTER_FIRST_SHOW = WM_APP + 1;
constexpr UINT WM_NOTIFICATION_ICON = WM_APP + 2;
// Wine 8 tells no window when a screen is attached or detached (Windows sends
// WM_DISPLAYCHANGE): the desktop is read again this often, the one time the
// program wakes while the user does nothing.
constexpr UINT_PTR DesktopTimer = 1;
constexpr UINT DesktopCheckMs = 1000;
// The way back when the screen shows nothing: Ctrl+Z does what "Restaurer"
// does, wherever the focus is, a size box included.
constexpr ACCEL RestoreShortcut{FVIRTKEY | FCONTROL, 'Z',
                                static_cast<WORD>(MainControl::RestoreButton)};
RECT CentredFrame(SIZE outer) {
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  return {left, top, left + outer.cx, top + outer.cy};
}

bool IsModeButton(int controlId) {
  const int first = static_cast<int>(ModeButton(0));
  return controlId >= first && controlId < first + ModeButtonCount;
}

}  // namespace

void Win32MainWindow::DesktopChanged() {
  if (behaviour_ != nullptr) behaviour_->DesktopChanged();
  // Windows moves a window whose screen is detached; Wine 8 leaves it where
  // that screen was, out of reach. Minimised, its frame is its icon's: it is
  // brought back on the first reading after it is restored.
  if (CurrentStage() != Stage::Open || IsIconic(Window()) ||
      MonitorFromWindow(Window(), MONITOR_DEFAULTTONULL) != nullptr) {
    return;
  }
  RECT frame{};
  GetWindowRect(Window(), &frame);
  const RECT centred = CentredFrame({frame.right - frame.left, frame.bottom - frame.top});
  SetWindowPos(Window(), nullptr, centred.left, centred.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The core last, so that it goes first: nothing it holds outlives it.
struct Win32MainWindow::ResidentParts {
  ResidentParts(Win32MainWindow& window, MainWindowBehaviour& behaviour)
      : icon(window.Window(), window.Instance(), WM_NOTIFICATION_ICON),
        keys(window.Window()),
        core(behaviour, window, icon, keys, run, jumpList, WideToUtf8(ModulePath())) {}

  Win32NotificationIcon icon;
  Win32GlobalKeys keys;
  Win32RunAtLogon run;
  Win32JumpList jumpList;
  MainWindowResident core;
};

Win32MainWindow::Win32MainWindow(HINSTANCE instance, Toolkit& toolkit, Shell& shell)
    : LayoutWindow(instance, MainLook, MainLayout), toolkit_(toolkit), shell_(shell) {}

Win32MainWindow::~Win32MainWindow() = default;

void Win32MainWindow::Created() {
  icon_ = SetProgramIcon(Window(), Instance(), Scale());
  FocusFirst(static_cast<int>(ModeButton(0)));
  ACCEL shortcuts[] = {RestoreShortcut};
  shortcuts_.reset(CreateAcceleratorTableW(shortcuts, std::size(shortcuts)));
  SetTimer(Window(), DesktopTimer, DesktopCheckMs, nullptr);
}

void Win32MainWindow::ScaleChanged() {
  icon_ = SetProgramIcon(Window(), Instance(), Scale());
  if (resident_) resident_->icon.SetDpi(Scale().Dpi());
  if (tooltip_ != nullptr) {
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale().Pixels(TooltipWidthTwips));
  }
}

void Win32MainWindow::Destroyed() {
  tooltip_ = nullptr;
  if (resident_) resident_->core.WindowDestroyed();
  PostQuitMessage(0);
}

void Win32MainWindow::CreateTooltip() {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = SystemFunction<InitFunction>(L"comctl32.dll", "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  if (init == nullptr || !init(&classes)) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Window(),
                             nullptr, Instance(), nullptr);
  std::wstring text = Utf8ToWide(ShortcutOptionTooltip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Window();
  tool.uId = reinterpret_cast<UINT_PTR>(Control(MainControl::ShortcutOption));
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Scale().Pixels(TooltipWidthTwips));
}

void Win32MainWindow::StartResident() {
  if (behaviour_ == nullptr || CurrentStage() != Stage::Open) return;
  if (!resident_) resident_ = std::make_unique<ResidentParts>(*this, *behaviour_);
  resident_->core.WindowShown();
}

bool Win32MainWindow::Show(int startShowCommand) {
  // Created where it will show: moving it afterwards costs a round trip to
  // the window system.
  const DpiScale systemScale = DpiScale::OfWindow(nullptr);
  if (!CreateWindowAt(nullptr, CentredFrame(OuterSize(systemScale)))) return false;
  if (Scale().Dpi() != systemScale.Dpi()) {
    // On a monitor of its own dpi.
    const RECT scaled = CentredFrame(OuterSize(Scale()));
    SetWindowPos(Window(), nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                 scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowAsAsked(Window(), showRequest_, startShowCommand);
  UpdateWindow(Window());
  // Nobody hovers or reaches for the notification area before the window is
  // there: the tooltip, the resident parts and the libraries behind them can
  // wait until it has shown.
  PostMessageW(Window(), WM_AFTER_FIRST_SHOW, 0, 0);
  return true;
}

std::string Win32MainWindow::Text(MainControl control) {
  return WideToUtf8(ControlText(static_cast<int>(control)));
}

void Win32MainWindow::SetText(MainControl control, std::string_view text) {
  ChangeControlText(static_cast<int>(control), Utf8ToWide(text));
}

void Win32MainWindow::Enable(MainControl control) {
  EnableControl(static_cast<int>(control), true);
}

void Win32MainWindow::Disable(MainControl control) {
  EnableControl(static_cast<int>(control), false);
}

void Win32MainWindow::ShowScreenChooser(const std::vector<std::string>& entries, int chosen) {
  if (&Layout() != &MainLayoutWithScreens) ChangeLayout(MainLayoutWithScreens);
  std::vector<std::wstring> items;
  for (const auto& entry : entries) items.push_back(Utf8ToWide(entry));
  ChangeListItems(static_cast<int>(MainControl::ScreenChooser), std::move(items), chosen);
}

void Win32MainWindow::HideScreenChooser() {
  if (&Layout() != &MainLayout) ChangeLayout(MainLayout);
}

bool Win32MainWindow::MakesShortcuts() {
  // The option starts unticked, and only the user ticks it.
  return CurrentStage() == Stage::Open &&
         SendMessageW(Control(MainControl::ShortcutOption), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32MainWindow::SetMinimized(bool minimized) {
  showRequest_ = minimized ? ShowRequest::Minimized : ShowRequest::Normal;
  if (CurrentStage() == Stage::Open && IsWindowVisible(Window())) {
    ShowAsAsked(Window(), showRequest_, SW_SHOWNORMAL);
  }
}

void Win32MainWindow::ShowNormalInFront() {
  if (CurrentStage() != Stage::Open) return;
  showRequest_ = ShowRequest::Normal;
  ShowAsAsked(Window(), showRequest_, SW_SHOWNORMAL);
  SetForegroundWindow(Window());
}

void Win32MainWindow::ShowProgramIconOnQuitButton() {
  quitShowsIcon_ = true;
  if (CurrentStage() == Stage::Open) {
    InvalidateRect(Control(MainControl::QuitButton), nullptr, TRUE);
  }
}

void Win32MainWindow::ShowAboutModal() {
  if (CurrentStage() != Stage::Open) return;
  Win32AboutWindow::ShowModal(Instance(), Window(), toolkit_, shell_);
}

void Win32MainWindow::Close() {
  Destroy();
}

void Win32MainWindow::Command(int id) {
  if (behaviour_ == nullptr) return;
  if (resident_ && resident_->core.Command(id)) return;
  if (id == static_cast<int>(MainControl::ShortcutOption)) {
    behaviour_->ShortcutOptionChanged();
    return;
  }
  if (IsModeButton(id)) {
    behaviour_->ModeButtonClicked(id - static_cast<int>(ModeButton(0)));
    return;
  }
  switch (static_cast<MainControl>(id)) {
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
  const int iconSize = picture != nullptr ? Scale().FromDesignPixels(ProgramIconDesignPixels) : 0;
  const int gap = picture != nullptr ? Scale().Pixels(PictureGapTwips) : 0;
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

std::optional<LRESULT> Win32MainWindow::OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TRANSLATE_SHORTCUT:
      return TranslateAcceleratorW(Window(), shortcuts_.get(), reinterpret_cast<MSG*>(lParam));
    case DM_GETDEFID: {
      // Enter in a size box presses "Autre...".
      const HWND focus = GetFocus();
      if (focus != Control(MainControl::WidthBox) && focus != Control(MainControl::HeightBox)) {
        return 0;
      }
      return MAKELRESULT(static_cast<int>(ModeButton(CustomModeIndex)), DC_HASDEFID);
    }
    case WM_AFTER_FIRST_SHOW:
      if (tooltip_ == nullptr) CreateTooltip();
      StartResident();
      return 0;
    case WM_HOTKEY:
      // Registered under the commands' own ids.
      Command(static_cast<int>(wParam));
      return 0;
    case WM_COMMAND: {
      // Every command goes to Command(id), whoever sends it: a control's
      // click names the control in lParam; a keyboard shortcut (code 1) and
      // a menu (code 0) send lParam 0. A menu whose items carry the commands'
      // ids thus needs no line here, and another source (a hot key, say) one
      // line that calls Command(id). The behaviour decides whether a command
      // can act now: one given while a switch finishes waits for it.
      const int id = LOWORD(wParam);
      const WORD code = HIWORD(wParam);
      if (lParam == 0 || code == BN_CLICKED) {
        Command(id);
      } else if (id == static_cast<int>(MainControl::ScreenChooser) && code == CBN_SELCHANGE &&
                 behaviour_ != nullptr) {
        behaviour_->ScreenChosen(
            static_cast<int>(SendMessageW(reinterpret_cast<HWND>(lParam), CB_GETCURSEL, 0, 0)));
      }
      return 0;
    }
    case WM_DISPLAYCHANGE:
      // A switch, ours or another program's, or a screen attached or detached.
      DesktopChanged();
      return 0;
    case WM_TIMER:
      if (wParam != DesktopTimer) return std::nullopt;
      DesktopChanged();
      return 0;
    case WM_NOTIFY: {
      const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
      if (draw.hdr.code == NM_CUSTOMDRAW && draw.dwDrawStage == CDDS_PREPAINT &&
          IsPushButton(Layout().Find(static_cast<int>(draw.hdr.idFrom)))) {
        return DrawButtonContent(draw);
      }
      return CDRF_DODEFAULT;
    }
    default:
      if (!resident_) return std::nullopt;
      switch (resident_->icon.OnMessage(message, wParam, lParam)) {
        case IconEvent::NotTheIcons:
          return std::nullopt;
        case IconEvent::MenuAsked:
          resident_->core.MenuAsked();
          return 0;
        case IconEvent::Handled:
          return 0;
      }
      return std::nullopt;
  }
}

}  // namespace ilvorande
