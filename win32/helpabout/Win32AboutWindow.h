// The About window as a real Win32 window, shown modally over the main window.
#pragma once

#include <windows.h>

#include <optional>

#include "core/helpabout/AboutBehaviour.h"
#include "win32/toolkit/LayoutWindow.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

class Win32AboutWindow final : public LayoutWindow, public AboutView {
 public:
  // Creates, loads and shows the window; returns once it has closed.
  static void ShowModal(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell);

  void ShowProgramIcon() override;
  void SetText(AboutControl control, std::string_view text) override;
  void Close() override;
  WindowHandle Handle() override { return reinterpret_cast<WindowHandle>(Window()); }

 private:
  Win32AboutWindow(HINSTANCE instance, HWND owner, Toolkit& toolkit, Shell& shell);
  void CentreOnOwner();
  HCURSOR PointerFor(HWND control) const;
  // The colours follow the user's high-contrast setting, also while open.
  void FollowSystemColours();

  void Created() override;
  void ScaleChanged() override;
  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND owner_;
  AboutBehaviour behaviour_;
  UniqueIcon programIcon_;
  UniqueIcon webPointer_, mailPointer_;
  bool highContrast_ = false;
};

}  // namespace ilvorande
