#include "core/display/ModePresets.h"

#include <algorithm>

namespace ilvorande {

std::optional<ModePreset> FindPreset(int index) {
  const auto found = std::ranges::find(ModePresets, index, &ModePreset::index);
  if (found == ModePresets.end()) return std::nullopt;
  return *found;
}

std::string SizeCaption(std::int32_t width, std::int32_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace ilvorande
