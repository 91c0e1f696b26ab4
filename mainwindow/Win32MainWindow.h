// The main window and its controls as real Win32 windows, built from the
// layout table.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "mainwindow/MainLayout.h"
#include "mainwindow/MainWindowView.h"
#include "toolkit/Win32Handles.h"

namespace ilvorande {

class Ilvorande;
class ShellPlatform;
class Toolkit;

class Win32MainWindow final : public MainWindowView {
 public:
  // The window's controls exist as values until it first shows: start-up runs
  // against them, and a start that ends at once ("/4F") never pays for the
  // windows. The toolkit and the shell serve the About window.
  static std::unique_ptr<Win32MainWindow> Create(HINSTANCE instance, Toolkit& toolkit,
                                                 ShellPlatform& shell);
  ~Win32MainWindow() override;
  Win32MainWindow(const Win32MainWindow&) = delete;
  Win32MainWindow& operator=(const Win32MainWindow&) = delete;

  // The handlers that the window's events reach.
  void Attach(Ilvorande& form) { form_ = &form; }
  // Creates the real window from the values that start-up left, and shows it
  // in the state start-up asked for.
  bool Show(int showCommand);
  HWND handle() const { return window_; }

  std::string Text(int controlId) override;
  void SetText(int controlId, std::string_view text) override;
  void SetEnabled(int controlId, bool enabled) override;
  int CheckValue(int controlId) override;
  void SetWindowState(WindowState state) override;
  void SetPictureToWindowIcon(int controlId) override;
  void ShowAboutModal() override;
  void Destroy() override;

 private:
  Win32MainWindow(HINSTANCE instance, Toolkit& toolkit, ShellPlatform& shell);
  static LRESULT CALLBACK CheckboxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  template <typename Owner>
  friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attached(HWND window) { window_ = window; }
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  void CreateTooltip();
  void CreateFonts(UINT dpi);
  HFONT FontFor(const ControlLayout& control) const;
  // Fonts, positions and sizes anew, for a window moved to a monitor of another dpi.
  void ApplyDpi(UINT dpi);
  void PlaceControls();
  void FitLabelToText(int controlId);
  void OnCommand(int controlId);
  void DrawButton(const DRAWITEMSTRUCT& item) const;
  int Pixels(int twips) const;

  // A control before the window exists.
  struct ControlValues {
    std::wstring text;
    bool enabled;
    bool checked;
  };

  ControlValues* PendingValues(int controlId);

  HINSTANCE instance_;
  std::wstring className_;
  std::map<int, ControlValues> values_;
  WNDPROC checkboxProc_ = nullptr;
  Toolkit& toolkit_;
  ShellPlatform& shell_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND focus_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  UniqueFont defaultFont_;
  UniqueFont largeFont_;
  bool showsPicture_ = false;
  WindowState state_ = WindowState::Normal;
  Ilvorande* form_ = nullptr;
};

}  // namespace ilvorande
