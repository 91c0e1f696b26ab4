#include "win32/resident/Win32GlobalKeys.h"

namespace ilvorande {

static_assert(static_cast<UINT>(KeyModifier::Alt) == MOD_ALT);
static_assert(static_cast<UINT>(KeyModifier::Control) == MOD_CONTROL);
static_assert(static_cast<UINT>(KeyModifier::Shift) == MOD_SHIFT);
static_assert(static_cast<UINT>(KeyModifier::NoRepeat) == MOD_NOREPEAT);
static_assert(RestoreKey == 'Z' && DigitZeroKey == '0');

// A key's id is its command's, as the menu item's.
KeySet Win32GlobalKeys::RegisterAll() {
  for (std::size_t place = 0; place < ResidentGlobalKeys.size(); ++place) {
    const GlobalKey& key = ResidentGlobalKeys[place];
    // A key that another program holds fails with ERROR_HOTKEY_ALREADY_REGISTERED: it stays theirs.
    if (RegisterHotKey(owner_, ResidentCommandId(key.command).value_or(0), GlobalKeyModifiers,
                       key.virtualKey)) {
      registered_.Add(place);
    }
  }
  return registered_;
}

void Win32GlobalKeys::UnregisterAll() {
  for (std::size_t place = 0; place < ResidentGlobalKeys.size(); ++place) {
    if (registered_.Has(place)) {
      UnregisterHotKey(owner_, ResidentCommandId(ResidentGlobalKeys[place].command).value_or(0));
    }
  }
  registered_ = {};
}

}  // namespace ilvorande
