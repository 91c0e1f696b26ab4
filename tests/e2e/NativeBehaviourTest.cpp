// What any Windows user expects of push buttons and text boxes.
#include "core/helpabout/AboutControlIds.h"
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

HWND Focus(const Window& window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window.handle, nullptr), &info);
  return info.hwndFocus;
}

class NativeBehaviour : public ProgramTest {};

TEST_F(NativeBehaviour, EnterPressesTheFocusedButtonOrAutreFromASizeBox) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  const Window target = Control(ModeButton(1));  // "1400 x 1050"
  for (int presses = 0; presses < 25 && Focus(main_) != target.handle; ++presses) {
    const HWND before = Focus(main_);
    ASSERT_TRUE(PressKeys(main_, {VK_TAB}));
    WaitUntil([&] { return Focus(main_) != before; });
  }
  ASSERT_EQ(Focus(main_), target.handle) << "Tab never reached 1400 x 1050";
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1400, 1050}));
  // In a size box, Enter presses "Autre...".
  ASSERT_TRUE(Control(WidthBox).SetText(L"1024") && Control(HeightBox).SetText(L"768"));
  ASSERT_TRUE(MouseClick(Control(HeightBox)));
  ASSERT_TRUE(WaitUntil([&] { return Focus(main_) == Control(HeightBox).handle; }));
  ASSERT_TRUE(PressKeys(main_, {VK_RETURN}));
  ASSERT_NO_FATAL_FAILURE(ExpectMode({1024, 768}));
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

TEST_F(NativeBehaviour, TextBoxesLieInFrontOfTheLabelsThatReachBehindThem) {
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
