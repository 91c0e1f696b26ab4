// The command-line help message.
#pragma once

#include <string>

#include "core/toolkit/Toolkit.h"

namespace ilvorande {

// Sixteen lines, each ended by a carriage return and a line feed.
std::string CommandHelpText();

void ShowCommandHelp(Toolkit& toolkit);

}  // namespace ilvorande
