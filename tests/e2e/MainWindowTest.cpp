// The main window as the system shows it at 96 dpi: its frame, every control
// in place with what start-up puts in it, the tooltip, and what a screen
// reader hears.
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
          // The captions and the sign stop where the boxes begin.
          {WidthCaption, "Static", L"largeur", {29, 30, 36, 16}},
          {HeightCaption, "Static", L"hauteur", {120, 30, 36, 17}},
          {WidthBox, "Edit", std::to_wstring(start_.width), {12, 46, 69, 21}},
          {TimesSign, "Static", L"X", {86, 44, 16, 27}},
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
  // Restaurer disabled and the box clear at start-up: under CommandLine and NativeBehaviour.
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

// Through oleacc, as assistive technology asks, in z-order: the order of
// reading and, for the controls that take the focus, of Tab. A text box is
// named by the caption right before it.
TEST_F(MainWindow, ScreenReaderHearsEveryControlNamedInReadingOrder) {
  ASSERT_NO_FATAL_FAILURE(Launch());
  std::vector<std::wstring> heard;
  for (HWND child = GetWindow(main_.handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    heard.push_back(AccessibleName(child));
  const std::vector<std::wstring> expected{L"1600 x 1200",
                                           L"Quitter",
                                           L"Ilvorande actuel",
                                           SizeText(start_, L" X "),
                                           L"Restaurer",
                                           L"1400 x 1050",
                                           L"1280 x 960",
                                           L"1152 x 864",
                                           L"1024 x 768",
                                           L"800 x 600",
                                           L"640 x 480",
                                           L"Info Ligne de commande",
                                           L"A Propos",
                                           L"1280 x 1024",
                                           L"largeur",
                                           L"largeur",
                                           L"X",
                                           L"hauteur",
                                           L"hauteur",
                                           L"Autre...",
                                           L"1280 x 800",
                                           L"Créer un raccourci vers le bureau"};
  EXPECT_EQ(heard, expected);
}

}  // namespace
}  // namespace ilvorande::e2e
