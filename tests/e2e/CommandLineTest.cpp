// The command line at start-up, as a user or a shortcut gives it.
#include "driver/Driver.h"

namespace ilvorande::e2e {
namespace {

class CommandLine : public ProgramTest {};

// Whatever the shortcut that started it says: "/4M" minimised, "/4" normal;
// and the window, of a fixed size, never maximised.
TEST_F(CommandLine, SwitchesThenShowsMinimisedWithMAndNormalWithout) {
  for (const auto& [arguments, show, minimised] :
       {std::tuple{L"/4M", SW_SHOWNORMAL, true}, std::tuple{L"/4", SW_SHOWMINNOACTIVE, false},
        std::tuple{L"/4", SW_SHOWMAXIMIZED, false}, std::tuple{L"", SW_SHOWMAXIMIZED, false}}) {
    SCOPED_TRACE(::testing::Message() << "\"" << arguments << "\", show " << show);
    BackToStartMode();
    ASSERT_NO_FATAL_FAILURE(Launch(arguments, Program::Installed(), show));
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(main_.handle) == minimised; }));
    EXPECT_FALSE(IsZoomed(main_.handle));
    ASSERT_NO_FATAL_FAILURE(ExpectMode(*arguments != L'\0' ? Size{1024, 768} : start_));
  }
}

TEST_F(CommandLine, WordWithoutMarkerOrDigitShowsTheHelpTwiceAsTheButtonDoes) {
  program_.emplace(L"abc");
  std::vector<std::wstring> texts;
  for (int shown = 1; shown <= 3; ++shown) {
    SCOPED_TRACE(::testing::Message() << "help message " << shown);
    if (shown == 3) {
      // Then the window, and its button shows the same help.
      main_ = program_->WaitForWindow(MainWindowClassName);
      ASSERT_TRUE(main_.Exists()) << "no main window after the help";
      EXPECT_EQ(ScreenSize(), start_);
      EXPECT_FALSE(Control(MainControl::RestoreButton).Enabled()) << "nothing was switched";
      ASSERT_TRUE(Control(MainControl::HelpButton).Click());
    }
    texts.push_back(program_->AnswerMessageBox(L"Ilvorande", [&] {
      EXPECT_EQ(program_->Windows(MainWindowClassName).size(), shown == 3 ? 1u : 0u);
    }));
  }
  EXPECT_FALSE(texts[0].empty());
  EXPECT_EQ(texts, std::vector(3, texts[0]));
}

}  // namespace
}  // namespace ilvorande::e2e
