// Twips to pixels at the scales that Windows offers.
#include <gtest/gtest.h>

#include "core/toolkit/Layout.h"

namespace ilvorande {
namespace {

TEST(TwipsToPixels, RoundsToTheNearestPixelAtEveryScale) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {
      {15, 96, 1},      {7, 96, 0},  {8, 96, 1},  {6420, 96, 428},   // 100 %
      {1440, 120, 120}, {5, 120, 0}, {6, 120, 1}, {6420, 120, 535},  // 125 %
      {1440, 144, 144}, {4, 144, 0}, {5, 144, 1}, {6420, 144, 642},  // 150 %
      {1440, 192, 192}, {3, 192, 0}, {4, 192, 1}, {6420, 192, 856},  // 200 %
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi;
  }
}

}  // namespace
}  // namespace ilvorande
