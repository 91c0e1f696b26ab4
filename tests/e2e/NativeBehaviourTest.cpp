// What any Windows user expects of push buttons, text boxes and the
// checkbox, from the keyboard alone.
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class NativeBehaviour : public ProgramTest {};

// In a size box, Enter presses "Autre..." (with Ctrl+Z, under ModeSwitching).
TEST_F(NativeBehaviour, EnterPressesTheFocusedButton) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(TabTo(main_, Control(ModeButton(1)))) << "Tab never reached 1400 x 1050";
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1400, 1050}));
}

// Space ticks the option as a click does, and the captions follow it.
TEST_F(NativeBehaviour, SpaceOnTheOptionRelabelsThePresetsAndSpaceAgainBringsTheSizesBack) {
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
}

}  // namespace
}  // namespace ilvorande::e2e
