// The keys that work anywhere while the main window exists:
// Ctrl+Alt+Maj+digit switches to the preset of that command-line digit,
// Ctrl+Alt+Maj+Z restores. Never Ctrl+Alt+digit alone: on a French keyboard
// that is AltGr, which types "@", "#", "{", "[" and "|" in every program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/display/ModePresets.h"
#include "core/resident/ResidentCommand.h"

namespace ilvorande {

// The modifiers as RegisterHotKey takes them.
enum class KeyModifier : std::uint32_t {
  Alt = 0x0001,
  Control = 0x0002,
  Shift = 0x0004,
  // A key held down sends its command once, not again with each repeat.
  NoRepeat = 0x4000,
};

inline constexpr std::uint32_t GlobalKeyModifiers =
    static_cast<std::uint32_t>(KeyModifier::Control) |
    static_cast<std::uint32_t>(KeyModifier::Alt) | static_cast<std::uint32_t>(KeyModifier::Shift) |
    static_cast<std::uint32_t>(KeyModifier::NoRepeat);

// Virtual-key codes: those of the digits and letters are their ASCII capitals.
inline constexpr std::uint32_t DigitZeroKey = 0x30;
inline constexpr std::uint32_t RestoreKey = 0x5A;  // Z, as the window's Ctrl+Z

// Each with GlobalKeyModifiers.
struct GlobalKey {
  ResidentCommand command;
  std::uint32_t virtualKey;
};

// The presets' keys in the window's row order, then restore's.
inline constexpr auto ResidentGlobalKeys = [] {
  std::array<GlobalKey, ModePresets.size() + 1> keys{};
  for (std::size_t place = 0; place < ModePresets.size(); ++place) {
    const int digit = ModePresets[place].index;
    keys[place] = {{ResidentAction::SwitchToPreset, digit},
                   DigitZeroKey + static_cast<std::uint32_t>(digit)};
  }
  keys.back() = {{ResidentAction::Restore}, RestoreKey};
  return keys;
}();

// As a menu shows it after its item's text: "Ctrl+Alt+Maj+4".
std::string KeyLabel(const GlobalKey& key);

// Some of ResidentGlobalKeys, by their place there.
class KeySet {
 public:
  void Add(std::size_t place) { bits_ |= 1u << place; }
  bool Has(std::size_t place) const { return (bits_ & (1u << place)) != 0; }

 private:
  std::uint32_t bits_ = 0;
};
static_assert(ResidentGlobalKeys.size() <= 32, "a key set holds 32 keys");

class GlobalKeys {
 public:
  virtual ~GlobalKeys() = default;

  // Registers every key of ResidentGlobalKeys for the program; a key that
  // another program holds is left to it, silently. The keys registered.
  virtual KeySet RegisterAll() = 0;
  virtual void UnregisterAll() = 0;
};

}  // namespace ilvorande
