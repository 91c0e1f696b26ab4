// The About window as a real Win32 window, shown modally over the main window.
#pragma once

#include <windows.h>

#include "helpabout/About.h"
#include "helpabout/AboutView.h"
#include "toolkit/Win32Handles.h"

namespace ilvorande {

class Win32AboutWindow final : public AboutView {
 public:
  // Creates, loads and shows the window; returns once it has been unloaded.
  static void ShowModal(HINSTANCE instance, HWND owner, HICON mainIcon, Toolkit& toolkit,
                        ShellPlatform& shell);

  Win32AboutWindow(const Win32AboutWindow&) = delete;
  Win32AboutWindow& operator=(const Win32AboutWindow&) = delete;
  ~Win32AboutWindow() override;

  void SetIconToMainWindowIcon() override;
  void SetImage1ToMainWindowIcon() override;
  void SetText(int controlId, std::string_view text) override;
  void Unload() override;
  std::uintptr_t Handle() override { return reinterpret_cast<std::uintptr_t>(window_); }

 private:
  Win32AboutWindow(HINSTANCE instance, HWND owner, HICON mainIcon, Toolkit& toolkit,
                   ShellPlatform& shell);
  bool CreateAndLoad();
  void CreateControls();
  void CreateFonts();
  void Centre();
  int Pixels(int twips) const;
  HFONT FontFor(int controlId) const;
  COLORREF ColourFor(int controlId) const;
  HCURSOR PointerFor(HWND control) const;
  void OnCommand(int controlId);

  template <typename Owner>
  friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM);
  void Attached(HWND window) { window_ = window; }
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HWND owner_;
  HICON mainIcon_;
  HWND window_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  About about_;
  UniqueFont defaultFont_, titleFont_, versionFont_, webFont_, statementFont_, mailFont_;
  UniqueIcon linkPointer_, mailPointer_;
};

}  // namespace ilvorande
