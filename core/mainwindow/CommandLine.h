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

// The screen named by "@" and digits right after the button's digit.
struct NamedScreen {
  // None when the digits are beyond an int: no screen has such a number.
  std::optional<int> number;
  // In decimal without leading zeros, however long.
  std::string digits;
  friend bool operator==(const NamedScreen&, const NamedScreen&) = default;
};

struct CommandLineRequest {
  // Help shown first because the text holds neither "/" nor "\".
  bool helpForMissingMarker = false;
  // The mode button to press; without one, the help is shown (again).
  std::optional<int> buttonIndex;
  // None: the primary.
  std::optional<NamedScreen> screen;
  AfterSwitch after = AfterSwitch::LeaveState;
};

// Nothing for an empty command line: no help, no switch.
std::optional<CommandLineRequest> ParseCommandLine(std::string_view commandLine);

}  // namespace ilvorande
