// The main window as the system shows it at 96 dpi: its frame, every control
// in place with what start-up puts in it, the tooltip and the tab order.
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

using enum MainControl;

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, ShowsEveryControlInPlaceInAFixedFrame) {
  ASSERT_NO_FATAL_FAILURE(Launch());
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
  ASSERT_NO_FATAL_FAILURE(Launch());
  const POINT point = PointIn(Control(ShortcutOption));
  ASSERT_TRUE(SetCursorPos(0, 0) && SetCursorPos(point.x, point.y));
  std::vector<Window> tips;
  EXPECT_TRUE(WaitUntil([&] { return !(tips = program_->Windows("tooltips_class32")).empty(); }));
  EXPECT_EQ(tips.empty() ? L"" : tips[0].Text(),
            L"Si cette case est active, d'appuyer sur un bouton ira créer un raccourci "
            L"permettant d'un clic d'accéder à cette configuration.");
}

// The dialog manager moves the focus along the children's z-order.
TEST_F(MainWindow, ControlsThatTakeTheFocusStandInTabOrder) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::vector<int> order;
  for (HWND child = GetWindow(main_.handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(GetDlgCtrlID(child));
  std::vector<int> expected;
  for (const MainControl id :
       {ModeButton(0), QuitButton, RestoreButton, ModeButton(1), ModeButton(2), ModeButton(3),
        ModeButton(4), ModeButton(5), ModeButton(6), HelpButton, AboutButton, ModeButton(7),
        WidthBox, HeightBox, ModeButton(8), ModeButton(9), ShortcutOption})
    expected.push_back(static_cast<int>(id));
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace ilvorande::e2e
