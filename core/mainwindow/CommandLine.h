// Reading of the start-up command line: "/4F" switches to preset 4 and ends,
// "/4@2F" does the same on screen 2.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ilvorande {

// What follows the switch.
enum class AfterSwitch { ShowNormal, ShowMinimized, End, LeaveState };

struct CommandLineRequest {
  // Help shown first because the text holds neither "/" nor "\".
  bool helpForMissingMarker = false;
  // The mode button to press; without one, the help is shown (again).
  std::optional<int> buttonIndex;
  // The screen named by "@" and digits right after the button's digit, in
  // decimal without leading zeros, however long; none: the primary.
  std::optional<std::string> screenNumber;
  AfterSwitch after = AfterSwitch::LeaveState;
};

// Nothing for an empty command line: no help, no switch.
std::optional<CommandLineRequest> ParseCommandLine(std::string_view commandLine);

}  // namespace ilvorande
