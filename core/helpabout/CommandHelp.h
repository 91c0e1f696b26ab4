// The command-line help message.
#pragma once

#include <string>

#include "core/toolkit/Toolkit.h"

namespace ilvorande {

// Sixteen lines, each ended by a carriage return and a line feed; one more,
// on choosing a screen, when two or more screens are attached.
std::string CommandHelpText(bool severalScreens = false);

void ShowCommandHelp(Toolkit& toolkit, bool severalScreens);

}  // namespace ilvorande
