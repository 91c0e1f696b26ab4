#include "win32/resident/Win32NotificationIcon.h"

#include <windowsx.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <utility>

#include "resources/ResourceIds.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/Win32Library.h"
#include "win32/toolkit/Win32Text.h"

namespace ilvorande {

namespace {

// The program has one icon there.
constexpr UINT IconId = 1;

struct MenuDestroyer {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

// The program's icon at the system's small-icon size for that dpi.
UniqueIcon SmallProgramIcon(HINSTANCE instance, UINT dpi) {
  using ForDpi = int(WINAPI*)(int, UINT);
  // Windows 10 1607 and later; before, the system's one scale.
  static const auto metricsForDpi = SystemFunction<ForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
  const int size =
      metricsForDpi != nullptr ? metricsForDpi(SM_CXSMICON, dpi) : GetSystemMetrics(SM_CXSMICON);
  return UniqueIcon(static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_ILVORANDE), IMAGE_ICON, size, size, 0)));
}

}  // namespace

Win32NotificationIcon::Win32NotificationIcon(HWND owner, HINSTANCE instance, UINT callbackMessage)
    : owner_(owner),
      instance_(instance),
      callbackMessage_(callbackMessage),
      shellRestarted_(RegisterWindowMessageW(L"TaskbarCreated")),
      dpi_(DpiScale::OfWindow(owner).Dpi()) {}

void Win32NotificationIcon::SetDpi(UINT dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  if (!icon_) return;
  // The shell holds the previous icon until it has the new one.
  const UniqueIcon previous = std::exchange(icon_, SmallProgramIcon(instance_, dpi_));
  if (added_) Notify(NIM_MODIFY, NIF_ICON);
}

void Win32NotificationIcon::Show(std::string_view tip) {
  tip_ = Utf8ToWide(tip);
  wanted_ = true;
  if (added_) {
    Notify(NIM_MODIFY, NIF_TIP | NIF_SHOWTIP);
  } else {
    Add();
  }
}

void Win32NotificationIcon::Add() {
  if (!icon_) icon_ = SmallProgramIcon(instance_, dpi_);
  // Without a shell yet (a start with Windows) the add fails; "TaskbarCreated"
  // brings it once the shell is there.
  added_ =
      Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP) && Notify(NIM_SETVERSION, 0);
}

void Win32NotificationIcon::Remove() {
  wanted_ = false;
  if (added_) Notify(NIM_DELETE, 0);
  added_ = false;
}

bool Win32NotificationIcon::Notify(DWORD action, UINT flags) {
  static const auto notify =
      SystemFunction<decltype(&::Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
  if (notify == nullptr) return false;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = owner_;
  data.uID = IconId;
  data.uFlags = flags;
  data.uCallbackMessage = callbackMessage_;
  data.hIcon = icon_.get();
  // The core keeps the tip within the field; the copy still ends in its terminator.
  tip_.copy(data.szTip, std::min(tip_.size(), std::size(data.szTip) - 1));
  data.uVersion = NOTIFYICON_VERSION_4;
  return notify(action, &data) != FALSE;
}

IconEvent Win32NotificationIcon::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == shellRestarted_ && shellRestarted_ != 0) {
    added_ = false;
    if (wanted_) Add();
    return IconEvent::Handled;
  }
  if (message == WM_ACTIVATEAPP && wParam == FALSE && menuOpen_) menuLeft_ = true;
  if (message != callbackMessage_) return IconEvent::NotTheIcons;
  switch (LOWORD(lParam)) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
    case WM_CONTEXTMENU:
      // With NOTIFYICON_VERSION_4, wParam is where the system places the menu.
      anchor_ = {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
      return IconEvent::MenuAsked;
    default:
      return IconEvent::Handled;
  }
}

void Win32NotificationIcon::OpenMenu(const std::vector<MenuEntry>& entries) {
  // The icon's events still arrive while the menu is open or opening (a
  // double click): that menu stays, with the program in front for it again,
  // as the second click gave the foreground to the notification area.
  if (menuOpen_) {
    SetForegroundWindow(owner_);
    return;
  }
  const UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  menuOpen_ = true;
  const struct MenuClosed {
    bool& open;
    ~MenuClosed() { open = false; }
  } closed{menuOpen_};
  UINT position = 0;
  for (const MenuEntry& entry : entries) {
    const std::wstring text = Utf8ToWide(entry.text);
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    item.fType = entry.kind == MenuEntryKind::Separator   ? MFT_SEPARATOR
                 : entry.kind == MenuEntryKind::RadioItem ? MFT_STRING | MFT_RADIOCHECK
                                                          : MFT_STRING;
    item.fState = (entry.checked ? MFS_CHECKED : 0u) | (entry.enabled ? 0u : MFS_DISABLED) |
                  (entry.isDefault ? MFS_DEFAULT : 0u);
    item.wID = static_cast<UINT>(ResidentCommandId(entry.command).value_or(0));
    if (entry.kind != MenuEntryKind::Separator) {
      item.dwTypeData = const_cast<wchar_t*>(text.c_str());
    } else {
      item.fMask &= ~static_cast<UINT>(MIIM_STRING);
    }
    InsertMenuItemW(menu.get(), position++, TRUE, &item);
  }
  const UINT alignment =
      GetSystemMetrics(SM_MENUDROPALIGNMENT) != 0 ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  // Under Wine the focus that the click gave the notification area may reach
  // this program only after the menu opened: the program loses the
  // foreground a moment, which closes the menu at once. A menu closed by the
  // foreground's leaving within a double-click's time, the pointer still
  // where it clicked, belongs to that click and opens again (twice at most:
  // Wine may hand the focus over in two steps). On Windows only a second
  // click on the icon does that, and it opens the menu there too.
  constexpr int MostOpenings = 3;
  for (int opening = 0; opening < MostOpenings; ++opening) {
    // As the documentation of TrackPopupMenu asks: the owner in front, so
    // that the menu closes when the user clicks elsewhere, and a message
    // after it, so that it opens again at the next click.
    SetForegroundWindow(owner_);
    const DWORD openedAt = GetTickCount();
    menuLeft_ = false;
    const UINT chosen =
        TrackPopupMenuEx(menu.get(), alignment | TPM_BOTTOMALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                         anchor_.x, anchor_.y, owner_, nullptr);
    PostMessageW(owner_, WM_NULL, 0, 0);
    if (chosen != 0) {
      // Where a menu's own command goes: a WM_COMMAND of code 0.
      PostMessageW(owner_, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
      return;
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    const bool closedByTheClick =
        menuLeft_ && GetTickCount() - openedAt < GetDoubleClickTime() &&
        std::abs(pointer.x - anchor_.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(pointer.y - anchor_.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (!closedByTheClick) return;
  }
}

}  // namespace ilvorande
