// The display as the core decides about it.
#pragma once

#include <cstdint>

namespace ilvorande {

enum class SwitchAnswer { Switched, NeedsRestart, Refused };

class DisplaySettings {
 public:
  virtual ~DisplaySettings() = default;

  // Bits per pixel of the display now.
  virtual std::int32_t CurrentDepth() = 0;
  // Switches for this session; once that has worked, applies the same mode
  // again, stores it as the display's lasting setting and tells every
  // top-level window, returning once all have handled it; a size too large
  // to tell is still switched and stored. No refresh rate is asked for: the
  // system chooses it.
  virtual SwitchAnswer Switch(std::int32_t width, std::int32_t height, std::int16_t depth) = 0;
  virtual void RequestRestart() = 0;
};

}  // namespace ilvorande
