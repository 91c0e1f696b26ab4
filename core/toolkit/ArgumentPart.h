// The arguments of a whole command line, as the system hands it over.
#pragma once

#include <string_view>

namespace ilvorande {

// The program's path, quoted or not, and the one blank after it split off.
// Further blanks belong to the arguments, so that a command line of blanks
// still reaches the help.
std::string_view ArgumentPart(std::string_view fullCommandLine);

}  // namespace ilvorande
