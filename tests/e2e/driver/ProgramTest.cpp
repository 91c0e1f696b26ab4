#include "driver/ProgramTest.h"

#include <cstdlib>
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

void ProgramTest::RequireModes(std::initializer_list<ScreenSize> sizes) const {
  for (ScreenSize size : sizes) {
    ASSERT_NE(Start(), size) << "the tests switch away from the start mode";
    ASSERT_TRUE(HasDisplaySize(size)) << "the display lacks a mode the tests need";
  }
}

void ProgramTest::BackToStart() {
  if (program_) program_->Terminate();
  ASSERT_EQ(SetDisplayMode(startMode_), DISP_CHANGE_SUCCESSFUL);
  ASSERT_TRUE(WaitForDisplaySize(Start()));
}

std::string ProgramTest::DescribeMessageDialogs() const {
  std::string description;
  if (!program_) return description;
  for (const Window& window : program_->TopLevelWindows(L"#32770")) {
    const MessageDialog dialog(window);
    description += "[" + Narrow(dialog.Title()) + ": " + Narrow(dialog.Message()) + "] ";
  }
  return description;
}

void ProgramTest::ExpectXServerSize(ScreenSize size) {
  if (!RunningUnderWine()) return;
  std::string why;
  const auto xSize = XrandrScreenSize(&why);
  ASSERT_TRUE(xSize.has_value()) << why;
  EXPECT_EQ(*xSize, size) << "the X server's size (xrandr)";
}

void ProgramTest::ExpectFixedFrame(const Window& window) {
  const LONG_PTR style = window.Style();
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0) << "system menu and close box";
  EXPECT_EQ(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0) << "the user must not resize the window";
}

int ProgramTest::Px(int twips, UINT dpi) {
  return TwipsToPixels(twips, static_cast<int>(dpi));
}

bool ProgramTest::CentredIn(const RECT& frame, const RECT& area) {
  return std::abs((frame.left + frame.right) - (area.left + area.right)) <= 2 &&
         std::abs((frame.top + frame.bottom) - (area.top + area.bottom)) <= 2;
}

Program& ProgramTest::Launch(std::wstring_view arguments, const std::filesystem::path& executable) {
  program_.reset();
  program_.emplace(arguments, executable);
  EXPECT_TRUE(program_->Started())
      << "cannot start " << executable.string() << ", error " << program_->StartError();
  return *program_;
}

void ProgramTest::WaitForMain() {
  ASSERT_TRUE(program_ && program_->Started()) << "no program was launched";
  main_ = program_->WaitForWindow(Widen(MainWindowClassName));
  ASSERT_TRUE(main_.Exists()) << "the main window was not shown"
                              << (program_->IsRunning() ? "" : "; the program has ended") << " "
                              << DescribeMessageDialogs();
}

void ProgramTest::LaunchMain(std::wstring_view arguments, const std::filesystem::path& executable) {
  Launch(arguments, executable);
  ASSERT_NO_FATAL_FAILURE(WaitForMain());
}

}  // namespace ilvorande::e2e
