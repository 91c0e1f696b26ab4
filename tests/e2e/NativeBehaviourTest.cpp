// What any Windows user expects of push buttons, the checkbox and the
// window's frame, from the keyboard alone.
#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class NativeBehaviour : public ProgramTest {};

// Space ticks the option as a click does and the captions follow it; Enter
// presses the focused button; Alt+F4 ends the program in the mode it set.
TEST_F(NativeBehaviour, SpaceTicksTheOptionEnterPressesAButtonAltF4Closes) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(TabTo(main_, Control(ShortcutOption)));
  for (const auto& [ticked, caption] :
       {std::pair{true, L"Raccourci pour 1024 x 768"}, std::pair{false, L"1024 x 768"}}) {
    ASSERT_TRUE(PressKeys(main_, {VK_SPACE}));
    EXPECT_TRUE(WaitUntil([&] {
      return Control(ShortcutOption).Checked() == ticked &&
             Control(ModeButton(4)).Text() == caption;
    })) << Control(ModeButton(4)).Text();
  }
  ASSERT_TRUE(TabTo(main_, Control(ModeButton(1)))) << "Tab never reached 1400 x 1050";
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1400, 1050}));
  ASSERT_TRUE(PressKeys(main_, {VK_MENU, VK_F4}));
  EXPECT_TRUE(program_->WaitForExit().has_value()) << "the program did not end";
  EXPECT_EQ(XrandrSizes(), (ScreenSizes{{"DUMMY0", {1400, 1050}}})) << "the mode stays";
}

}  // namespace
}  // namespace ilvorande::e2e
