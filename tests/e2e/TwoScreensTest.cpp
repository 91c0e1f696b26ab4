// The command line on two screens: "@" and a number switch that screen only.
// Run on the two-screen display (with-two-screens.sh).
#include "driver/Screens.h"

namespace ilvorande::e2e {
namespace {

using ScreenSizes = std::map<std::string, Size>;

class TwoScreens : public TwoScreensTest {};

TEST_F(TwoScreens, AtTwoSwitchesTheSecondScreenOnlyThenEnds) {
  ASSERT_TRUE(RunOnHost("xrandr --output DUMMY1 --mode 800x600"));
  program_.emplace(L"/4@2F");
  EXPECT_EQ(program_->WaitForExit(), 0u);
  EXPECT_EQ(XrandrScreenSizes(), (ScreenSizes{{"DUMMY0", {1600, 1200}}, {"DUMMY1", {1024, 768}}}));
}

// Also screen 2 once detached: Wine still lists its device, not attached.
TEST_F(TwoScreens, AScreenNotAttachedIsToldAndNothingSwitches) {
  for (const auto& [arguments, number, attached] :
       {std::tuple{L"/4@9F", L"9", true}, std::tuple{L"/4@2F", L"2", false}}) {
    SCOPED_TRACE(arguments);
    if (!attached) {
      ASSERT_TRUE(DetachSecondScreen());
    }
    const ScreenSizes before = XrandrScreenSizes();
    program_.emplace(arguments);
    EXPECT_EQ(program_->AnswerMessageBox(L"Désolé"),
              std::wstring(L"L'écran ") + number + L" n'est pas branché.");
    EXPECT_EQ(program_->WaitForExit(), 0u);
    EXPECT_EQ(XrandrScreenSizes(), before);
  }
}

}  // namespace
}  // namespace ilvorande::e2e
