// The few system numbers that the program decides itself. The Win32 code
// checks each against the system's own macro at compile time.
#pragma once

#include <cstdint>

namespace ilvorande {

// Buttons, icon and modality of a message box, as the system numbers them.
enum class MessageStyle : std::uint32_t {
  OkWithStopIcon = 0x0010,
  OkWithInformationIcon = 0x0040,
  YesNoSystemModal = 0x1004,
};

enum class MessageAnswer { Yes, Other };

// How a started program's window first shows.
enum class ShowCommand : int {
  Normal = 1,
  // A link's program ("/4F") never needs the focus.
  NoActivate = 4,
};

}  // namespace ilvorande
