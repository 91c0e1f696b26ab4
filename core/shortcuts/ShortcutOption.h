// The option that turns the preset buttons into makers of desktop links.
#pragma once

#include <optional>
#include <string>

#include "core/display/ModePresets.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

// A preset button's caption while the option is ticked or not.
std::string PresetButtonCaption(const ModePreset& preset, bool makesShortcuts);

// What a mode button does while the option is ticked: the custom button is
// refused with a message, a preset writes its desktop link, for the primary
// screen or for another one.
void MakeShortcutForButton(Shell& shell, Toolkit& toolkit, int buttonIndex,
                           std::optional<int> otherScreen = std::nullopt);

}  // namespace ilvorande
