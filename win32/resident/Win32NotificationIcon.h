// The program's icon in the notification area and its menu, shown through
// the shell (shell32, loaded on first use).
#pragma once

#include <windows.h>

#include <string>

#include "core/resident/NotificationArea.h"
#include "win32/toolkit/ScopedWin.h"

namespace ilvorande {

enum class IconEvent { NotTheIcons, Handled, MenuAsked };

class Win32NotificationIcon final : public NotificationArea {
 public:
  // The icon's events reach the owner as callbackMessage; its menu's
  // commands as WM_COMMAND with the item's id and lParam 0.
  Win32NotificationIcon(HWND owner, HINSTANCE instance, UINT callbackMessage);
  Win32NotificationIcon(const Win32NotificationIcon&) = delete;
  Win32NotificationIcon& operator=(const Win32NotificationIcon&) = delete;
  ~Win32NotificationIcon() override { Remove(); }

  void Show(std::string_view tip) override;
  void Remove() override;
  void OpenMenu(const std::vector<MenuEntry>& entries) override;

  // For the owner's window procedure: the icon's own events, and the
  // shell's restart ("TaskbarCreated"), after which the icon is added again.
  IconEvent OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The owner's dpi, at first and after each change: the icon takes the
  // system's small-icon size for it.
  void SetDpi(UINT dpi);

 private:
  bool Notify(DWORD action, UINT flags);
  void Add();

  HWND owner_;
  HINSTANCE instance_;
  UINT callbackMessage_;
  UINT shellRestarted_;
  UINT dpi_;
  UniqueIcon icon_;
  std::wstring tip_;
  // Asked for by Show and not removed since; added: the shell has it.
  bool wanted_ = false;
  bool added_ = false;
  // Where the user last clicked the icon or pressed a key on it.
  POINT anchor_{};
  // From the menu's making to its end, reopenings included.
  bool menuOpen_ = false;
  // The program lost the foreground while its menu was open.
  bool menuLeft_ = false;
};

}  // namespace ilvorande
