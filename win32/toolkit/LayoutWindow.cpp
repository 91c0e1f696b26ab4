#include "win32/toolkit/LayoutWindow.h"

#include <utility>

#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

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

}  // namespace

LayoutWindow::LayoutWindow(HINSTANCE instance, const WindowLook& look, const WindowLayout& layout)
    : instance_(instance), look_(look), className_(Utf8ToWide(look.className)), layout_(&layout) {
  for (const auto& control : layout.controls) kept_[control.id] = InitialState(control);
}

LayoutWindow::~LayoutWindow() {
  if (window_ == nullptr) return;
  // The derived window is gone already: no message may reach its hooks.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

ControlState LayoutWindow::InitialState(const ControlLayout& control) const {
  return {Utf8ToWide(control.caption), !control.disabled};
}

bool LayoutWindow::CreateWindowAt(HWND owner, const RECT& frame) {
  if (stage_ != Stage::NotCreated ||
      !RegisterWindowClass(instance_, className_.c_str(), &LayoutWindow::Procedure)) {
    return false;
  }
  CreateWindowExW(look_.exStyle, className_.c_str(), Utf8ToWide(layout_->caption).c_str(),
                  look_.style, frame.left, frame.top, frame.right - frame.left,
                  frame.bottom - frame.top, owner, nullptr, instance_, this);
  return stage_ == Stage::Open;
}

void LayoutWindow::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
}

SIZE LayoutWindow::OuterSize(const DpiScale& scale) const {
  return scale.OuterSize(layout_->clientWidth, layout_->clientHeight, look_.style, look_.exStyle);
}

std::wstring LayoutWindow::ControlText(int id) const {
  if (stage_ == Stage::Open) return layout_->Find(id) != nullptr ? WindowText(Control(id)) : L"";
  const auto found = kept_.find(id);
  return found != kept_.end() ? found->second.text : std::wstring();
}

void LayoutWindow::ChangeControlText(int id, std::wstring_view text) {
  if (stage_ == Stage::Open) {
    if (layout_->Find(id) != nullptr) SetControlText(window_, *layout_, id, text);
  } else if (const auto found = kept_.find(id); found != kept_.end()) {
    found->second.text = text;
  }
}

void LayoutWindow::EnableControl(int id, bool enabled) {
  if (stage_ == Stage::Open) {
    if (layout_->Find(id) != nullptr) EnableWindow(Control(id), enabled ? TRUE : FALSE);
  } else if (const auto found = kept_.find(id); found != kept_.end()) {
    found->second.enabled = enabled;
  }
}

void LayoutWindow::ChangeListItems(int id, std::vector<std::wstring> items, int selected) {
  if (stage_ == Stage::Open) {
    if (layout_->Find(id) != nullptr) SetListItems(Control(id), items, selected);
  } else if (const auto found = kept_.find(id); found != kept_.end()) {
    found->second.items = std::move(items);
    found->second.selected = selected;
  }
}

void LayoutWindow::FocusFirst(int id) {
  focus_.Remember(Control(id));
}

void LayoutWindow::ChangeLayout(const WindowLayout& layout) {
  const WindowLayout& old = *std::exchange(layout_, &layout);
  if (stage_ != Stage::Open) {
    std::map<int, ControlState> kept;
    for (const auto& control : layout.controls) {
      const auto found = kept_.find(control.id);
      kept[control.id] = found != kept_.end() ? found->second : InitialState(control);
    }
    kept_ = std::move(kept);
    return;
  }
  const HWND focus = GetFocus();
  bool focusGone = false;
  bool rememberedGone = false;
  for (const auto& control : old.controls) {
    if (layout.Find(control.id) != nullptr) continue;
    const HWND gone = Control(control.id);
    focusGone = focusGone || gone == focus;
    rememberedGone = focus_.Forget(gone) || rememberedGone;
    DestroyWindow(gone);
  }
  CreateControls(window_, layout, look_.controls, fonts_, scale_,
                 [&](const ControlLayout& control) { return InitialState(control); });
  RescaleControls(window_, layout, scale_, fonts_);
  Resize(OuterSize(scale_));
  // Never left on a control that is no more, now or when the window is
  // active again.
  const HWND first = layout.tabOrder.empty() ? nullptr : Control(layout.tabOrder.front());
  if (rememberedGone) focus_.Remember(first);
  if (focusGone) SetFocus(first);
}

void LayoutWindow::Resize(SIZE outer) {
  // A minimised window's frame is its icon's; the one that it comes back to
  // is its placement's.
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (IsIconic(window_) && GetWindowPlacement(window_, &placement)) {
    RECT& restored = placement.rcNormalPosition;
    restored.right = restored.left + outer.cx;
    restored.bottom = restored.top + outer.cy;
    placement.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(window_, &placement);
    return;
  }
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> LayoutWindow::OwnMessage(UINT, WPARAM, LPARAM) {
  return std::nullopt;
}

LRESULT CALLBACK LayoutWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* owner =
        static_cast<LayoutWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    owner->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<LayoutWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (owner == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return owner->HandleMessage(window, message, wParam, lParam);
}

LRESULT LayoutWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      scale_ = DpiScale::OfWindow(window_);
      fonts_ = MakeFonts(*layout_, scale_);
      CreateControls(window_, *layout_, look_.controls, fonts_, scale_,
                     [&](const ControlLayout& control) { return kept_.at(control.id); });
      kept_.clear();
      stage_ = Stage::Open;
      Created();
      return 0;
    case WM_ACTIVATE:
      focus_.Activated(window_, wParam);
      return 0;
    case WM_SIZE:
      // Restored while active: no activation gives the focus back then.
      if (wParam == SIZE_RESTORED && GetActiveWindow() == window_) focus_.GiveBack(window_);
      return 0;
    case WM_DPICHANGED:
      scale_ = DpiScale(HIWORD(wParam));
      RescaleControls(window_, *layout_, scale_, fonts_);
      ScaleChanged();
      MoveToSuggestedPlace(window_, lParam);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      stage_ = Stage::Destroyed;
      Destroyed();
      return 0;
    default:
      break;
  }
  if (const auto answer = OwnMessage(message, wParam, lParam)) return *answer;
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace ilvorande
