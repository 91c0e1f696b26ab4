// What any Windows user expects of push buttons, text boxes and the
// checkbox, from the keyboard alone.
#include "core/helpabout/AboutControlIds.h"
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

TEST_F(NativeBehaviour, EnterOnTheFocusedRetourClosesTheAboutWindow) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(Control(AboutButton).Click());
  const Window about = program_->WaitForWindow(AboutWindowClassName);
  ASSERT_TRUE(about.Exists());
  EXPECT_TRUE(WaitUntil([&] {
    return Focus(about) == about.Child(AboutControl::BackButton).handle;
  })) << "the back button has not the focus";
  ASSERT_TRUE(PressKeys(about, {VK_RETURN}));
  EXPECT_TRUE(WaitUntil([&] { return !about.Exists() && main_.Enabled(); }));
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

TEST_F(NativeBehaviour, NoCaptionCoversATextBox) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  for (const MainControl box : {WidthBox, HeightBox}) {
    RECT rect = Control(box).ScreenRect();
    MapWindowPoints(HWND_DESKTOP, main_.handle, reinterpret_cast<POINT*>(&rect), 2);
    // Its left border, where "X" reaches, and its top, where "largeur" and "hauteur" reach.
    for (const POINT point :
         {POINT{rect.left, (rect.top + rect.bottom) / 2},
          POINT{(rect.left + rect.right) / 2, rect.top}, POINT{rect.left, rect.top}}) {
      EXPECT_EQ(ChildWindowFromPointEx(main_.handle, point, CWP_SKIPINVISIBLE), Control(box).handle)
          << "at " << point.x << ", " << point.y;
    }
  }
}

}  // namespace
}  // namespace ilvorande::e2e
