// The keys that work anywhere, registered for the main window: each
// reaches it as WM_HOTKEY with the key's command id.
#pragma once

#include <windows.h>

#include "core/resident/GlobalKeys.h"

namespace ilvorande {

class Win32GlobalKeys final : public GlobalKeys {
 public:
  explicit Win32GlobalKeys(HWND owner) : owner_(owner) {}
  Win32GlobalKeys(const Win32GlobalKeys&) = delete;
  Win32GlobalKeys& operator=(const Win32GlobalKeys&) = delete;
  ~Win32GlobalKeys() override { UnregisterAll(); }

  KeySet RegisterAll() override;
  void UnregisterAll() override;

 private:
  HWND owner_;
  KeySet registered_;
};

}  // namespace ilvorande
