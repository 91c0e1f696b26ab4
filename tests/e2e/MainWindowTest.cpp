// The main window as the system shows it at 96 dpi: its frame, every control
// in place with what start-up puts in it, the tooltip and the tab order.
#include <algorithm>

#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class MainWindow : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_NO_FATAL_FAILURE(Launch());
  }
};

TEST_F(MainWindow, ShowsEveryControlInPlaceInAFixedFrame) {
  // Places are twips / 15.
  ExpectLayout(
      main_, L"Ilvorande", {260, 491},
      {
          {ShortcutOption, "Button", L"Créer un raccourci vers le bureau", {12, 2, 231, 31}},
          {WidthCaption, "Static", L"largeur", {29, 30, 36, 35}},
          {HeightCaption, "Static", L"hauteur", {120, 30, 36, 35}},
          {WidthBox, "Edit", std::to_wstring(start_.width), {12, 46, 69, 21}},
          {TimesSign, "Static", L"X", {86, 44, 27, 27}},
          {HeightBox, "Edit", std::to_wstring(start_.height), {102, 47, 69, 21}},
          {ModeButton(8), "Button", L"Autre...", {178, 44, 64, 27}},
          {ModeButton(0), "Button", L"1600 x 1200", {12, 71, 230, 27}},
          {ModeButton(1), "Button", L"1400 x 1050", {12, 98, 230, 27}},
          {ModeButton(7), "Button", L"1280 x 1024", {12, 125, 230, 27}},
          {ModeButton(2), "Button", L"1280 x 960", {12, 152, 230, 27}},
          {ModeButton(9), "Button", L"1280 x 800", {12, 179, 230, 27}},
          {ModeButton(3), "Button", L"1152 x 864", {12, 206, 230, 27}},
          {ModeButton(4), "Button", L"1024 x 768", {12, 233, 230, 27}},
          {ModeButton(5), "Button", L"800 x 600", {12, 260, 230, 27}},
          {ModeButton(6), "Button", L"640 x 480", {12, 287, 230, 27}},
          {ModeInForceCaption, "Static", L"Ilvorande actuel", {22, 330}},
          {ModeInForce, "Static", SizeText(start_, L" X "), {106, 330}},
          {RestoreButton, "Button", L"Restaurer", {12, 355, 230, 27}},
          {HelpButton, "Button", L"Info Ligne de commande", {12, 385, 97, 33}},
          {AboutButton, "Button", L"A Propos", {145, 385, 97, 33}},
          {QuitButton, "Button", L"Quitter", {12, 421, 230, 57}},
      });
  EXPECT_FALSE(Control(RestoreButton).Enabled());
  EXPECT_FALSE(Control(ShortcutOption).Checked());
  EXPECT_TRUE(program_->Windows("#32770").empty());
}

TEST_F(MainWindow, CheckboxTooltipShowsWhileThePointerRestsOnIt) {
  const POINT point = PointIn(Control(ShortcutOption));
  ASSERT_TRUE(SetCursorPos(0, 0) && SetCursorPos(point.x, point.y));
  std::vector<Window> tips;
  EXPECT_TRUE(WaitUntil([&] { return !(tips = program_->Windows("tooltips_class32")).empty(); }));
  EXPECT_EQ(tips.empty() ? L"" : tips[0].Text(),
            L"Si cette case est active, d'appuyer sur un bouton ira créer un raccourci "
            L"permettant d'un clic d'accéder à cette configuration.");
  SetCursorPos(0, 0);
}

TEST_F(MainWindow, TabMovesTheFocusInTabOrder) {
  // "Restaurer" is disabled and takes no focus.
  const MainControl order[] = {ModeButton(0), QuitButton,    ModeButton(1), ModeButton(2),
                               ModeButton(3), ModeButton(4), ModeButton(5), ModeButton(6),
                               HelpButton,    AboutButton,   ModeButton(7), WidthBox,
                               HeightBox,     ModeButton(8), ModeButton(9), ShortcutOption};
  // From a known place: a click in the width box.
  ASSERT_TRUE(MouseClick(Control(WidthBox)));
  ASSERT_TRUE(WaitUntil([&] { return FocusedControl(main_).handle == Control(WidthBox).handle; }));
  std::vector<int> seen;
  for (size_t press = 0; press < std::size(order); ++press) {
    const HWND before = FocusedControl(main_).handle;
    ASSERT_TRUE(PressKeys(main_, {VK_TAB}));
    ASSERT_TRUE(WaitUntil([&] { return FocusedControl(main_).handle != before; }));
    seen.push_back(GetDlgCtrlID(FocusedControl(main_).handle));
  }
  std::vector<int> twice;
  for (int round = 0; round < 2; ++round)
    for (const MainControl id : order) twice.push_back(static_cast<int>(id));
  EXPECT_FALSE(std::ranges::search(twice, seen).empty()) << ::testing::PrintToString(seen);
}

}  // namespace
}  // namespace ilvorande::e2e
