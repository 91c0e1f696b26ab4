// The fixed display modes, one per mode button. Everything that names a
// preset follows from this table: the buttons' captions and places, the
// help lines, the shortcuts' names and the command-line digits.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace ilvorande {

struct ModePreset {
  // The button's index, which is also the command-line and shortcut digit.
  std::int16_t index;
  std::int32_t width;
  std::int32_t height;
};

// In the order their buttons stand, largest first: not the order of the digits.
inline constexpr std::array<ModePreset, 9> ModePresets{{
    {0, 1600, 1200},
    {1, 1400, 1050},
    {7, 1280, 1024},
    {2, 1280, 960},
    {9, 1280, 800},
    {3, 1152, 864},
    {4, 1024, 768},
    {5, 800, 600},
    {6, 640, 480},
}};

// The button whose size is typed into the width and height boxes.
inline constexpr std::int16_t CustomModeIndex = 8;
// The presets and the custom button, indexes 0 to ModeButtonCount - 1.
inline constexpr int ModeButtonCount = static_cast<int>(ModePresets.size()) + 1;
static_assert(ModeButtonCount <= 10, "a preset's index is one command-line digit");

std::optional<ModePreset> FindPreset(int index);

// "1024 x 768": buttons, shortcut names and the restore caption.
std::string SizeCaption(std::int32_t width, std::int32_t height);
inline std::string PresetCaption(const ModePreset& preset) {
  return SizeCaption(preset.width, preset.height);
}

}  // namespace ilvorande
