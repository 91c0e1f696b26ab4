// The keys that work anywhere while the main window exists:
// Ctrl+Alt+Maj+digit switches to the preset of that command-line digit,
// Ctrl+Alt+Maj+Z restores. Never Ctrl+Alt+digit alone: on a French keyboard
// that is AltGr, which types "@", "#", "{", "[" and "|" in every program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// Virtual-key codes: those of the digits and letters are their ASCII capitals.
inline constexpr std::uint32_t DigitZeroKey = 0x30;
inline constexpr std::uint32_t RestoreKey = 0x5A;  // Z, as the window's Ctrl+Z

struct GlobalKey {
  ResidentCommand command;
  // KeyModifier values combined.
  std::uint32_t modifiers;
  std::uint32_t virtualKey;
  // As a menu shows it after its item's text: "Ctrl+Alt+Maj+4".
  std::string label;
};

// The presets' keys in the window's row order, then restore's.
std::vector<GlobalKey> ResidentGlobalKeys();

class GlobalKeys {
 public:
  virtual ~GlobalKeys() = default;

  // Registers each key for the program; a key that another program holds
  // is left to it, silently. The commands of the keys really registered.
  virtual std::vector<ResidentCommand> Register(const std::vector<GlobalKey>& keys) = 0;
  virtual void UnregisterAll() = 0;
};

}  // namespace ilvorande
