#include "mainwindow/Win32MainWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>

#include "helpabout/Win32AboutWindow.h"
#include "mainwindow/Ilvorande.h"
#include "mainwindow/MainLayout.h"
#include "resources/ResourceIds.h"
#include "toolkit/Win32Dpi.h"
#include "toolkit/Win32Library.h"
#include "toolkit/Win32Text.h"
#include "toolkit/Win32WindowProc.h"

namespace ilvorande {

namespace {

constexpr DWORD MainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD MainExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
constexpr int DefaultFontCentipoints = 825;
constexpr int LargeFontCentipoints = 1350;
constexpr wchar_t DefaultFontFace[] = L"MS Sans Serif";
// Wide enough for the tooltip's sentence to wrap into a few lines.
constexpr int TooltipWidthTwips = 4500;
// Room between the picture and the caption of the "Quitter" button.
constexpr int PictureGapTwips = 45;
constexpr UINT WM_CREATE_TOOLTIP = WM_APP + 1;

const ControlLayout* LayoutOf(int controlId) {
  for (const auto& control : MainControls) {
    if (control.id == controlId) return &control;
  }
  return nullptr;
}

// The table in tab order: creation order is the order that Tab follows.
std::array<const ControlLayout*, MainControls.size()> ControlsInTabOrder() {
  std::array<const ControlLayout*, MainControls.size()> ordered{};
  std::transform(MainControls.begin(), MainControls.end(), ordered.begin(),
                 [](const ControlLayout& control) { return &control; });
  std::sort(ordered.begin(), ordered.end(),
            [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  return ordered;
}

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind KindOf(const ControlLayout& control) {
  constexpr DWORD Child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  // A caption too long for the box wraps onto a second line.
  constexpr DWORD Wrapping = BS_MULTILINE;
  switch (control.kind) {
    case ControlKind::Button:
      return {L"BUTTON", Child | WS_TABSTOP | BS_OWNERDRAW, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", Child | WS_TABSTOP | BS_AUTOCHECKBOX | Wrapping, 0};
    case ControlKind::Edit:
      return {L"EDIT", Child | WS_TABSTOP | ES_AUTOHSCROLL | (control.centred ? ES_CENTER : 0),
              WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {L"STATIC", Child | SS_LEFT | SS_NOPREFIX, 0};
  }
  return {L"STATIC", Child, 0};
}

UniqueIcon LoadProgramIcon(HINSTANCE instance, int metricX, int metricY) {
  return UniqueIcon(
      static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_ILVORANDE), IMAGE_ICON,
                                    GetSystemMetrics(metricX), GetSystemMetrics(metricY), 0)));
}

UniqueFont MakeFont(int centipoints, UINT dpi) {
  return UniqueFont(CreateFontW(FontHeight(centipoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                                FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, DefaultFontFace));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

std::unique_ptr<Win32MainWindow> Win32MainWindow::Create(HINSTANCE instance, Toolkit& toolkit,
                                                         ShellPlatform& shell) {
  std::unique_ptr<Win32MainWindow> self(new Win32MainWindow(instance, toolkit, shell));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = OwnedWindowProc<Win32MainWindow>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = self->className_.c_str();
  if (RegisterClassExW(&windowClass) == 0) return nullptr;
  return self;
}

Win32MainWindow::Win32MainWindow(HINSTANCE instance, Toolkit& toolkit, ShellPlatform& shell)
    : instance_(instance),
      className_(Utf8ToWide(MainWindowClassName)),
      toolkit_(toolkit),
      shell_(shell) {
  for (const auto& control : MainControls) {
    values_[control.id] = {Utf8ToWide(control.caption), !control.initiallyDisabled, false};
  }
}

Win32MainWindow::~Win32MainWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

int Win32MainWindow::Pixels(int twips) const {
  return TwipsToPixels(twips, static_cast<int>(dpi_));
}

void Win32MainWindow::CreateControls() {
  for (const ControlLayout* control : ControlsInTabOrder()) {
    const WindowKind kind = KindOf(*control);
    const ControlValues& values = values_.at(control->id);
    const HWND child = CreateWindowExW(
        kind.exStyle, kind.className, values.text.c_str(), kind.style, Pixels(control->left),
        Pixels(control->top), Pixels(control->width), Pixels(control->height), window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), instance_, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*control)), FALSE);
    if (!values.enabled) EnableWindow(child, FALSE);
    if (values.checked) SendMessageW(child, BM_SETCHECK, BST_CHECKED, 0);
    if (control->autoSize) FitLabelToText(control->id);
  }
  values_.clear();
  const HWND checkbox = GetDlgItem(window_, IdCheck1);
  SetWindowLongPtrW(checkbox, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  checkboxProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(checkbox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CheckboxProc)));
}

void Win32MainWindow::CreateTooltip() {
  using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = SystemFunction<InitFunction>(L"comctl32.dll", "InitCommonControlsEx");
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  if (init == nullptr || !init(&classes)) return;
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                             nullptr, instance_, nullptr);
  std::wstring text = Utf8ToWide(Check1Tooltip);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(window_, IdCheck1));
  tool.lpszText = text.data();
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Pixels(TooltipWidthTwips));
}

