#include <gtest/gtest.h>

#include <optional>

#include "mainwindow/CustomNumber.h"

namespace ilvorande {
namespace {

struct Case {
  const char* text;
  const char* separator;
  std::optional<std::int32_t> expected;
  friend void PrintTo(const Case& c, std::ostream* out) {
    *out << '"' << c.text << "\" with '" << c.separator << "'";
  }
};

class CustomNumber : public ::testing::TestWithParam<Case> {};

TEST_P(CustomNumber, Converts) {
  const auto& c = GetParam();
  EXPECT_EQ(ConvertCustomNumber(c.text, c.separator), c.expected)
      << "text '" << c.text << "' separator '" << c.separator << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CustomNumber,
    ::testing::Values(
        // Blanks around the number only.
        Case{"1024", ".", 1024}, Case{" 800 ", ".", 800}, Case{"\t640\t", ".", 640},
        Case{"8 00", ".", std::nullopt},
        // Halves go to the even neighbour, decided on the digits themselves.
        Case{"600.4", ".", 600}, Case{"600.5", ".", 600}, Case{"601.5", ".", 602},
        Case{"600.50000001", ".", 601}, Case{"600.6", ".", 601}, Case{"0.5", ".", 0},
        Case{".5", ".", 0}, Case{"1.", ".", 1}, Case{"-2.5", ".", -2}, Case{"+7", ".", 7},
        // The user's separator, and only it.
        Case{"600,4", ",", 600}, Case{"600.4", ",", std::nullopt}, Case{"600,4", ".", std::nullopt},
        Case{"1\xC2\xA0"
             "5",
             "\xC2\xA0", 2},
        // Failures: empty, words, stray signs, out of range.
        Case{"", ".", std::nullopt}, Case{"   ", ".", std::nullopt}, Case{"abc", ".", std::nullopt},
        Case{"12abc", ".", std::nullopt}, Case{".", ".", std::nullopt},
        Case{"-", ".", std::nullopt}, Case{"1e3", ".", std::nullopt},
        Case{"2147483647", ".", 2147483647}, Case{"2147483647.4", ".", 2147483647},
        Case{"2147483647.5", ".", std::nullopt}, Case{"2147483648", ".", std::nullopt},
        Case{"-2147483648", ".", -2147483647 - 1}, Case{"-2147483648.5", ".", -2147483647 - 1},
        Case{"-2147483649", ".", std::nullopt}, Case{"99999999999999999999999", ".", std::nullopt}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace ilvorande
