// "Quitter" and "Info Ligne de commande" on the running main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "driver/HelpMessage.h"
#include "driver/MainWindowTexts.h"
#include "driver/ProgramTest.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {
namespace {

constexpr ScreenSize k1024x768{1024, 768};

class WindowCommands : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (HasFatalFailure()) return;
    Launch();
    main_ = WaitForMainWindow();
    ASSERT_TRUE(main_.Exists());
  }

  Window main_;
};

TEST_F(WindowCommands, QuitterEndsTheProgramAndKeepsTheModeSwitchedTo) {
  ASSERT_NE(StartMode().size, k1024x768) << "the test switches away from the start mode";
  ASSERT_TRUE(main_.Child(ChangeId(4)).Click());
  ASSERT_TRUE(WaitForDisplaySize(k1024x768)) << DescribeMessageDialogs();
  ASSERT_TRUE(WaitUntil([&] { return main_.Child(IdCommand5).IsEnabled(); }))
      << "the switch did not end";

  ASSERT_TRUE(main_.Child(IdCommand3).Click());
  EXPECT_EQ(program().WaitForExit(), std::optional<DWORD>(0)) << "exit status";
  EXPECT_EQ(CurrentDisplaySize(), k1024x768) << "quitting must not restore the mode";
  ExpectXServerSize(k1024x768);
}

TEST_F(WindowCommands, InfoLigneDeCommandeShowsTheHelpAndTheWindowStays) {
  ASSERT_TRUE(main_.Child(IdCommand1).Click());
  const auto dialog = program().WaitForMessageDialog();
  ASSERT_TRUE(dialog.has_value()) << "no message box";
  ExpectCommandHelp(*dialog);
  EXPECT_FALSE(main_.IsEnabled()) << "the box must hold the main window";

  ASSERT_TRUE(dialog->Press(IDOK));
  EXPECT_TRUE(WaitUntil([&] { return program().MessageDialogs().empty(); })) << "the box stays";
  EXPECT_TRUE(WaitUntil([&] { return main_.IsEnabled(); })) << "the main window stays disabled";
  EXPECT_TRUE(program().IsRunning());
  EXPECT_TRUE(main_.IsVisible());
  EXPECT_EQ(CurrentDisplaySize(), StartMode().size);
  EXPECT_EQ(main_.Child(IdLabel1).Text(), ModeLabelText(StartMode().size));
}

}  // namespace
}  // namespace ilvorande::e2e
