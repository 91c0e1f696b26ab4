// The command-line help and the About window's behaviour.
#include <gtest/gtest.h>

#include <tuple>

#include "core/helpabout/AboutBehaviour.h"
#include "core/helpabout/CommandHelp.h"
#include "tests/fakes/FakeSystem.h"
#include "tests/fakes/FakeViews.h"

namespace ilvorande::testing {
namespace {

// In a box with the information icon, under the program's name.
TEST(CommandHelp, ExplainsEveryPresetLargestFirst) {
  FakeSystem system;
  ShowCommandHelp(system, false);
  const std::string text =
      " Ajoutez derrière ''...\\ilvorande.exe ''(un espace et)\r\n"
      "/0 pour  1600 x 1200\r\n/1 pour  1400 x 1050\r\n/7 pour  1280 x 1024\r\n"
      "/2 pour  1280 x 960\r\n/9 pour  1280 x 800\r\n/3 pour  1152 x 864\r\n"
      "/4 pour  1024 x 768\r\n/5 pour  800 x 600\r\n/6 pour  640 x 480\r\n"
      "Ajoutez M pour que le programme soit présent mais diminué dans la barre des tâches\r\n"
      "Ajoutez F pour que le programme s'arrête de lui même.\r\n"
      "Exemple: ''c:\\windows\\ilvorande.exe /4F'' et l'ilvorande passera en 1024 x 768, \r\n"
      "le programme s'arretera de lui même ensuite.\r\n\r\nL'équipe Ilvorande, 2026\r\n";
  EXPECT_EQ(system.messages,
            (std::vector<ShownMessage>{{text, MessageStyle::OkWithInformationIcon, "Ilvorande"}}));
}

// With two screens or more, one line more before the example.
TEST(CommandHelp, TellsHowToChooseAScreenOnlyWhenThereAreSeveral) {
  const std::string text = CommandHelpText(true);
  EXPECT_NE(text.find("tâches\r\nAjoutez F pour que le programme s'arrête de lui même.\r\n"
                      "Ajoutez @2 derrière le chiffre pour que le programme change l'écran 2 : "
                      "/4@2F\r\nExemple: "),
            std::string::npos);
}

// The running program's own version, whatever it is; from a renamed copy, the mail's subject
// names them.
TEST(AboutWindow, ShowsItsIconAndVersionAndThePictureAndTheTwoLinksOpenTheirAddresses) {
  const std::string folder = "C:\\Programmes\\Ilvorande";
  const OpenedAddress web{FakeAboutView::OwnHandle, false, "http://ilvorande.example/", folder};
  const OpenedAddress mail{FakeAboutView::OwnHandle, true,
                           "mailto:auteur@ilvorande.example?subject=Résolution V4.12.7", folder};
  const std::pair<AboutControl, std::vector<OpenedAddress>> cases[] = {
      {AboutControl::Picture, {web}},   {AboutControl::WebAddress, {web}},
      {AboutControl::MailLink, {mail}}, {AboutControl::Title, {}},
      {AboutControl::Version, {}},      {AboutControl::Statement, {}},
  };
  for (const auto& [control, expected] : cases) {
    FakeSystem system;
    FakeAboutView view;
    AboutBehaviour about{view, system, system};
    system.appBaseName = "Résolution";
    system.version = {4, 12, 7};
    about.Load();
    EXPECT_EQ(std::tuple(view.iconShown, view.texts[AboutControl::Version]),
              std::tuple(true, " V4.12"));
    about.Clicked(control);
    EXPECT_EQ(system.opened, expected) << static_cast<int>(control);
    EXPECT_FALSE(view.closed);
  }
}

}  // namespace
}  // namespace ilvorande::testing
