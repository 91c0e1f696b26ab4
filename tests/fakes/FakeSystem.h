// The display, the toolkit and the shell in memory: the test scripts the
// system's answers and reads back what the program asked of it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/display/DisplaySettings.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande::testing {

struct ModeRequest {
  std::int32_t width, height;
  std::int16_t depth;
  int screen = 1;
  bool operator==(const ModeRequest&) const = default;
};

struct ShownMessage {
  std::string text;
  MessageStyle style;
  std::string title;
  bool operator==(const ShownMessage&) const = default;
};

// What the fake's EndProcess throws, as the real one never returns.
struct ProcessEnded {
  int exitCode;
};

struct OpenedAddress {
  WindowHandle owner;
  bool mail;  // else a web page
  std::string address, folder;
  bool operator==(const OpenedAddress&) const = default;
};

class FakeSystem : public DisplaySettings, public Toolkit, public Shell {
 public:
  // The display: the primary's size and depth, and with two screens or
  // more, all of them (the primary's size and depth are read from above);
  // with none listed, the primary alone is screen 1.
  ScreenSize screen{1600, 1200};
  std::int32_t depth = 32;
  std::vector<AttachedScreen> screens;
  std::deque<SwitchAnswer> answers;         // Switched once none is left
  std::vector<ModeRequest> switches;        // of the primary
  std::vector<ModeRequest> screenSwitches;  // of the others
  int enumerations = 0;
  int restarts = 0;

  // The toolkit.
  std::string commandLine;
  std::string appFolder = "C:\\Programmes\\Ilvorande";
  std::string appBaseName = "Ilvorande";
  AppVersion version{3, 1, 0};
  std::string decimalSeparator = ".";
  std::vector<ShownMessage> messages;
  std::deque<MessageAnswer> messageAnswers;  // Other once none is left
  std::vector<int> exitCodes;
  // Clicks and keys that arrive while a switch's messages are processed,
  // each handled to its end there, in order.
  std::deque<std::function<void()>> waitingInput;

  // The shell.
  std::optional<std::string> desktop = "C:\\Users\\Zoë\\Desktop";
  bool expansionFails = false;
  std::vector<ShellLink> links;
  std::vector<OpenedAddress> opened;

  std::int32_t CurrentDepth() override { return depth; }
  SwitchAnswer Switch(std::int32_t width, std::int32_t height, std::int16_t bits) override {
    switches.push_back({width, height, bits});
    const SwitchAnswer answer = Next(answers, SwitchAnswer::Switched);
    // The metrics follow once the change's messages have been processed.
    if (answer == SwitchAnswer::Switched) pendingScreen_ = ScreenSize{width, height};
    return answer;
  }
  int AttachedScreenCount() override {
    return screens.empty() ? 1 : static_cast<int>(screens.size());
  }
  std::vector<AttachedScreen> AttachedScreens() override {
    ++enumerations;
    if (screens.empty()) return {{1, true, screen.width, screen.height, depth}};
    std::vector<AttachedScreen> attached = screens;
    for (auto& primary : attached) {
      if (primary.primary) primary = {primary.number, true, screen.width, screen.height, depth};
    }
    return attached;
  }
  SwitchAnswer SwitchScreen(int number, std::int32_t width, std::int32_t height,
                            std::int16_t bits) override {
    screenSwitches.push_back({width, height, bits, number});
    const SwitchAnswer answer = Next(answers, SwitchAnswer::Switched);
    if (answer == SwitchAnswer::Switched) pendingScreens_[number] = ScreenSize{width, height};
    return answer;
  }
  void RequestRestart() override { ++restarts; }

  MessageAnswer ShowMessage(std::string_view text, MessageStyle style,
                            std::string_view title) override {
    messages.push_back({std::string(text), style, std::string(title)});
    return Next(messageAnswers, MessageAnswer::Other);
  }
  std::string CommandLine() override { return commandLine; }
  std::string AppFolder() override { return appFolder; }
  std::string AppBaseName() override { return appBaseName; }
  AppVersion Version() override { return version; }
  std::string DecimalSeparator() override { return decimalSeparator; }
  ScreenSize Screen() override { return screen; }
  void ProcessWaitingMessages() override {
    if (pendingScreen_) screen = *std::exchange(pendingScreen_, std::nullopt);
    for (const auto& [number, size] : std::exchange(pendingScreens_, {})) {
      for (auto& other : screens) {
        if (other.number == number) other.width = size.width, other.height = size.height;
      }
    }
    for (auto waiting = std::exchange(waitingInput, {}); auto& input : waiting) input();
  }
  [[noreturn]] void EndProcess(int exitCode) override {
    exitCodes.push_back(exitCode);
    throw ProcessEnded{exitCode};
  }

  std::optional<std::string> DesktopFolder() override { return desktop; }
  std::optional<std::string> ExpandEnvironment(std::string_view text) override {
    if (expansionFails) return std::nullopt;
    std::string result(text);  // the first %SystemRoot%, as C:\Windows
    constexpr std::string_view root = "%SystemRoot%";
    if (const auto at = result.find(root); at != std::string::npos)
      result.replace(at, 12, "C:\\Windows");
    return result;
  }
  void WriteLink(const ShellLink& link) override { links.push_back(link); }
  void OpenWebPage(WindowHandle owner, std::string_view address, std::string_view folder) override {
    opened.push_back({owner, false, std::string(address), std::string(folder)});
  }
  void WriteMail(WindowHandle owner, std::string_view address, std::string_view folder) override {
    opened.push_back({owner, true, std::string(address), std::string(folder)});
  }

 private:
  template <typename Answer>
  static Answer Next(std::deque<Answer>& queue, Answer otherwise) {
    if (queue.empty()) return otherwise;
    const Answer answer = queue.front();
    queue.pop_front();
    return answer;
  }

  std::optional<ScreenSize> pendingScreen_;
  std::map<int, ScreenSize> pendingScreens_;
};

}  // namespace ilvorande::testing
