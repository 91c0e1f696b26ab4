// The display mode, as Windows reports it and as the X server reports it.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "driver/Wait.h"

namespace ilvorande::e2e {

struct ScreenSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};

inline void PrintTo(const ScreenSize& size, std::ostream* out) {
  *out << size.width << "x" << size.height;
}

struct DisplayMode {
  ScreenSize size;
  int bitsPerPixel = 0;
  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

inline void PrintTo(const DisplayMode& mode, std::ostream* out) {
  PrintTo(mode.size, out);
  *out << " " << mode.bitsPerPixel << " bpp";
}

// The primary display's mode now: its size in the screen metrics and its
// colour depth. Not EnumDisplaySettings(ENUM_CURRENT_SETTINGS): Wine 8
// answers that from the mode it saw at this process's first call, and
// never notices another process's switch.
DisplayMode CurrentDisplayMode();
ScreenSize CurrentDisplaySize();
// Every mode the primary display offers (EnumDisplaySettings by index).
std::vector<DisplayMode> AvailableDisplayModes();
bool HasDisplaySize(ScreenSize size);

// Applies the mode and stores it, as the program itself does; returns the
// DISP_CHANGE_ code.
long SetDisplayMode(const DisplayMode& mode);

bool WaitForDisplaySize(ScreenSize size, Millis timeout = kTimeout);

bool RunningUnderWine();

// The X screen's size as `xrandr --current` prints it, for Wine on a
// Unix host: the Unix program is started directly by CreateProcess and
// writes into a file (Wine passes a file to it, not a pipe). Nothing when
// xrandr cannot be run; `why` then says what failed.
std::optional<ScreenSize> XrandrScreenSize(std::string* why = nullptr);

}  // namespace ilvorande::e2e
