// The About window as a real Win32 window, shown modally over the main window.
#pragma once

#include <windows.h>

#include <vector>

#include "core/helpabout/AboutBehaviour.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/FocusMemory.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

class Win32AboutWindow final : public AboutView {
 public:
  // Creates, loads and shows the window; returns once it has closed.
  static void ShowModal(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell);

  Win32AboutWindow(const Win32AboutWindow&) = delete;
  Win32AboutWindow& operator=(const Win32AboutWindow&) = delete;
  ~Win32AboutWindow() override;

  void ShowProgramIcon() override;
  void SetText(AboutControl control, std::string_view text) override;
  void Close() override;
  WindowHandle Handle() override { return reinterpret_cast<WindowHandle>(window_); }

 private:
  Win32AboutWindow(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell);
  bool CreateAndLoad();
  void Centre();
  HCURSOR PointerFor(HWND control) const;
  void ApplyDpi(UINT dpi);
  // The colours follow the user's high-contrast setting, also while open.
  void FollowSystemColours();

  template <typename Owner>
  friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attached(HWND window) { window_ = window; }
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HWND owner_;
  HWND window_ = nullptr;
  DpiScale scale_;
  AboutBehaviour behaviour_;
  std::vector<UniqueFont> fonts_;
  UniqueIcon programIcon_;
  UniqueIcon webPointer_, mailPointer_;
  FocusMemory focus_;
  bool highContrast_ = false;
};

}  // namespace ilvorande