void Win32MainWindow::CreateFonts(UINT dpi) {
  dpi_ = dpi;
  defaultFont_ = MakeFont(DefaultFontCentipoints, dpi);
  largeFont_ = MakeFont(LargeFontCentipoints, dpi);
}

HFONT Win32MainWindow::FontFor(const ControlLayout& control) const {
  return control.font == FontChoice::Large ? largeFont_.get() : defaultFont_.get();
}

void Win32MainWindow::ApplyDpi(UINT dpi) {
  CreateFonts(dpi);
  for (const auto& control : MainControls) {
    SendMessageW(GetDlgItem(window_, control.id), WM_SETFONT,
                 reinterpret_cast<WPARAM>(FontFor(control)), FALSE);
  }
  if (tooltip_ != nullptr) SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, Pixels(TooltipWidthTwips));
  PlaceControls();
}

void Win32MainWindow::PlaceControls() {
  for (const auto& control : MainControls) {
    MoveWindow(GetDlgItem(window_, control.id), Pixels(control.left), Pixels(control.top),
               Pixels(control.width), Pixels(control.height), TRUE);
    if (control.autoSize) FitLabelToText(control.id);
  }
}

// A self-sizing label grows to the right from its left edge to fit its caption.
void Win32MainWindow::FitLabelToText(int controlId) {
  const ControlLayout* layout = LayoutOf(controlId);
  const HWND label = GetDlgItem(window_, controlId);
  const std::wstring text = WindowText(label);
  if (layout == nullptr || text.empty()) return;
  const WindowDC dc(label);
  const SelectedObject font(dc.get(),
                            reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)));
  SIZE extent{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  SetWindowPos(label, nullptr, 0, 0, extent.cx, std::max<LONG>(extent.cy, Pixels(layout->height)),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label, nullptr, TRUE);
}

// Centred on the screen, at the size that the dpi asks for.
static RECT CentredFrame(UINT dpi) {
  const SIZE outer = OuterSizeForClient(TwipsToPixels(MainClientWidthTwips, static_cast<int>(dpi)),
                                        TwipsToPixels(MainClientHeightTwips, static_cast<int>(dpi)),
                                        MainStyle, MainExStyle, dpi);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  return {left, top, left + outer.cx, top + outer.cy};
}

