// A window's scale: its icon's size.
#include <gtest/gtest.h>
#include <windows.h>

#include "TestWindow.h"
#include "win32/toolkit/DpiScale.h"
#include "win32/toolkit/ProgramIcon.h"

namespace ilvorande::win32test {
namespace {

// 32 pixels at 100 %, both as the title bar's big and small icon.
TEST(Scale, ProgramIconGrowsWithTheScale) {
  for (const auto& [dpi, pixels] : {std::pair<UINT, int>{96, 32}, {144, 48}, {192, 64}}) {
    SCOPED_TRACE(dpi);
    const TestWindow window = MakeWindow();
    const UniqueIcon icon = SetProgramIcon(window.get(), GetModuleHandleW(nullptr), DpiScale(dpi));
    EXPECT_EQ(IconSide(icon.get()), pixels);
    for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
      EXPECT_EQ(SendMessageW(window.get(), WM_GETICON, which, 0),
                reinterpret_cast<LRESULT>(icon.get()))
          << (which == ICON_BIG ? "big" : "small");
    }
  }
}

}  // namespace
}  // namespace ilvorande::win32test
