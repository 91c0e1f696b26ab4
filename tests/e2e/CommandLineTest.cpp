// A command line that the program cannot read, as a user may type it.
#include "driver/Fixture.h"

namespace ilvorande::e2e {
namespace {

class CommandLine : public ProgramTest {};

// Twice before the window shows, then from its button; nothing switches.
TEST_F(CommandLine, AWordShowsTheHelpTwiceThenTheWindowWhoseButtonShowsItAgain) {
  program_.emplace(L"abc");
  std::vector<std::wstring> texts;
  for (int shown = 0; shown < 2; ++shown) {
    texts.push_back(program_->AnswerMessageBox(L"Ilvorande", [&] {
      EXPECT_TRUE(program_->Windows(MainWindowClassName).empty()) << "the window under the help";
    }));
  }
  main_ = program_->WaitForWindow(MainWindowClassName);
  ASSERT_TRUE(main_.Exists()) << "no main window after the help";
  ASSERT_TRUE(Control(MainControl::HelpButton).Click());
  texts.push_back(program_->AnswerMessageBox(L"Ilvorande"));
  EXPECT_FALSE(texts[0].empty());
  EXPECT_EQ(texts, std::vector(3, texts[0]));
  EXPECT_EQ(ScreenSize(), primary_);
}

}  // namespace
}  // namespace ilvorande::e2e
