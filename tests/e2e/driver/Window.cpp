#include "driver/Window.h"

#include "driver/Input.h"

namespace ilvorande::e2e {

namespace {

// Long enough for a busy program, short enough to fail a test, not hang it.
constexpr UINT kSendTimeoutMs = 5000;

}  // namespace

bool Window::Exists() const {
  return handle_ != nullptr && IsWindow(handle_);
}

DWORD Window::ProcessId() const {
  DWORD pid = 0;
  GetWindowThreadProcessId(handle_, &pid);
  return pid;
}

std::wstring Window::ClassName() const {
  wchar_t name[256] = {};
  const int n = GetClassNameW(handle_, name, 256);
  return std::wstring(name, n > 0 ? static_cast<size_t>(n) : 0);
}

bool Window::HasClass(std::wstring_view name) const {
  return _wcsicmp(ClassName().c_str(), std::wstring(name).c_str()) == 0;
}

int Window::Id() const {
  return GetDlgCtrlID(handle_);
}
LONG_PTR Window::Style() const {
  return GetWindowLongPtrW(handle_, GWL_STYLE);
}
LONG_PTR Window::ExStyle() const {
  return GetWindowLongPtrW(handle_, GWL_EXSTYLE);
}
bool Window::IsVisible() const {
  return IsWindowVisible(handle_) != FALSE;
}
bool Window::IsEnabled() const {
  return IsWindowEnabled(handle_) != FALSE;
}
bool Window::IsMinimised() const {
  return IsIconic(handle_) != FALSE;
}

UINT Window::Dpi() const {
  if (const UINT dpi = GetDpiForWindow(handle_); dpi != 0) return dpi;
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

std::wstring Window::Text() const {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(handle_, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &length))
    return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(handle_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &copied))
    return {};
  text.resize(copied < text.size() ? copied : text.size() - 1);
  return text;
}

bool Window::SetText(std::wstring_view text) const {
  const std::wstring copy(text);
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(handle_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str()),
                             SMTO_ABORTIFHUNG, kSendTimeoutMs, &result) &&
         result != FALSE;
}

RECT Window::ScreenRect() const {
  RECT rect{};
  GetWindowRect(handle_, &rect);
  return rect;
}

SIZE Window::ClientSize() const {
  RECT rect{};
  GetClientRect(handle_, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT Window::ClientOriginOnScreen() const {
  POINT origin{0, 0};
  ClientToScreen(handle_, &origin);
  return origin;
}

RECT Window::ClientRectOnScreen() const {
  const POINT origin = ClientOriginOnScreen();
  const SIZE size = ClientSize();
  return {origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
}

RECT Window::RectInParent() const {
  RECT rect = ScreenRect();
  MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

Window Window::Child(int id) const {
  return Window(GetDlgItem(handle_, id));
}

std::vector<Window> Window::Children() const {
  std::vector<Window> children;
  for (HWND child = GetWindow(handle_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    children.emplace_back(child);
  return children;
}

int Window::CheckState() const {
  const auto state = Send(BM_GETCHECK);
  return state ? static_cast<int>(*state) : -1;
}

bool Window::Click() const {
  return Post(BM_CLICK);
}

bool Window::MouseClick(DWORD down, DWORD up) const {
  const RECT rect = ScreenRect();
  return ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, down, up);
}

bool Window::Post(UINT message, WPARAM wparam, LPARAM lparam) const {
  return PostMessageW(handle_, message, wparam, lparam) != FALSE;
}

std::optional<LRESULT> Window::Send(UINT message, WPARAM wparam, LPARAM lparam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(handle_, message, wparam, lparam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                           &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

bool Window::PostClose() const {
  return Post(WM_SYSCOMMAND, SC_CLOSE);
}

}  // namespace ilvorande::e2e
