#include "core/mainwindow/CommandLine.h"

#include <charconv>
#include <string>
#include <system_error>

#include "core/toolkit/Utf8.h"

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
// Deliberate quirk: one apostrophe ("/4F'") makes the digit the suffix.
std::optional<char32_t> SuffixOf(std::u32string_view tail) {
  constexpr std::size_t BeforeQuotes = 3;  // "4F''": F is the third from the end
  if (tail.size() < 2) return std::nullopt;
  if (tail.back() != U'\'') return tail.back();
  // "/4'": no character stands there, so the tail has no suffix.
  if (tail.size() < BeforeQuotes) return std::nullopt;
  return tail[tail.size() - BeforeQuotes];
}

bool IsDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

// The digits after "@" in "4@2F", taken out of the tail ("4F"), whose suffix
// then reads as ever; nothing taken without "@" and a digit there.
std::optional<NamedScreen> TakeScreen(std::u32string& tail) {
  constexpr std::size_t ScreenMark = 1;  // right after the button's digit
  if (tail.size() <= ScreenMark + 1 || tail[ScreenMark] != U'@' || !IsDigit(tail[ScreenMark + 1])) {
    return std::nullopt;
  }
  std::size_t end = ScreenMark + 1;
  NamedScreen screen;
  for (; end < tail.size() && IsDigit(tail[end]); ++end) {
    if (screen.digits == "0") screen.digits.clear();  // leading zeros say nothing
    screen.digits += static_cast<char>(tail[end]);
  }
  tail.erase(ScreenMark, end - ScreenMark);
  int number = 0;
  const char* const first = screen.digits.data();
  if (std::from_chars(first, first + screen.digits.size(), number).ec == std::errc{}) {
    screen.number = number;
  }
  return screen;
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

}  // namespace

std::optional<CommandLineRequest> ParseCommandLine(std::string_view commandLine) {
  // Deliberate quirk: the length is tested before trimming, so blanks alone
  // still get the help, twice.
  if (commandLine.empty()) return std::nullopt;
  const std::u32string decoded = DecodeUtf8(commandLine);
  const std::u32string_view arguments = TrimSpaces(decoded);

  CommandLineRequest request;
  std::u32string tail(arguments);
  if (const auto marker = FindMarker(arguments)) {
    tail = arguments.substr(*marker + 1);
  } else {
    request.helpForMissingMarker = true;
  }
  if (tail.empty() || !IsDigit(tail.front())) return request;

  request.buttonIndex = static_cast<int>(tail.front() - U'0');
  request.screen = TakeScreen(tail);
  request.after = AfterSwitchFor(SuffixOf(tail));
  return request;
}

}  // namespace ilvorande