bool Win32MainWindow::Show(int showCommand) {
  // Created where it will show: moving it afterwards costs a round trip to
  // the window system.
  const UINT systemDpi = WindowDpi(nullptr);
  const RECT frame = CentredFrame(systemDpi);
  CreateWindowExW(MainExStyle, className_.c_str(), Utf8ToWide(MainWindowCaption).c_str(), MainStyle,
                  frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                  nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return false;
  if (dpi_ != systemDpi) {
    // On a monitor of its own dpi.
    const RECT scaled = CentredFrame(dpi_);
    SetWindowPos(window_, nullptr, scaled.left, scaled.top, scaled.right - scaled.left,
                 scaled.bottom - scaled.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ShowWindow(window_, state_ == WindowState::Minimized ? SW_SHOWMINIMIZED : showCommand);
  UpdateWindow(window_);
  // Nobody hovers before the window is there: the tooltip, and the common
  // controls library behind it, can wait until it has shown.
  PostMessageW(window_, WM_CREATE_TOOLTIP, 0, 0);
  return true;
}

// The values of a window not created yet; none once it is gone, when a
// handler still running (its switch let the close through) changes nothing.
Win32MainWindow::ControlValues* Win32MainWindow::PendingValues(int controlId) {
  const auto found = values_.find(controlId);
  return found != values_.end() ? &found->second : nullptr;
}

std::string Win32MainWindow::Text(int controlId) {
  if (window_ == nullptr) {
    const ControlValues* values = PendingValues(controlId);
    return values != nullptr ? WideToUtf8(values->text) : std::string();
  }
  return WideToUtf8(WindowText(GetDlgItem(window_, controlId)));
}

void Win32MainWindow::SetText(int controlId, std::string_view text) {
  if (window_ == nullptr) {
    if (ControlValues* values = PendingValues(controlId)) values->text = Utf8ToWide(text);
    return;
  }
  SetWindowTextW(GetDlgItem(window_, controlId), Utf8ToWide(text).c_str());
  if (const ControlLayout* layout = LayoutOf(controlId); layout != nullptr && layout->autoSize) {
    FitLabelToText(controlId);
  }
}

void Win32MainWindow::SetEnabled(int controlId, bool enabled) {
  if (window_ == nullptr) {
    if (ControlValues* values = PendingValues(controlId)) values->enabled = enabled;
    return;
  }
  EnableWindow(GetDlgItem(window_, controlId), enabled ? TRUE : FALSE);
}

int Win32MainWindow::CheckValue(int controlId) {
  if (window_ == nullptr) {
    const ControlValues* values = PendingValues(controlId);
    return values != nullptr && values->checked ? 1 : 0;
  }
  return SendMessageW(GetDlgItem(window_, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void Win32MainWindow::SetWindowState(WindowState state) {
  state_ = state;
  if (IsWindowVisible(window_)) {
    ShowWindow(window_, state == WindowState::Minimized ? SW_MINIMIZE : SW_RESTORE);
  }
}

void Win32MainWindow::SetPictureToWindowIcon(int controlId) {
  showsPicture_ = true;
  if (window_ != nullptr) InvalidateRect(GetDlgItem(window_, controlId), nullptr, TRUE);
}

void Win32MainWindow::ShowAboutModal() {
  if (window_ == nullptr) return;
  Win32AboutWindow::ShowModal(instance_, window_, bigIcon_.get(), toolkit_, shell_);
}

void Win32MainWindow::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void Win32MainWindow::OnCommand(int controlId) {
  if (form_ == nullptr) return;
  if (controlId >= ChangeId(0) && controlId < ChangeId(ChangeButtonCount)) {
    form_->Change_Click(static_cast<std::int16_t>(controlId - ChangeIdBase));
    return;
  }
  switch (controlId) {
    case IdCommand1:
      form_->Command1_Click();
      break;
    case IdCommand2:
      form_->Command2_Click();
      break;
    case IdCommand3:
      form_->Command3_Click();
      break;
    case IdCommand5:
      form_->Command5_Click();
      break;
    default:
      break;
  }
}

// Buttons are drawn here so that every system wraps a long caption the same
// way, at word boundaries across the whole width, and so that "Quitter" can
// show its picture centred above the caption.
void Win32MainWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
  RECT frame = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int shift = pushed ? 1 : 0;
  const int margin = GetSystemMetrics(SM_CXEDGE) + 1;

  const std::wstring caption = WindowText(item.hwndItem);
  const int length = static_cast<int>(caption.size());
  constexpr UINT TextFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
  const SelectedObject font(item.hDC, defaultFont_.get());
  RECT textRect{frame.left + margin, 0, frame.right - margin, 0};
  DrawTextW(item.hDC, caption.c_str(), length, &textRect, TextFormat | DT_CALCRECT);
  const int textWidth = frame.right - frame.left - 2 * margin;
  const int textHeight = textRect.bottom - textRect.top;

  const bool hasPicture = showsPicture_ && item.CtlID == IdCommand3 && bigIcon_ != nullptr;
  const int iconSize = hasPicture ? MulDiv(32, static_cast<int>(dpi_), 96) : 0;
  const int gap = hasPicture ? Pixels(PictureGapTwips) : 0;
  const int top = frame.top + (frame.bottom - frame.top - iconSize - gap - textHeight) / 2 + shift;
  if (hasPicture) {
    const int left = frame.left + (frame.right - frame.left - iconSize) / 2 + shift;
    DrawIconEx(item.hDC, left, top, bigIcon_.get(), iconSize, iconSize, 0, nullptr, DI_NORMAL);
  }

  SetBkMode(item.hDC, TRANSPARENT);
  const auto drawText = [&](int offset, int colour) {
    RECT at{frame.left + margin + shift + offset, top + iconSize + gap + offset,
            frame.left + margin + shift + offset + textWidth,
            top + iconSize + gap + offset + textHeight};
    SetTextColor(item.hDC, GetSysColor(colour));
    DrawTextW(item.hDC, caption.c_str(), length, &at, TextFormat);
  };
  // Disabled captions are embossed, as the system draws them.
  if (disabled) drawText(1, COLOR_3DHILIGHT);
  drawText(0, disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);

  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    RECT focus = frame;
    InflateRect(&focus, -margin - 1, -margin - 1);
    DrawFocusRect(item.hDC, &focus);
  }
}

// The release of any mouse button over the checkbox, seen after the button
// itself has changed its state on that release.
LRESULT CALLBACK Win32MainWindow::CheckboxProc(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const LRESULT result = CallWindowProcW(self->checkboxProc_, window, message, wParam, lParam);
  if (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) {
    if (self->form_ != nullptr) self->form_->Check1_MouseUp();
  }
  return result;
}

LRESULT Win32MainWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      bigIcon_ = LoadProgramIcon(instance_, SM_CXICON, SM_CYICON);
      smallIcon_ = LoadProgramIcon(instance_, SM_CXSMICON, SM_CYSMICON);
      SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
      SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
      CreateFonts(WindowDpi(window_));
      CreateControls();
      focus_ = GetDlgItem(window_, ChangeId(0));
      return 0;
    case WM_CREATE_TOOLTIP:
      if (tooltip_ == nullptr) CreateTooltip();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) OnCommand(LOWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ACTIVATE:
      // Keep the focus where the user left it across activations.
      if (LOWORD(wParam) == WA_INACTIVE) {
        if (const HWND focus = GetFocus(); focus != nullptr && IsChild(window_, focus))
          focus_ = focus;
      } else if (focus_ != nullptr && IsWindowEnabled(focus_)) {
        SetFocus(focus_);
      }
      return 0;
    case WM_DPICHANGED: {
      ApplyDpi(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_CLOSE:
      if (form_ != nullptr) {
        form_->Unload();
      } else {
        DestroyWindow(window_);
      }
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
