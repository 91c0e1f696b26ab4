// Mode buttons, the custom row and "Restaurer" against the real display.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/MainWindowTexts.h"
#include "driver/ProgramTest.h"
#include "driver/Text.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {
namespace {

constexpr ScreenSize k1024x768{1024, 768};
constexpr ScreenSize k800x600{800, 600};
constexpr ScreenSize k640x480{640, 480};
constexpr ScreenSize kMissingMode{1000, 700};

constexpr int kButton1024x768 = ChangeId(4);
constexpr int kButton800x600 = ChangeId(5);
constexpr int kButton640x480 = ChangeId(6);
constexpr int kButtonCustom = ChangeId(8);

class ModeSwitching : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NO_FATAL_FAILURE(RequireModes({k1024x768, k800x600, k640x480}));
    ASSERT_FALSE(HasDisplaySize(kMissingMode)) << "the display must refuse this mode";
    LaunchMain();
  }

  // The display reaches the mode and the window shows it. A message box
  // instead ends the test at once rather than at every later deadline.
  void ExpectModeShown(ScreenSize size) {
    WaitUntil([&] { return CurrentDisplaySize() == size || !program().MessageDialogs().empty(); });
    ASSERT_TRUE(program().MessageDialogs().empty()) << DescribeMessageDialogs();
    ASSERT_EQ(CurrentDisplaySize(), size) << "the display did not reach the mode";
    const Window label1 = Control(IdLabel1);
    EXPECT_TRUE(WaitUntil([&] { return label1.Text() == ModeLabelText(size); }))
        << "Label1 reads \"" << Narrow(label1.Text()) << "\"";
    ExpectXServerSize(size);
  }

  void ClickAndExpectMode(int buttonId, ScreenSize size) {
    SCOPED_TRACE(::testing::Message()
                 << "button " << buttonId << " to " << ::testing::PrintToString(size));
    const Window button = Control(buttonId);
    ASSERT_TRUE(button.Exists());
    ASSERT_TRUE(button.Click());
    ASSERT_NO_FATAL_FAILURE(ExpectModeShown(size));
  }

  void ExpectRestoreOffers(ScreenSize size) {
    const Window restore = Control(IdCommand5);
    EXPECT_TRUE(WaitUntil([&] { return restore.IsEnabled(); })) << "Restaurer stays disabled";
    EXPECT_TRUE(WaitUntil([&] { return restore.Text() == RestoreCaption(size); }))
        << "Restaurer reads \"" << Narrow(restore.Text()) << "\"";
  }

  void TypeCustomMode(const std::wstring& width, const std::wstring& height) {
    ASSERT_TRUE(Control(IdText1).SetText(width));
    ASSERT_TRUE(Control(IdText2).SetText(height));
  }
};

TEST_F(ModeSwitching, PresetSwitchesAndRestaurerOffersTheStartMode) {
  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButton1024x768, k1024x768));
  ExpectRestoreOffers(Start());

  // A second switch keeps the mode saved by the first.
  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButton800x600, k800x600));
  ExpectRestoreOffers(Start());
}

TEST_F(ModeSwitching, RestaurerReturnsToTheStartModeEveryTime) {
  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButton1024x768, k1024x768));
  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButton800x600, k800x600));
  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(IdCommand5, Start()));

  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButton640x480, k640x480));
  ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(IdCommand5, Start()));
  ExpectRestoreOffers(Start());
}

TEST_F(ModeSwitching, CustomRowSwitchesToTheTypedMode) {
  struct Case {
    const wchar_t* width;
    const wchar_t* height;
    ScreenSize expected;
  };
  // In turn, so that each one changes the mode.
  const Case cases[] = {
      {L" 800 ", L"600.4", k800x600},  // blanks ignored, fraction rounded
      {L"1024", L"768", k1024x768},
      {L"800.5", L"600", k800x600},  // a half goes to the even neighbour
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "\"" << Narrow(c.width) << "\" x \"" << Narrow(c.height) << "\"");
    TypeCustomMode(c.width, c.height);
    ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButtonCustom, c.expected));
    ExpectRestoreOffers(Start());
  }
}

