// A window of the program under test, seen from the test process: every
// query goes through messages or window-manager calls that work across
// processes (the program's memory and GDI handles are out of reach).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ilvorande::e2e {

class Window {
 public:
  Window() = default;
  explicit Window(HWND handle) : handle_(handle) {}

  HWND Handle() const { return handle_; }
  bool Exists() const;
  DWORD ProcessId() const;
  std::wstring ClassName() const;
  bool HasClass(std::wstring_view name) const;  // case-insensitive
  int Id() const;
  LONG_PTR Style() const;
  LONG_PTR ExStyle() const;
  bool IsVisible() const;
  bool IsEnabled() const;
  bool IsMinimised() const;
  UINT Dpi() const;

  // WM_GETTEXT / WM_SETTEXT, so an edit's own buffer is read and written.
  std::wstring Text() const;
  bool SetText(std::wstring_view text) const;

  RECT ScreenRect() const;
  SIZE ClientSize() const;
  POINT ClientOriginOnScreen() const;
  RECT ClientRectOnScreen() const;
  // Position and size relative to the parent's client area, in pixels.
  RECT RectInParent() const;

  Window Child(int id) const;
  // Direct children, in z-order (which is also the tab order).
  std::vector<Window> Children() const;

  // Buttons and checkboxes.
  int CheckState() const;  // BST_UNCHECKED, BST_CHECKED, BST_INDETERMINATE; -1 if no answer
  bool IsChecked() const { return CheckState() == BST_CHECKED; }
  bool Click() const;  // posts BM_CLICK
  // A real click at the centre through the input queue, as a user's mouse
  // would do it (mouse-up handlers see it); the window must be on top.
  bool MouseClick(DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) const;

  bool Post(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;
  std::optional<LRESULT> Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) const;
  // The close box: WM_SYSCOMMAND SC_CLOSE, posted.
  bool PostClose() const;

 private:
  HWND handle_ = nullptr;
};

}  // namespace ilvorande::e2e
