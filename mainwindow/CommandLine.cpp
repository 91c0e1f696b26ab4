#include "mainwindow/CommandLine.h"

#include <string>

#include "mainwindow/Ilvorande.h"
#include "toolkit/Utf8.h"

namespace ilvorande {

namespace {

std::u32string_view TrimSpaces(std::u32string_view text) {
  // Only the blank itself: tabs and other white space are part of the text.
  while (!text.empty() && text.front() == U' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == U' ') text.remove_suffix(1);
  return text;
}

std::optional<std::size_t> FindMarker(std::u32string_view text) {
  if (const auto slash = text.find(U'/'); slash != std::u32string_view::npos) return slash;
  if (const auto backslash = text.find(U'\\'); backslash != std::u32string_view::npos) {
    return backslash;
  }
  return std::nullopt;
}

// The last character, or, behind a closing apostrophe, the third from the end:
// the help writes its quotation marks as doubled apostrophes ("/4F''").
std::optional<char32_t> SuffixOf(std::u32string_view tail) {
  if (tail.size() < 2) return std::nullopt;
  if (tail.back() != U'\'') return tail.back();
  // "/4'": no character stands there, so the tail has no suffix.
  if (tail.size() == 2) return std::nullopt;
  return tail[tail.size() - 3];
}

char32_t UpperAscii(char32_t c) {
  return (c >= U'a' && c <= U'z') ? c - U'a' + U'A' : c;
}

AfterSwitch AfterSwitchFor(std::optional<char32_t> suffix) {
  if (!suffix || *suffix == U'0') return AfterSwitch::ShowNormal;
  switch (UpperAscii(*suffix)) {
    case U'M':
      return AfterSwitch::ShowMinimized;
    case U'F':
      return AfterSwitch::End;
    default:
      return AfterSwitch::LeaveState;
  }
}

bool IsSeparator(char c) {
  return c == ' ' || c == '\t';
}

}  // namespace

std::string_view ArgumentPart(std::string_view fullCommandLine) {
  std::size_t end = 0;
  if (fullCommandLine.starts_with('"')) {
    const auto closing = fullCommandLine.find('"', 1);
    end = closing == std::string_view::npos ? fullCommandLine.size() : closing + 1;
  } else {
    while (end < fullCommandLine.size() && !IsSeparator(fullCommandLine[end])) ++end;
  }
  auto arguments = fullCommandLine.substr(end);
  if (!arguments.empty() && IsSeparator(arguments.front())) arguments.remove_prefix(1);
  return arguments;
}

std::optional<CommandLineRequest> ParseCommandLine(std::string_view commandLine) {
  // The length is tested before trimming: blanks alone still get the help.
  if (commandLine.empty()) return std::nullopt;
  const std::u32string decoded = DecodeUtf8(commandLine);
  const std::u32string_view arguments = TrimSpaces(decoded);

  CommandLineRequest request;
  std::u32string_view tail = arguments;
  if (const auto marker = FindMarker(arguments)) {
    tail = arguments.substr(*marker + 1);
  } else {
    request.helpForMissingMarker = true;
  }
  if (tail.empty() || tail.front() < U'0' || tail.front() > U'9') return request;

  request.presetIndex = static_cast<std::int16_t>(tail.front() - U'0');
  request.after = AfterSwitchFor(SuffixOf(tail));
  return request;
}

void Ilvorande::HandleCommandLine() {
  const auto request = ParseCommandLine(toolkit_.CommandLine());
  if (!request) return;
  if (request->helpForMissingMarker) ShowCommandHelp();
  if (!request->presetIndex) {
    ShowCommandHelp();
    return;
  }
  Change_Click(*request->presetIndex);
  switch (request->after) {
    case AfterSwitch::ShowNormal:
      view_.SetWindowState(WindowState::Normal);
      break;
    case AfterSwitch::ShowMinimized:
      view_.SetWindowState(WindowState::Minimized);
      break;
    case AfterSwitch::End:
      Command3_Click();
      break;
    case AfterSwitch::LeaveState:
      break;
  }
}

}  // namespace ilvorande
