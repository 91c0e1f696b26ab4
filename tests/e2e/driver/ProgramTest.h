// Base fixture of the end-to-end tests: no leftover program at the start,
// the program ended and the display put back in the mode found at the end.
#pragma once

#include <gtest/gtest.h>

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

  // Starts Ilvorande.exe; a test runs one program at a time.
  Program& Launch(std::wstring_view arguments = {});
  Program& program() { return *program_; }
  // The launched program's main window once it is shown; a null Window
  // (and a recorded failure) if it never shows.
  Window WaitForMainWindow();

  const DisplayMode& StartMode() const { return startMode_; }
  // Title and text of every message box shown now, for failure messages.
  std::string DescribeMessageDialogs();

  // The X server agrees (xrandr); nothing to ask outside Wine.
  static void ExpectXServerSize(ScreenSize size);

 private:
  std::optional<Program> program_;
  DisplayMode startMode_;
};

}  // namespace ilvorande::e2e
