// Mode buttons, the typed-in mode, "Restaurer" and closing, against the real
// display: Windows' screen metrics and the X server agree on every switch.
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class ModeSwitching : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(Launch());
  }

  void ClickAndExpectMode(MainControl button, Size size) {
    ASSERT_TRUE(Control(button).Click());
    ASSERT_NO_FATAL_FAILURE(ExpectMode(size));
  }
};

TEST_F(ModeSwitching, PresetSwitchesAndRestaurerReturnsToTheStartModeEachTime) {
  const Window restore = Control(RestoreButton);
  for (const auto& [button, size] :
       {std::pair{ModeButton(4), Size{1024, 768}}, std::pair{ModeButton(6), Size{640, 480}}}) {
    ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(button, size));
    EXPECT_TRUE(WaitUntil([&] {
      return restore.Enabled() && restore.Text() == L"Restaurer à " + SizeText(start_, L" x ");
    })) << restore.Text();
    ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(RestoreButton, start_));
  }
}

// The way back when the screen shows nothing: from a mode button, and from a
// size box where Enter made the switch; nothing before a switch.
TEST_F(ModeSwitching, CtrlZRestoresWhereverTheFocusIsOnceAModeWasSwitched) {
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  EXPECT_TRUE(main_.Send(WM_NULL).has_value());
  EXPECT_EQ(ScreenSize(), start_);
  EXPECT_TRUE(program_->Windows("#32770").empty());

  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(ModeButton(4), Size{1024, 768}));
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(start_));

  for (const auto& [box, text] : {std::pair{WidthBox, L"800"}, std::pair{HeightBox, L"600"}})
    ASSERT_TRUE(Control(box).Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)).value_or(0));
  ASSERT_TRUE(MouseClick(Control(HeightBox)));
  ASSERT_TRUE(WaitUntil([&] { return Focus(main_) == Control(HeightBox).handle; }));
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(Size{800, 600}));
  ASSERT_TRUE(PressKeys(main_, {VK_CONTROL, 'Z'}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode(start_));
  EXPECT_EQ(Control(HeightBox).Text(), L"600") << "the typing stays";
}

TEST_F(ModeSwitching, CloseBoxOrQuitterEndsTheProgramAndKeepsTheMode) {
  for (const bool quitter : {false, true}) {
    SCOPED_TRACE(quitter ? "Quitter" : "close box");
    if (quitter) {
      BackToStartMode();
      ASSERT_NO_FATAL_FAILURE(Launch());
    }
    ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(ModeButton(4), Size{1024, 768}));
    ASSERT_TRUE(quitter ? Control(QuitButton).Click() : main_.CloseBox());
    const auto status = program_->WaitForExit();
    ASSERT_TRUE(status.has_value()) << "the program did not end";
    EXPECT_TRUE(!quitter || *status == 0) << "exit status " << *status;
    EXPECT_EQ(ScreenSize(), (Size{1024, 768}));
    EXPECT_EQ(XrandrSize(), (Size{1024, 768})) << "the X server's mode";
  }
}

}  // namespace
}  // namespace ilvorande::e2e
