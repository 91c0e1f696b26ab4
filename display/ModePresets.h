// The fixed modes of the Change buttons, keyed by button index.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace ilvorande {

// The button whose size is typed into Text1 and Text2.
inline constexpr std::int16_t CustomModeIndex = 8;

struct ModeSize {
  std::int32_t width;
  std::int32_t height;
};

// The fixed size of a preset index; nothing for CustomModeIndex or an index out of 0..9.
std::optional<ModeSize> ModePresets(std::int16_t index);

}  // namespace ilvorande
