// Presets, the typed-in mode, "Restaurer", Ctrl+Z and Alt+F4 against the real display.
#include "driver/Fixture.h"
#include "driver/Input.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class ModeSwitching : public ProgramTest {};

// Ctrl+Z, the way back when the screen shows nothing, works wherever the focus is.
TEST_F(ModeSwitching, PresetsTypedSizesRestaurerCtrlZAndTheKeyboardSwitchAltF4KeepsTheMode) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  EXPECT_TRUE(main_.Send(WM_NULL).has_value());
  EXPECT_EQ(ScreenSize(), primary_) << "Ctrl+Z before any switch";
  EXPECT_TRUE(program_->Windows("#32770").empty());

  ASSERT_TRUE(Control(ModeButton(4)).Click());
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
  const Window restore = Control(RestoreButton);
  EXPECT_TRUE(WaitUntil([&] {
    return restore.Enabled() && restore.Text() == L"Restaurer à " + SizeText(primary_, L" x ");
  })) << restore.Text();
  ASSERT_TRUE(restore.Click());
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));

  for (const auto& [box, text] : {std::pair{WidthBox, L"800"}, std::pair{HeightBox, L"600"}})
    ASSERT_TRUE(Control(box).Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)).value_or(0));
  ASSERT_TRUE(MouseClick(Control(HeightBox)));
  ASSERT_TRUE(WaitUntil([&] { return Focus(main_) == Control(HeightBox).handle; }));
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({800, 600}));
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(primary_));
  EXPECT_EQ(Control(HeightBox).Text(), L"600") << "the typing stays";

  ASSERT_TRUE(TabTo(main_, Control(ModeButton(1)))) << "Tab never reached 1400 x 1050";
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1400, 1050}));
  ASSERT_TRUE(PressKeys(main_, {VK_MENU, VK_F4}));
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_EQ(XrandrSizes(), (ScreenSizes{{"DUMMY0", {1400, 1050}}})) << "the mode stays";
}

}  // namespace
}  // namespace ilvorande::e2e
