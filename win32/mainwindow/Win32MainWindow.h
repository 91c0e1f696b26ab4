// The main window and its controls as real Win32 windows, built from the
// main window's layout.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/mainwindow/MainWindowView.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/FocusMemory.h"
#include "win32/toolkit/LayoutControls.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

class MainWindowBehaviour;
class Shell;
class Toolkit;

class Win32MainWindow final : public MainWindowView {
 public:
  // The controls exist as values until the window first shows: start-up runs
  // against them, and a start that ends at once ("/4F") never pays for the
  // windows. The toolkit and the shell serve the About window.
  static std::unique_ptr<Win32MainWindow> Create(HINSTANCE instance, Toolkit& toolkit,
                                                 Shell& shell);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // Where the window's events go.
  void Attach(MainWindowBehaviour& behaviour) { behaviour_ = &behaviour; }
  // Creates the real window from the values that start-up left, and shows it
  // in the state start-up asked for.
  bool Show(int showCommand);

  std::string Text(MainControl control) override;
  void SetText(MainControl control, std::string_view text) override;
  void Enable(MainControl control) override;
  void Disable(MainControl control) override;
  void ShowScreenChooser(const std::vector<std::string>& entries, int chosen) override;
  void HideScreenChooser() override;
  bool MakesShortcuts() override;
  void SetMinimized(bool minimized) override;
  void ShowProgramIconOnQuitButton() override;
  void ShowAboutModal() override;
  void Close() override;

 private:
  Win32MainWindow(HINSTANCE instance, Toolkit& toolkit, Shell& shell);
  template <typename Owner>
  friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attached(HWND window) { window_ = window; }
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND Control(MainControl control) const;
  void CreateControls();
  void CreateTooltip();
  // Fonts, places and sizes anew, for a window moved to a monitor of another dpi.
  void ApplyDpi(UINT dpi);
  // The icons at the window's scale, in its title bar too.
  void LoadIcons();
  void OnCommand(int controlId);
  // Shows the window normal, also when the process was started minimised.
  void ShowNormal();
  LRESULT DrawButtonContent(const NMCUSTOMDRAW& draw) const;

  HINSTANCE instance_;
  Toolkit& toolkit_;
  Shell& shell_;
  MainWindowBehaviour* behaviour_ = nullptr;
  // The controls before the window exists.
  std::map<int, ControlState> pending_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  FocusMemory focus_;
  UniqueAccelerators shortcuts_;
  DpiScale scale_;
  std::vector<UniqueFont> fonts_;
  UniqueIcon icon_;
  bool quitShowsIcon_ = false;
  // Nothing: as the process was started.
  std::optional<bool> minimized_;
};

}  // namespace ilvorande
