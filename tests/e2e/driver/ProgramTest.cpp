#include "driver/ProgramTest.h"

#include <string>

#include "driver/Text.h"
#include "mainwindow/MainLayout.h"

namespace ilvorande::e2e {

namespace {

constexpr std::wstring_view kExeName = L"Ilvorande.exe";

}  // namespace

void ProgramTest::SetUp() {
  KillProcessesNamed(kExeName);
  startMode_ = CurrentDisplayMode();
  ASSERT_NO_FATAL_FAILURE(ExpectXServerSize(startMode_.size));
}

void ProgramTest::TearDown() {
  program_.reset();
  KillProcessesNamed(kExeName);
  // Always: a stale view of the mode must not leave the display changed.
  EXPECT_EQ(SetDisplayMode(startMode_), DISP_CHANGE_SUCCESSFUL);
  EXPECT_TRUE(WaitForDisplaySize(startMode_.size))
      << "the display did not return to " << ::testing::PrintToString(startMode_);
  ExpectXServerSize(startMode_.size);
}

std::string ProgramTest::DescribeMessageDialogs() {
  std::string description;
  if (!program_) return description;
  for (const MessageDialog& dialog : program_->MessageDialogs())
    description.append("[")
        .append(Narrow(dialog.Title()))
        .append(": ")
        .append(Narrow(dialog.Message()))
        .append("] ");
  return description;
}

void ProgramTest::ExpectXServerSize(ScreenSize size) {
  if (!RunningUnderWine()) return;
  std::string why;
  const auto xSize = XrandrScreenSize(&why);
  ASSERT_TRUE(xSize.has_value()) << why;
  EXPECT_EQ(*xSize, size) << "the X server's size (xrandr)";
}

Program& ProgramTest::Launch(std::wstring_view arguments) {
  program_.reset();
  program_.emplace(arguments);
  EXPECT_TRUE(program_->Started()) << "cannot start " << Program::DefaultExecutable().string()
                                   << ", error " << program_->StartError();
  return *program_;
}

Window ProgramTest::WaitForMainWindow() {
  if (!program_ || !program_->Started()) {
    ADD_FAILURE() << "no program was launched";
    return Window();
  }
  const Window window = program_->WaitForWindow(Widen(MainWindowClassName));
  if (!window.Exists())
    ADD_FAILURE() << "the main window (class " << MainWindowClassName << ") was not shown"
                  << (program_->IsRunning() ? "" : "; the program has ended");
  return window;
}

}  // namespace ilvorande::e2e
