// Base fixture of the end-to-end tests: no leftover program at the start,
// the program ended and the display put back in the mode found at the end.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "driver/Display.h"
#include "driver/Program.h"
#include "driver/Window.h"

namespace ilvorande::e2e {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Fatal unless the display offers each size and none is the start mode.
  void RequireModes(std::initializer_list<ScreenSize> sizes) const;

  // Starts the program; a test runs one program at a time.
  Program& Launch(std::wstring_view arguments = {},
                  const std::filesystem::path& executable = Program::DefaultExecutable());
  // Waits for the launched program's main window, into main_; fatal if it
  // never shows.
  void WaitForMain();
  void LaunchMain(std::wstring_view arguments = {},
                  const std::filesystem::path& executable = Program::DefaultExecutable());
  Program& program() { return *program_; }
  Window Control(int id) const { return main_.Child(id); }

  const DisplayMode& StartMode() const { return startMode_; }
  ScreenSize Start() const { return startMode_.size; }
  // Between the cases of one test: the program gone, the start mode back.
  void BackToStart();
  // Title and text of every message box now, for failure messages.
  std::string DescribeMessageDialogs() const;

  // The X server agrees (xrandr); nothing to ask outside Wine.
  static void ExpectXServerSize(ScreenSize size);
  // A caption with a close box, no minimise or maximise box, no sizing border.
  static void ExpectFixedFrame(const Window& window);
  // Twips of the layout tables in pixels at that resolution.
  static int Px(int twips, UINT dpi);
  // Centred on the area, to a pixel either way.
  static bool CentredIn(const RECT& frame, const RECT& area);

  Window main_;

 private:
  std::optional<Program> program_;
  DisplayMode startMode_;
};

// Suites whose every test starts with the program's main window shown.
class MainWindowTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (!HasFatalFailure()) LaunchMain();
  }
};

}  // namespace ilvorande::e2e
