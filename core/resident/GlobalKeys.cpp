#include "core/resident/GlobalKeys.h"

#include "core/display/ModePresets.h"

namespace ilvorande {

namespace {

constexpr std::uint32_t ModifiersOfEveryKey = static_cast<std::uint32_t>(KeyModifier::Control) |
                                              static_cast<std::uint32_t>(KeyModifier::Alt) |
                                              static_cast<std::uint32_t>(KeyModifier::Shift) |
                                              static_cast<std::uint32_t>(KeyModifier::NoRepeat);

// "Maj" is the French keyboard's name of Shift.
std::string Label(std::uint32_t virtualKey) {
  return "Ctrl+Alt+Maj+" + std::string(1, static_cast<char>(virtualKey));
}

}  // namespace

std::vector<GlobalKey> ResidentGlobalKeys() {
  std::vector<GlobalKey> keys;
  for (const ModePreset& preset : ModePresets) {
    const std::uint32_t key = DigitZeroKey + static_cast<std::uint32_t>(preset.index);
    keys.push_back(
        {{ResidentAction::SwitchToPreset, preset.index}, ModifiersOfEveryKey, key, Label(key)});
  }
  keys.push_back({{ResidentAction::Restore}, ModifiersOfEveryKey, RestoreKey, Label(RestoreKey)});
  return keys;
}

}  // namespace ilvorande
