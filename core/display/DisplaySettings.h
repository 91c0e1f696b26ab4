// The display as the core decides about it.
#pragma once

#include <cstdint>
#include <vector>

namespace ilvorande {

enum class SwitchAnswer { Switched, NeedsRestart, Refused };

// A screen attached to the desktop, as the system has it now.
struct AttachedScreen {
  // N of the system's device name "\\.\DISPLAYN", from 1.
  int number;
  bool primary;
  std::int32_t width, height;
  std::int32_t depth;  // bits per pixel
  friend bool operator==(const AttachedScreen&, const AttachedScreen&) = default;
};

class DisplaySettings {
 public:
  virtual ~DisplaySettings() = default;

  // Bits per pixel of the primary screen now.
  virtual std::int32_t CurrentDepth() = 0;
  // Switches the primary screen for this session; once that has worked,
  // applies the same mode again, stores it as the screen's lasting setting
  // and tells every top-level window, returning once all have handled it; a
  // size too large to tell is still switched and stored. No refresh rate is
  // asked for: the system chooses it.
  virtual SwitchAnswer Switch(std::int32_t width, std::int32_t height, std::int16_t depth) = 0;
  // How many screens are attached to the desktop, without enumerating them.
  virtual int AttachedScreenCount() = 0;
  // The screens attached to the desktop, in the order of their numbers.
  virtual std::vector<AttachedScreen> AttachedScreens() = 0;
  // As Switch, for the screen of that number, which may be any but the
  // primary; the other screens keep their modes.
  virtual SwitchAnswer SwitchScreen(int number, std::int32_t width, std::int32_t height,
                                    std::int16_t depth) = 0;
  virtual void RequestRestart() = 0;
};

}  // namespace ilvorande
