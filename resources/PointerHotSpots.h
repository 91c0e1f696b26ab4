// Made by resources/make_icons.py with the pointer pictures: rerun it, do not edit.
// Where each picture points, from its top-left pixel.
#pragma once

namespace ilvorande {

struct HotSpot {
  int x, y;
};

inline constexpr HotSpot PointerLinkHotSpot{5, 0};
inline constexpr HotSpot PointerMailHotSpot{0, 0};

}  // namespace ilvorande
