// The display as the core decides about it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ilvorande {

enum class SwitchAnswer { Switched, NeedsRestart, Refused };

// In real pixels, whatever the scale.
struct ScreenSize {
  std::int32_t width;
  std::int32_t height;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

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

  // The primary screen's size now, from the system's metrics: no enumeration.
  virtual ScreenSize PrimarySize() = 0;
  // Bits per pixel of the primary screen now.
  virtual std::int32_t PrimaryDepth() = 0;
  // How many screens are attached to the desktop, without enumerating them.
  virtual int AttachedScreenCount() = 0;
  // The screens attached to the desktop, in the order of their numbers, each
  // with its size as its monitor has it.
  virtual std::vector<AttachedScreen> AttachedScreens() = 0;
  // Switches the primary (no number: by the calls that name no device) or
  // the other screen of that number for this session; once that has worked,
  // applies the same mode again, stores it as the screen's lasting setting
  // and tells every top-level window, returning once all have handled it; a
  // size too large to tell is still switched and stored. The other screens
  // keep their modes. No refresh rate is asked for: the system chooses it.
  virtual SwitchAnswer Switch(std::optional<int> otherScreen, std::int32_t width,
                              std::int32_t height, std::int16_t depth) = 0;
  virtual void RequestRestart() = 0;
};

}  // namespace ilvorande
