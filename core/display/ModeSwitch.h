// The one operation that changes the display mode.
#pragma once

#include <cstdint>
#include <optional>

#include "core/display/DisplaySettings.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

// Switches the primary screen (no number), or the other screen of that
// number, to width x height at depth, stores the mode and tells every window.
// A switch that needs a restart asks the user whether to restart now; any
// other refusal is reported. A depth beyond 16 bits switches nothing.
void SwitchDisplayMode(DisplaySettings& display, Toolkit& toolkit, std::optional<int> otherScreen,
                       std::int32_t width, std::int32_t height, std::int32_t depth);

}  // namespace ilvorande
