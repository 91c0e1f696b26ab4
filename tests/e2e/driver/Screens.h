// The two-screen display's outputs through xrandr: each screen's mode from
// its own line (the "Screen 0" line is the bounding box of both), a second
// screen attached and detached, and every screen put back after a test.
#pragma once

#include <map>
#include <regex>

#include "driver/Driver.h"

namespace ilvorande::e2e {

// What an output shows: its mode and its place on the desktop.
struct OutputMode {
  Size size;
  POINT place;
};

// "DUMMY1 connected 1024x768+1600+0 ..." for each output that is on.
inline std::map<std::string, OutputMode> XrandrOutputs() {
  std::istringstream text(RunOnHost("xrandr --current").value_or(""));
  static const std::regex output(R"(^(DUMMY\d+) connected (?:primary )?(\d+)x(\d+)\+(\d+)\+(\d+))");
  std::map<std::string, OutputMode> outputs;
  std::smatch found;
  for (std::string line; std::getline(text, line);) {
    if (!std::regex_search(line, found, output)) continue;
    outputs[found[1]] = {{std::stoi(found[2]), std::stoi(found[3])},
                         {std::stoi(found[4]), std::stoi(found[5])}};
  }
  return outputs;
}

// The outputs' sizes alone: Wine places a screen by rules of its own.
inline std::map<std::string, Size> XrandrScreenSizes() {
  std::map<std::string, Size> sizes;
  for (const auto& [name, mode] : XrandrOutputs()) sizes[name] = mode.size;
  return sizes;
}

inline bool AttachSecondScreen() {
  return RunOnHost(
             "xrandr --addmode DUMMY1 1024x768; "
             "xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0")
      .has_value();
}

inline bool DetachSecondScreen() {
  return RunOnHost("xrandr --output DUMMY1 --off").has_value();
}

// Each test ends its program and puts every output back as it found it.
class TwoScreensTest : public ::testing::Test {
 protected:
  void SetUp() override {
    start_ = XrandrOutputs();
    ASSERT_EQ(start_.size(), 2u) << "not the two-screen display";
  }

  void TearDown() override {
    program_.reset();
    std::string command = "xrandr";
    for (const auto& [name, mode] : XrandrOutputs()) {
      if (!start_.contains(name)) command += " --output " + name + " --off";
    }
    for (const auto& [name, mode] : start_) {
      command += " --output " + name + " --mode " + std::to_string(mode.size.width) + "x" +
                 std::to_string(mode.size.height) + " --pos " + std::to_string(mode.place.x) + "x" +
                 std::to_string(mode.place.y);
    }
    std::string why;
    EXPECT_TRUE(RunOnHost(command, &why)) << why;
    EXPECT_EQ(XrandrOutputs().size(), start_.size());
  }

  std::optional<Program> program_;
  std::map<std::string, OutputMode> start_;
};

}  // namespace ilvorande::e2e
