#include <gtest/gtest.h>

#include "helpabout/CommandHelp.h"
#include "tests/fakes/FormHarness.h"

namespace ilvorande::testing {
namespace {

// Written out whole, byte for byte, so any change to a blank shows.
constexpr char ExpectedHelp[] =
    " Ajoutez derri\xC3\xA8re ''...\\ilvorande.exe ''(un espace et)\r\n"
    "/0 pour  1600 x 1200\r\n"
    "/1 pour  1400 x 1050\r\n"
    "/7 pour  1280 x 1024\r\n"
    "/2 pour  1280 x 960\r\n"
    "/9 pour  1280 x 800\r\n"
    "/3 pour  1152 x 864\r\n"
    "/4 pour  1024 x 768\r\n"
    "/5 pour  800 x 600\r\n"
    "/6 pour  640 x 480\r\n"
    "Ajoutez M pour que le programme soit pr\xC3\xA9sent mais diminu\xC3\xA9 dans la barre des "
    "t\xC3\xA2"
    "ches\r\n"
    "Ajoutez F pour que le programme s'arr\xC3\xAAte de lui m\xC3\xAAme.\r\n"
    "Exemple: ''c:\\windows\\ilvorande.exe /4F'' et l'ilvorande passera en 1024 x 768, \r\n"
    "le programme s'arretera de lui m\xC3\xAAme ensuite.\r\n"
    "\r\n"
    "L'\xC3\xA9quipe Ilvorande, 2026\r\n";

TEST(CommandHelp, InfoButtonShowsTheSixteenLinesAsAnInformationMessage) {
  FormHarness h;
  h.Load();
  h.form.Command1_Click();
  ASSERT_EQ(h.toolkit.messages.size(), 1u);
  EXPECT_EQ(h.toolkit.messages[0].text, ExpectedHelp);
  EXPECT_EQ(h.toolkit.messages[0].style, 64u);
  EXPECT_EQ(h.toolkit.messages[0].title, "Ilvorande");
}

TEST(WindowCommands, QuitterUnloadsThenEndsWithStatusZero) {
  FormHarness h;
  h.Load();
  h.form.Change_Click(4);
  h.display.calls.clear();
  h.form.Command3_Click();
  EXPECT_EQ(h.view.destroyed, 1);
  EXPECT_EQ(h.toolkit.exitCodes, std::vector<int>{0});
  EXPECT_TRUE(h.display.calls.empty()) << "quitting never restores the mode";
}

TEST(WindowCommands, AProposShowsTheAboutWindowModally) {
  FormHarness h;
  h.Load();
  h.form.Command2_Click();
  h.form.Command2_Click();
  EXPECT_EQ(h.view.aboutShown, 2);
}

}  // namespace
}  // namespace ilvorande::testing
