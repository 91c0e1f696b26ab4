// Texts that come from the user: the typed-in sizes and the command line.
#include <gtest/gtest.h>

#include <tuple>

#include "core/mainwindow/CommandLine.h"
#include "core/mainwindow/CustomNumber.h"
#include "core/toolkit/ArgumentPart.h"
#include "core/toolkit/Utf8.h"

namespace ilvorande {
namespace {

// Blanks, halves and the separators of whole numbers are the fuzzer's
// properties; here the rest of the rounding, the limits and the refusals.
TEST(CustomNumber, RoundsHalvesToEvenAndRefusesWhatIsNotANumber) {
  const std::tuple<const char*, const char*, std::optional<std::int32_t>> cases[] = {
      {"600.4", ".", 600},
      {"600.50001", ".", 601},
      {".5", ".", 0},
      {"1.5", ",", std::nullopt},
      {"2147483647", ".", 2147483647},
      {"2147483647.4", ".", 2147483647},
      {"2147483647.5", ".", std::nullopt},
      {"-2147483648.5", ".", -2147483647 - 1},
      {"99999999999999999999", ".", std::nullopt},
      {"", ".", std::nullopt},
      {"  ", ".", std::nullopt},
      {".", ".", std::nullopt},
      {"largeur", ".", std::nullopt},
      {"12abc", ".", std::nullopt},
      {"1 024", ".", std::nullopt},
      {"1e3", ".", std::nullopt},
  };
  for (const auto& [text, separator, value] : cases) {
    EXPECT_EQ(ConvertCustomNumber(text, separator), value) << text << " with " << separator;
  }
}

TEST(ArgumentPart, SplitsOffTheProgramsPathAndOneBlank) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Outils\\Ilvorande.exe /4F", "/4F"},
      {"\"C:\\Program Files\\Ilvorande.exe\" /4F", "/4F"},
      {"\"C:\\Program Files\\Ilvorande.exe\"/4F", "/4F"},
      {"Ilvorande.exe    ", "   "},
      {"Ilvorande.exe", ""},
      {"\"C:\\sans fin", ""},
  };
  for (const auto& [full, arguments] : cases) EXPECT_EQ(ArgumentPart(full), arguments) << full;
}

// Only blanks (character 32) are trimmed, at both ends; a tab is part of the
// text. "@" and digits right after the button's digit name a screen; the
// suffix is read from what follows them, as without.
TEST(CommandLineText, AScreenNumberFollowsTheDigitAfterAnAt) {
  using enum AfterSwitch;
  const std::optional<NamedScreen> primary;
  const auto screen = [](std::optional<int> number, std::string digits) {
    return std::optional(NamedScreen{number, std::move(digits)});
  };
  // clang-format off
  const struct { const char* text; bool helpForMissingMarker; std::optional<int> buttonIndex; std::optional<NamedScreen> screen; AfterSwitch after; } cases[] = {
      {"/4F ", false, 4, primary, End},
      {"  /4F  ", false, 4, primary, End},
      {" 4F", true, 4, primary, End},
      {"/4F\t", false, 4, primary, LeaveState},
      {"\\4f", false, 4, primary, End},
      {"/4F''", false, 4, primary, End},
      {"/4 F", false, 4, primary, End},
      {"/4'", false, 4, primary, ShowNormal},
      {"/40", false, 4, primary, ShowNormal},
      {"abc /4", false, 4, primary, ShowNormal},
      {"\\x/5", false, 5, primary, ShowNormal},
      {"/", false, std::nullopt, primary, LeaveState},
      {"   ", true, std::nullopt, primary, LeaveState},
      {"/4@2F", false, 4, screen(2, "2"), End},
      {"/4@007", false, 4, screen(7, "7"), ShowNormal},
      {"/4@000F", false, 4, screen(0, "0"), End},
      {"/4@2147483647", false, 4, screen(2147483647, "2147483647"), ShowNormal},
      {"/4@2147483648", false, 4, screen(std::nullopt, "2147483648"), ShowNormal},
      {"/8@2", false, 8, screen(2, "2"), ShowNormal},
      {"/4@F", false, 4, primary, End},
      {"/4@", false, 4, primary, LeaveState},
      {"/4x@2F", false, 4, primary, End},
      {"/4xyzM", false, 4, primary, ShowMinimized},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    const auto request = ParseCommandLine(c.text);
    ASSERT_TRUE(request);
    EXPECT_EQ(std::tuple(request->helpForMissingMarker, request->buttonIndex, request->screen,
                         request->after),
              std::tuple(c.helpForMissingMarker, c.buttonIndex, c.screen, c.after));
  }
}

// Each byte that cannot be read as part of a well-formed sequence becomes
// one U+FFFD, and what follows it is read afresh.
TEST(Utf8, MalformedBytesEachBecomeOneReplacementCharacter) {
  const std::pair<std::string_view, std::u32string_view> cases[] = {
      {"A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"Aé€😀"},
      {"\x80", U"\uFFFD"},
      {"\xBF\xFF\xFE", U"\uFFFD\uFFFD\uFFFD"},
      {"\xC3", U"\uFFFD"},                 // cut short at the end
      {"\xE2\x82\x41", U"\uFFFD\uFFFDA"},  // cut short before an "A"
      {"\xF0\x9F\x98", U"\uFFFD\uFFFD\uFFFD"},
      {"\xC0\xAF", U"\uFFFD\uFFFD"},            // "/" in two bytes
      {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},  // in three
      {"\xF0\x80\x80\xAF", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // U+D800, a surrogate
      {"\xED\xBF\xBF", U"\uFFFD\uFFFD\uFFFD"},  // U+DFFF
      {"\xED\x9F\xBF", U"\uD7FF"},
      {"\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
      {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xF8\x88\x80\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const auto& [text, decoded] : cases) {
    EXPECT_EQ(DecodeUtf8(text), decoded) << ::testing::PrintToString(std::string(text));
  }
}

}  // namespace
}  // namespace ilvorande
