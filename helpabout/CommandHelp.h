// The command-line help message.
#pragma once

#include <string>

namespace ilvorande {

inline constexpr const char* CommandHelpTitle = "Ilvorande";

// Sixteen lines, each ended by a carriage return and a line feed.
std::string CommandHelpText();

}  // namespace ilvorande
