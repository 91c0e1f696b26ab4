#include <gtest/gtest.h>

#include <map>

#include "helpabout/About.h"
#include "helpabout/AboutLayout.h"
#include "tests/fakes/FakeShell.h"
#include "tests/fakes/FakeToolkit.h"
#include "toolkit/Utf8.h"

namespace ilvorande::testing {
namespace {

constexpr std::uintptr_t AboutHandle = 0x4242;

class FakeAboutView : public AboutView {
 public:
  std::map<int, std::string> texts;
  int windowIcons = 0;
  int pictures = 0;
  int unloads = 0;
  void SetIconToMainWindowIcon() override { ++windowIcons; }
  void SetImage1ToMainWindowIcon() override { ++pictures; }
  void SetText(int controlId, std::string_view text) override {
    texts[controlId] = std::string(text);
  }
  void Unload() override { ++unloads; }
  std::uintptr_t Handle() override { return AboutHandle; }
};

struct AboutHarness {
  ScreenState screen;
  FakeToolkit toolkit{screen};
  FakeShell shell;
  FakeAboutView view;
  About about{view, toolkit, shell};
};

TEST(About, LoadingShowsTheProgramsOwnVersionAndIconEveryTime) {
  AboutHarness h;
  h.about.Form_Load();
  EXPECT_EQ(h.view.texts.at(AboutLabel1Id(3)), " V3.1");
  EXPECT_EQ(h.view.windowIcons, 1);
  EXPECT_EQ(h.view.pictures, 1);
  h.about.Form_Load();
  EXPECT_EQ(h.view.texts.at(AboutLabel1Id(3)), " V3.1");
  EXPECT_EQ(h.view.windowIcons, 2);
}

TEST(About, PictureAndWebLabelOpenThePageWithTheSameSixArguments) {
  AboutHarness h;
  h.about.Image1_Click();
  h.about.Label1_Click(2);
  ASSERT_EQ(h.shell.executed.size(), 2u);
  for (const auto& call : h.shell.executed) {
    EXPECT_EQ(call.window, AboutHandle);
    EXPECT_EQ(call.operation, "open");
    EXPECT_EQ(call.file, "http://ilvorande.example/");
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.directory, "C:\\Programmes\\Ilvorande");
    EXPECT_EQ(call.showCommand, 1);
  }
}

TEST(About, MailSubjectNamesTheRunningExecutableAndKeepsItsBlank) {
  for (const char* name : {"Ilvorande", "Ecran"}) {
    AboutHarness h;
    h.toolkit.exeName = name;
    h.about.Label2_Click();
    ASSERT_EQ(h.shell.executed.size(), 1u);
    const auto& call = h.shell.executed[0];
    EXPECT_EQ(call.operation, "Open");
    EXPECT_EQ(call.file,
              std::string("mailto:auteur@ilvorande.example?subject=") + name + " V3.1.0");
    EXPECT_EQ(call.window, AboutHandle);
    EXPECT_EQ(call.parameters, "");
    EXPECT_EQ(call.showCommand, 1);
  }
}

TEST(About, TitleVersionAndStatementDoNothingRetourUnloads) {
  AboutHarness h;
  for (std::int16_t index : {0, 1, 3}) h.about.Label1_Click(index);
  EXPECT_TRUE(h.shell.executed.empty());
  EXPECT_EQ(h.view.unloads, 0);
  h.about.Command2_Click();
  EXPECT_EQ(h.view.unloads, 1);
}

TEST(About, StatementIsOneSentenceOf94Characters) {
  EXPECT_EQ(DecodeUtf8(DistributionStatement).size(), 94u);
}

}  // namespace
}  // namespace ilvorande::testing
