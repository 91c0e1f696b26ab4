// Writing of a desktop shell link that starts the program on one preset.
#pragma once

#include <cstdint>
#include <string>

#include "shortcuts/ShellPlatform.h"
#include "toolkit/Toolkit.h"

namespace ilvorande {

// The link "Ilvorande en <label>.lnk" on the desktop, starting this program
// with "/<index>F". A failing step is dropped and the next one runs; nothing
// is shown or returned either way.
void MakeDesktopShortcut(ShellPlatform& shell, Toolkit& toolkit, std::int16_t index,
                         const std::string& label);

}  // namespace ilvorande
