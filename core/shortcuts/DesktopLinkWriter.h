// Writes the desktop link that starts the program on one preset and ends it.
#pragma once

#include <optional>

#include "core/display/ModePresets.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

// "Ilvorande en 1024 x 768.lnk" on the desktop, starting this program with
// "/4F"; for another screen than the primary "Ilvorande en 1024 x 768 sur
// l'écran 2.lnk" with "/4@2F". A step that fails is dropped and the next one
// runs; nothing is shown either way.
void WriteDesktopLink(Shell& shell, Toolkit& toolkit, const ModePreset& preset,
                      std::optional<int> otherScreen = std::nullopt);

}  // namespace ilvorande
