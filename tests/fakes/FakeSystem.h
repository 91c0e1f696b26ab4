// The display, the toolkit and the shell in memory, their answers scripted.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "core/display/DisplaySettings.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande::testing {

// clang-format off
struct ModeRequest {
  std::int32_t width, height; std::int16_t depth;
  std::optional<int> otherScreen = std::nullopt;  // none: the primary
  bool operator==(const ModeRequest&) const = default;
};
struct ShownMessage { std::string text; MessageStyle style; std::string title; bool operator==(const ShownMessage&) const = default; };
struct ProcessEnded { int exitCode; };  // thrown by EndProcess, as the real one never returns
struct OpenedAddress {
  WindowHandle owner; bool mail;  // else a web page
  std::string address, folder;
  bool operator==(const OpenedAddress&) const = default;
};
// clang-format on

class FakeSystem : public DisplaySettings, public Toolkit, public Shell {
 public:
  // A switched screen takes its new mode once the switch's messages are processed.
  std::vector<AttachedScreen> screens{{1, true, 1600, 1200, 32}};
  std::deque<SwitchAnswer> answers;  // Switched once none is left
  std::vector<ModeRequest> switches;
  int enumerations = 0, restarts = 0;

  std::string commandLine, appFolder = "C:\\Programmes\\Ilvorande", appBaseName = "Ilvorande",
                           decimalSeparator = ".";
  AppVersion version{3, 1, 0};
  std::vector<ShownMessage> messages;
  std::deque<MessageAnswer> messageAnswers;  // Other once none is left
  std::vector<int> exitCodes;
  // Clicks and keys arriving while a switch's messages are processed, each handled there.
  std::deque<std::function<void()>> waitingInput;

  std::optional<std::string> desktop = "C:\\Users\\Zoë\\Desktop";
  bool expansionFails = false;
  std::vector<ShellLink> links;
  std::vector<OpenedAddress> opened;

  // clang-format off
  ScreenSize PrimarySize() override { return {Primary().width, Primary().height}; }
  std::int32_t PrimaryDepth() override { return Primary().depth; }
  int AttachedScreenCount() override { return static_cast<int>(screens.size()); }
  std::vector<AttachedScreen> AttachedScreens() override { return ++enumerations, screens; }
  SwitchAnswer Switch(std::optional<int> otherScreen, std::int32_t width, std::int32_t height, std::int16_t bits) override {
    switches.push_back({width, height, bits, otherScreen});
    const SwitchAnswer answer = Next(answers, SwitchAnswer::Switched);
    if (answer == SwitchAnswer::Switched) pending_.push_back({otherScreen, {width, height}});
    return answer;
  }
  void RequestRestart() override { ++restarts; }
  MessageAnswer ShowMessage(std::string_view text, MessageStyle style, std::string_view title) override {
    messages.push_back({std::string(text), style, std::string(title)});
    return Next(messageAnswers, MessageAnswer::Other);
  }
  std::string CommandLine() override { return commandLine; }
  std::string AppFolder() override { return appFolder; }
  std::string AppBaseName() override { return appBaseName; }
  AppVersion Version() override { return version; }
  std::string DecimalSeparator() override { return decimalSeparator; }
  void ProcessWaitingMessages() override {
    for (const auto& [otherScreen, size] : std::exchange(pending_, {}))
      for (auto& screen : screens)
        if (otherScreen ? screen.number == *otherScreen : screen.primary) screen.width = size.width, screen.height = size.height;
    for (auto waiting = std::exchange(waitingInput, {}); auto& input : waiting) input();
  }
  [[noreturn]] void EndProcess(int exitCode) override { exitCodes.push_back(exitCode), throw ProcessEnded{exitCode}; }
  std::optional<std::string> DesktopFolder() override { return desktop; }
  std::optional<std::string> ExpandEnvironment(std::string_view text) override {
    if (expansionFails) return std::nullopt;
    return std::regex_replace(std::string(text), std::regex("%SystemRoot%"), "C:\\Windows", std::regex_constants::format_first_only);
  }
  void WriteLink(const ShellLink& link) override { links.push_back(link); }
  void OpenWebPage(WindowHandle owner, std::string_view address, std::string_view folder) override { opened.push_back({owner, false, std::string(address), std::string(folder)}); }
  void WriteMail(WindowHandle owner, std::string_view address, std::string_view folder) override { opened.push_back({owner, true, std::string(address), std::string(folder)}); }
  // clang-format on

 private:
  template <typename Answer>
  static Answer Next(std::deque<Answer>& queue, Answer otherwise) {
    if (queue.empty()) return otherwise;
    const Answer answer = queue.front();
    return queue.pop_front(), answer;
  }

  AttachedScreen& Primary() { return *std::ranges::find(screens, true, &AttachedScreen::primary); }

  std::vector<std::pair<std::optional<int>, ScreenSize>> pending_;
};

}  // namespace ilvorande::testing
