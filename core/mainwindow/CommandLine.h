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
  // The mode button to press; without one, the help is shown (again).
  std::optional<int> buttonIndex;
  AfterSwitch after = AfterSwitch::LeaveState;
};

// Nothing for an empty command line: no help, no switch.
std::optional<CommandLineRequest> ParseCommandLine(std::string_view commandLine);

}  // namespace ilvorande
