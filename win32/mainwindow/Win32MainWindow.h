// The main window and its controls as real Win32 windows, built from the
// main window's layout.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

#include "core/mainwindow/MainWindowView.h"
#include "win32/toolkit/LayoutWindow.h"
#include "win32/toolkit/ScopedWin.h"
#include "win32/toolkit/WindowShow.h"

namespace ilvorande {

class MainWindowBehaviour;
class Shell;
class Toolkit;

class Win32MainWindow final : public LayoutWindow, public MainWindowView {
 public:
  // The controls exist as values until the window first shows: start-up runs
  // against them, and a start that ends at once ("/4F") never pays for the
  // windows. The toolkit and the shell serve the About window.
  Win32MainWindow(HINSTANCE instance, Toolkit& toolkit, Shell& shell);
  ~Win32MainWindow() override;

  // Where the window's events go.
  void Attach(MainWindowBehaviour& behaviour) { behaviour_ = &behaviour; }
  // Creates the real window from the values that start-up left, and shows it
  // in the state start-up asked for, else as the process was started.
  bool Show(int startShowCommand);

  std::string Text(MainControl control) override;
  void SetText(MainControl control, std::string_view text) override;
  void Enable(MainControl control) override;
  void Disable(MainControl control) override;
  void ShowScreenChooser(const std::vector<std::string>& entries, int chosen) override;
  void HideScreenChooser() override;
  bool MakesShortcuts() override;
  void SetMinimized(bool minimized) override;
  void ShowNormalInFront() override;
  void ShowProgramIconOnQuitButton() override;
  void ShowAboutModal() override;
  void Close() override;

 private:
  HWND Control(MainControl control) const {
    return LayoutWindow::Control(static_cast<int>(control));
  }
  void Created() override;
  void ScaleChanged() override;
  void Destroyed() override;
  std::optional<LRESULT> OwnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  void CreateTooltip();
  // The icon in the notification area, the keys that work anywhere and the
  // jump list, once the window has shown.
  void StartResident();
  // What the command of that id does, whoever gives it: a control's click,
  // a keyboard shortcut or a menu item (OwnMessage's WM_COMMAND), or any
  // other source that calls it (a hot key registered under the command's id,
  // say). A command that differs from its control's (a preset chosen from a
  // menu, which never writes a link) takes an id of its own and a case here.
  void Command(int id);
  // A screen attached, detached or switched, perhaps.
  void DesktopChanged();
  LRESULT DrawButtonContent(const NMCUSTOMDRAW& draw) const;

  Toolkit& toolkit_;
  Shell& shell_;
  MainWindowBehaviour* behaviour_ = nullptr;
  // Made after the first show: start-up never pays for it.
  struct ResidentParts;
  std::unique_ptr<ResidentParts> resident_;
  HWND tooltip_ = nullptr;
  UniqueAccelerators shortcuts_;
  UniqueIcon icon_;
  bool quitShowsIcon_ = false;
  ShowRequest showRequest_ = ShowRequest::AsStarted;
};

}  // namespace ilvorande