TEST_F(ModeSwitching, CustomWidthThatIsNotANumberSwitchesNothing) {
  const wchar_t* const widths[] = {L"abc", L"", L"12abc"};
  for (const wchar_t* width : widths) {
    SCOPED_TRACE(::testing::Message() << "width \"" << Narrow(width) << "\"");
    // A fresh program each time: Restaurer's enabling marks the end of the click.
    if (width != widths[0]) {
      ASSERT_NO_FATAL_FAILURE(LaunchMain());
    }
    TypeCustomMode(width, L"600");
    ASSERT_TRUE(Control(kButtonCustom).Click());

    const Window restore = Control(IdCommand5);
    WaitUntil([&] { return restore.IsEnabled() || !program().MessageDialogs().empty(); });
    ASSERT_TRUE(program().MessageDialogs().empty()) << DescribeMessageDialogs();
    ExpectRestoreOffers(Start());
    EXPECT_EQ(Control(IdLabel1).Text(), ModeLabelText(Start()));
    EXPECT_EQ(CurrentDisplaySize(), Start());
  }
}

TEST_F(ModeSwitching, ModeTheDisplayLacksIsRefusedWithAMessage) {
  TypeCustomMode(std::to_wstring(kMissingMode.width), std::to_wstring(kMissingMode.height));
  ASSERT_TRUE(Control(kButtonCustom).Click());

  const auto dialog = program().WaitForMessageDialog();
  ASSERT_TRUE(dialog.has_value()) << "no message box";
  EXPECT_EQ(dialog->Title(), L"D\u00e9sol\u00e9");
  EXPECT_EQ(dialog->Message(), L"Votre carte graphique n'accepte pas cette r\u00e9solution");
  EXPECT_EQ(dialog->WaitForIcon(), DialogIcon::Error);
  EXPECT_EQ(dialog->ButtonIds(), std::vector<int>{IDOK});
  EXPECT_FALSE(main_.IsEnabled()) << "the box must hold the main window";
  EXPECT_EQ(CurrentDisplaySize(), Start());
  ExpectXServerSize(Start());

  ASSERT_TRUE(dialog->Press(IDOK));
  EXPECT_TRUE(WaitUntil([&] { return program().MessageDialogs().empty(); }));
  // The click's handler goes on after the box.
  ExpectRestoreOffers(Start());
  EXPECT_EQ(Control(IdLabel1).Text(), ModeLabelText(Start()));
  EXPECT_EQ(CurrentDisplaySize(), Start());
}

TEST_F(ModeSwitching, ClosingTheWindowEndsTheProgramAndKeepsTheMode) {
  struct Case {
    const char* how;
    UINT message;
    WPARAM wparam;
  };
  const Case cases[] = {
      {"close box", WM_SYSCOMMAND, SC_CLOSE},
      {"WM_CLOSE", WM_CLOSE, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    if (&c != &cases[0]) {
      ASSERT_NO_FATAL_FAILURE(BackToStart());
      ASSERT_NO_FATAL_FAILURE(LaunchMain());
    }
    ASSERT_NO_FATAL_FAILURE(ClickAndExpectMode(kButton1024x768, k1024x768));

    ASSERT_TRUE(main_.Post(c.message, c.wparam));
    EXPECT_TRUE(program().WaitForExit().has_value()) << "the program did not end";
    EXPECT_EQ(CurrentDisplaySize(), k1024x768) << "closing must not restore the mode";
    ExpectXServerSize(k1024x768);
  }
}

// The switch processes waiting messages, so a close queued behind the click
// destroys the window while the click's handler still has work to do.
TEST_F(ModeSwitching, CloseQueuedBehindAClickEndsCleanly) {
  ASSERT_TRUE(Control(kButton1024x768).Click());
  ASSERT_TRUE(main_.Post(WM_CLOSE));
  const auto exitCode = program().WaitForExit();
  ASSERT_TRUE(exitCode.has_value()) << "the program did not end";
  EXPECT_EQ(*exitCode, 0u) << "the program crashed";
  EXPECT_EQ(CurrentDisplaySize(), k1024x768);
}

}  // namespace
}  // namespace ilvorande::e2e
