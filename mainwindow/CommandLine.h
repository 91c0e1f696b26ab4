// Reading of the start-up command line: "/4F" switches to preset 4 and ends.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ilvorande {

// What follows the switch.
enum class AfterSwitch { ShowNormal, ShowMinimized, End, LeaveState };

struct CommandLineRequest {
  // Help shown first because the text holds neither "/" nor "\".
  bool helpForMissingMarker = false;
  // The preset index to switch to; without one, the help is shown (again).
  std::optional<std::int16_t> presetIndex;
  AfterSwitch after = AfterSwitch::LeaveState;
};

// The arguments of a whole command line: the program's path, quoted or not,
// and the one blank after it split off. Further blanks belong to the
// arguments, so that a command line of blanks still reaches the help.
std::string_view ArgumentPart(std::string_view fullCommandLine);

// Nothing for an empty command line: no help, no switch.
std::optional<CommandLineRequest> ParseCommandLine(std::string_view commandLine);

}  // namespace ilvorande
