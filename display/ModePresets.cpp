#include "display/ModePresets.h"

namespace ilvorande {

namespace {

// Index order, not row order: the digit of the command line and of a shortcut
// is the index.
constexpr std::array<std::optional<ModeSize>, 10> Presets{{
    ModeSize{1600, 1200},
    ModeSize{1400, 1050},
    ModeSize{1280, 960},
    ModeSize{1152, 864},
    ModeSize{1024, 768},
    ModeSize{800, 600},
    ModeSize{640, 480},
    ModeSize{1280, 1024},
    std::nullopt,
    ModeSize{1280, 800},
}};

}  // namespace

std::optional<ModeSize> ModePresets(std::int16_t index) {
  if (index < 0 || index >= static_cast<std::int16_t>(Presets.size())) return std::nullopt;
  return Presets[static_cast<std::size_t>(index)];
}

}  // namespace ilvorande
