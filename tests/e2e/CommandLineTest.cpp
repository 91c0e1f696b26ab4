// The command line at start-up: a preset digit switches the mode, then M
// minimises, F ends before any window shows; anything else gets the help.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver/HelpMessage.h"
#include "driver/MainWindowTexts.h"
#include "driver/ProgramTest.h"
#include "driver/Text.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {
namespace {

constexpr ScreenSize k1024x768{1024, 768};
constexpr ScreenSize k1280x1024{1280, 1024};
constexpr ScreenSize k1280x800{1280, 800};

std::string Quoted(const wchar_t* arguments) {
  return "command line \"" + Narrow(arguments) + "\"";
}

class CommandLine : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (!HasFatalFailure()) RequireModes({k1024x768, k1280x1024, k1280x800});
  }

  // The main window once shown, holding the mode in force and the saved one.
  void ExpectWindowShowing(ScreenSize mode, bool minimised, std::optional<ScreenSize> saved) {
    EXPECT_EQ(main_.IsMinimised(), minimised) << "minimised";
    EXPECT_TRUE(program().MessageDialogs().empty()) << DescribeMessageDialogs();
    EXPECT_EQ(CurrentDisplaySize(), mode);
    ExpectXServerSize(mode);
    EXPECT_EQ(Control(IdLabel1).Text(), ModeLabelText(mode));
    const Window restore = Control(IdCommand5);
    EXPECT_EQ(restore.IsEnabled(), saved.has_value());
    EXPECT_EQ(restore.Text(), saved ? RestoreCaption(*saved) : L"Restaurer");
  }
};

TEST_F(CommandLine, SuffixFSwitchesAndEndsWithoutShowingAWindow) {
  // The help writes its quotation marks as two apostrophes after the suffix.
  const wchar_t* const cases[] = {L"/4F", L"/4F''", L"\\4F"};
  for (const wchar_t* arguments : cases) {
    SCOPED_TRACE(Quoted(arguments));
    if (arguments != cases[0]) {
      ASSERT_NO_FATAL_FAILURE(BackToStart());
    }
    Program& started = Launch(arguments);
    ASSERT_TRUE(started.Started());

    // From the launch to the end: a window shown even briefly is a fault.
    std::wstring shown;
    WaitUntil(
        [&] {
          for (const Window& window : started.TopLevelWindows()) {
            if (!window.IsVisible()) continue;
            wchar_t title[256] = {};
            GetWindowTextW(window.Handle(), title, 256);  // no message: the program may be busy
            shown = window.ClassName() + L" \"" + title + L"\"";
            return true;
          }
          return !started.IsRunning();
        },
        kStartTimeout);
    ASSERT_TRUE(shown.empty()) << "a window showed: " << Narrow(shown) << " "
                               << DescribeMessageDialogs();
    const auto status = started.WaitForExit(Millis(0));
    ASSERT_TRUE(status.has_value()) << "the program did not end";
    EXPECT_EQ(*status, 0u) << "exit status";
    EXPECT_TRUE(WaitForDisplaySize(k1024x768))
        << "the display is " << ::testing::PrintToString(CurrentDisplaySize());
    ExpectXServerSize(k1024x768);
  }
}

TEST_F(CommandLine, PresetDigitSwitchesThenShowsTheWindowAsTheSuffixSays) {
  struct Case {
    const wchar_t* arguments;
    ScreenSize mode;
    bool minimised;
  };
  const Case cases[] = {
      {L"/4M", k1024x768, true},
      {L"/7", k1280x1024, false},
      {L"/9", k1280x800, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Quoted(c.arguments));
    if (&c != &cases[0]) {
      ASSERT_NO_FATAL_FAILURE(BackToStart());
    }
    ASSERT_NO_FATAL_FAILURE(LaunchMain(c.arguments));
    // Restaurer offers the mode found before the start.
    ExpectWindowShowing(c.mode, c.minimised, Start());
  }
}

TEST_F(CommandLine, CustomDigitAtStartUpFindsEmptySizesAndSwitchesNothing) {
  ASSERT_NO_FATAL_FAILURE(LaunchMain(L"/8"));
  // The click ran all the same: a mode is saved.
  ExpectWindowShowing(Start(), false, Start());
}

TEST_F(CommandLine, NoMarkerAndNoDigitShowTheHelpTwiceThenTheWindow) {
  // Blanks alone are trimmed to nothing after the length has been checked.
  const wchar_t* const cases[] = {L"abc", L"   "};
  for (const wchar_t* arguments : cases) {
    SCOPED_TRACE(Quoted(arguments));
    if (arguments != cases[0]) {
      ASSERT_NO_FATAL_FAILURE(BackToStart());
    }
    Program& started = Launch(arguments);
    const std::wstring mainClass = Widen(MainWindowClassName);
    for (int round = 1; round <= 2; ++round) {
      SCOPED_TRACE(::testing::Message() << "help message " << round);
      // Stops early when the window shows instead.
      WaitUntil(
          [&] {
            return !started.MessageDialogs().empty() ||
                   started.WaitForWindow(mainClass, Millis(0)).Exists() || !started.IsRunning();
          },
          kStartTimeout);
      const auto dialog = started.WaitForMessageDialog(Millis(0));
      ASSERT_TRUE(dialog.has_value())
          << "no message box"
          << (started.IsRunning() ? "; the main window shows instead" : "; the program ended");
      ExpectCommandHelp(*dialog);
      for (const Window& main : started.TopLevelWindows(mainClass))
        EXPECT_FALSE(main.IsVisible()) << "the main window shows before start-up has ended";
      EXPECT_EQ(CurrentDisplaySize(), Start());
      ASSERT_TRUE(dialog->Press(IDOK));
      ASSERT_TRUE(WaitUntil([&] { return !dialog->Exists(); })) << "the box stays";
    }
    ASSERT_NO_FATAL_FAILURE(WaitForMain());
    ExpectWindowShowing(Start(), false, std::nullopt);
  }
}

}  // namespace
}  // namespace ilvorande::e2e
