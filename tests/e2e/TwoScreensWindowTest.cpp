#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class TwoScreensWindow : public ProgramTest {};

// Wine 8 tells a running program nothing when xrandr plugs a screen in or out.
TEST_F(TwoScreensWindow, TheChooserFollowsTheScreensAndButtonsActOnTheChosenScreenAlone) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const auto entries = [&] { return Control(ScreenChooser).Send(CB_GETCOUNT).value_or(0); };
  EXPECT_EQ(entries(), 2);
  ASSERT_TRUE(RunOnHost("xrandr --output DUMMY1 --off"));
  EXPECT_TRUE(WaitUntil([&] { return !Control(ScreenChooser).Exists(); })) << "the chooser stays";
  ASSERT_TRUE(
      RunOnHost("xrandr --addmode DUMMY1 1024x768; "
                "xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0"));
  EXPECT_TRUE(WaitUntil([&] { return entries() == 2; })) << "no chooser again";

  const Window chooser = Control(ScreenChooser);
  ASSERT_TRUE(TabTo(main_, chooser));
  ASSERT_TRUE(PressKeys(main_, {VK_DOWN}));
  ASSERT_TRUE(WaitUntil([&] { return chooser.Send(CB_GETCURSEL) == 1; }));
  EXPECT_TRUE(WaitUntil([&] { return Control(ModeInForce).Text() == L"1024 X 768"; }));
  ASSERT_TRUE(Control(ModeButton(5)).Click());
  ExpectScreens({{"DUMMY0", {1600, 1200}}, {"DUMMY1", {800, 600}}});
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  ExpectScreens({{"DUMMY0", {1600, 1200}}, {"DUMMY1", {1024, 768}}});
}

// The menu lists the screens first: two entries and a separator before the presets.
TEST_F(TwoScreensWindow, TheIconsMenuChoosesScreenTwoAndSwitchesItAlone) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  EXPECT_EQ(IconTip(), L"Ilvorande : écran 1, 1600 x 1200");
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(2, L'\r'));
  EXPECT_TRUE(WaitUntil([&] { return Control(ScreenChooser).Send(CB_GETCURSEL) == 1; }));
  EXPECT_EQ(IconTip(), L"Ilvorande : écran 2, 1024 x 768");
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(2 + 8, L'\r'));
  ExpectScreens({{"DUMMY0", {1600, 1200}}, {"DUMMY1", {800, 600}}});
  EXPECT_TRUE(WaitUntil([&] { return Control(ModeInForce).Text() == L"800 X 600"; }));
  EXPECT_EQ(IconTip(), L"Ilvorande : écran 2, 800 x 600");
  ASSERT_NO_FATAL_FAILURE(ChooseInMenu(0, L'r'));
  ExpectScreens({{"DUMMY0", {1600, 1200}}, {"DUMMY1", {1024, 768}}});
}

}  // namespace
}  // namespace ilvorande::e2e
