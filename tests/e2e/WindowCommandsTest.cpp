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

class WindowCommands : public MainWindowTest {};

TEST_F(WindowCommands, QuitterEndsTheProgramAndKeepsTheModeSwitchedTo) {
  ASSERT_NO_FATAL_FAILURE(RequireModes({k1024x768}));
  ASSERT_TRUE(Control(ChangeId(4)).Click());
  ASSERT_TRUE(WaitForDisplaySize(k1024x768)) << DescribeMessageDialogs();
  ASSERT_TRUE(WaitUntil([&] { return Control(IdCommand5).IsEnabled(); }))
      << "the switch did not end";

  ASSERT_TRUE(Control(IdCommand3).Click());
  EXPECT_EQ(program().WaitForExit(), std::optional<DWORD>(0)) << "exit status";
  EXPECT_EQ(CurrentDisplaySize(), k1024x768) << "quitting must not restore the mode";
  ExpectXServerSize(k1024x768);
}

TEST_F(WindowCommands, InfoLigneDeCommandeShowsTheHelpAndTheWindowStays) {
  ASSERT_TRUE(Control(IdCommand1).Click());
  const auto dialog = program().WaitForMessageDialog();
  ASSERT_TRUE(dialog.has_value()) << "no message box";
  ExpectCommandHelp(*dialog);
  EXPECT_FALSE(main_.IsEnabled()) << "the box must hold the main window";

  ASSERT_TRUE(dialog->Press(IDOK));
  EXPECT_TRUE(WaitUntil([&] { return program().MessageDialogs().empty(); })) << "the box stays";
  EXPECT_TRUE(WaitUntil([&] { return main_.IsEnabled(); })) << "the main window stays disabled";
  EXPECT_TRUE(program().IsRunning());
  EXPECT_TRUE(main_.IsVisible());
  EXPECT_EQ(CurrentDisplaySize(), Start());
  EXPECT_EQ(Control(IdLabel1).Text(), ModeLabelText(Start()));
}

}  // namespace
}  // namespace ilvorande::e2e
