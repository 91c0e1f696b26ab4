// An in-memory toolkit: message boxes are recorded and answered by the test.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tests/fakes/FakeDisplay.h"
#include "toolkit/Toolkit.h"

namespace ilvorande::testing {

struct ShownMessage {
  std::string text;
  std::uint32_t style;
  std::string title;
};

class FakeToolkit : public Toolkit {
 public:
  explicit FakeToolkit(ScreenState& screen) : screen_(screen) {}

  std::vector<ShownMessage> messages;
  // Answers given to the message boxes in turn; IDOK (1) when none is left.
  std::deque<int> answers;
  std::string commandLine;
  std::string appPath = "C:\\Programmes\\Ilvorande";
  std::string exeName = "Ilvorande";
  std::string decimalSeparator = ".";
  int doEventsCount = 0;
  std::vector<int> exitCodes;
  // Called on every message box, to look at the state it interrupts.
  std::function<void()> onMsgBox;

  int MsgBox(std::string_view text, std::uint32_t style, std::string_view title) override {
    messages.push_back({std::string(text), style, std::string(title)});
    if (onMsgBox) onMsgBox();
    if (answers.empty()) return 1;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::string CommandLine() override { return commandLine; }
  std::string AppPath() override { return appPath; }
  std::string AppExeName() override { return exeName; }
  AppVersion AppVersionNumbers() override { return {3, 1, 0}; }
  std::string DecimalSeparator() override { return decimalSeparator; }
  ScreenMetrics Screen() override {
    return {static_cast<float>(screen_.width) * 15.0f, static_cast<float>(screen_.height) * 15.0f,
            15.0f, 15.0f};
  }
  void DoEvents() override {
    ++doEventsCount;
    if (screen_.pending) {
      screen_.width = screen_.pendingWidth;
      screen_.height = screen_.pendingHeight;
      screen_.pending = false;
    }
  }
  void End(int exitCode) override { exitCodes.push_back(exitCode); }

 private:
  ScreenState& screen_;
};

}  // namespace ilvorande::testing
