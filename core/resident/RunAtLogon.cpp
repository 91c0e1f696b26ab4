#include "core/resident/RunAtLogon.h"

#include <algorithm>

#include "core/toolkit/Utf8.h"

namespace ilvorande {

namespace {

constexpr std::string_view Arguments = " /8M";
constexpr char32_t Quote = U'"';

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t';
}

// Windows compares paths through its table of capitals; this covers the
// Latin, Greek and Cyrillic letters of the languages that write paths in them.
char32_t Capital(char32_t c) {
  constexpr char32_t CaseDistance = 0x20;
  constexpr char32_t CyrillicExtraDistance = 0x50;
  if (c == U'\u00FF') return U'\u0178';
  if (c == U'\u03C2') return U'\u03A3';  // the final sigma
  if ((c >= U'a' && c <= U'z') || (c >= U'\u00E0' && c <= U'\u00FE' && c != U'\u00F7') ||
      (c >= U'\u03B1' && c <= U'\u03CB') || (c >= U'\u0430' && c <= U'\u044F')) {
    return c - CaseDistance;
  }
  if (c >= U'\u0450' && c <= U'\u045F') return c - CyrillicExtraDistance;
  // Latin Extended-A pairs each capital with the small letter after it.
  constexpr std::u32string_view Unpaired = U"\u0131\u0138\u0149\u0178\u017F";
  if (c >= U'\u0100' && c <= U'\u017F' && Unpaired.find(c) == std::u32string_view::npos) {
    const bool capitalOdd = (c >= U'\u0139' && c <= U'\u0148') || c >= U'\u0179';
    if ((c % 2 == 0) == capitalOdd) return c - 1;
  }
  return c;
}

bool SamePath(std::u32string_view a, std::u32string_view b) {
  return std::ranges::equal(a, b, [](char32_t x, char32_t y) { return Capital(x) == Capital(y); });
}

}  // namespace

std::string RunValueData(std::string_view programPath) {
  std::string data = "\"";
  data.append(programPath).append("\"").append(Arguments);
  return data;
}

bool RunValueStartsProgram(std::string_view data, std::string_view programPath) {
  const std::u32string command = DecodeUtf8(data);
  const std::u32string path = DecodeUtf8(programPath);
  std::u32string_view rest(command);
  while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
  std::u32string_view named;
  if (!rest.empty() && rest.front() == Quote) {
    rest.remove_prefix(1);
    const auto closing = rest.find(Quote);
    if (closing == std::u32string_view::npos) return false;
    named = rest.substr(0, closing);
    rest.remove_prefix(closing + 1);
  } else {
    // Unquoted, the path may hold blanks of its own.
    named = rest.substr(0, path.size());
    rest.remove_prefix(named.size());
  }
  return (rest.empty() || IsBlank(rest.front())) && SamePath(named, path);
}

void ToggleStartWithWindows(RunAtLogon& run, std::string_view programPath) {
  const std::optional<std::string> data = run.ReadValue();
  if (data && RunValueStartsProgram(*data, programPath)) {
    run.DeleteValue();
  } else {
    run.WriteValue(RunValueData(programPath));
  }
}

}  // namespace ilvorande
