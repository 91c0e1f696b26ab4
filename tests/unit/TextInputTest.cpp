// Texts that come from the user: the typed-in sizes and the command line.
#include <gtest/gtest.h>

#include "core/mainwindow/CustomNumber.h"
#include "core/toolkit/ArgumentPart.h"

namespace ilvorande {
namespace {

struct Conversion {
  const char* text;
  const char* separator;
  std::optional<std::int32_t> value;
};

TEST(CustomNumber, RoundsHalvesToEvenAndRefusesWhatIsNotANumber) {
  const Conversion cases[] = {
      {"1024", ".", 1024},
      {" 800 ", ".", 800},
      {"\t768\t", ".", 768},
      {"600.4", ".", 600},
      {"600.5", ".", 600},
      {"601.5", ".", 602},
      {"600.50001", ".", 601},
      {"0.5", ".", 0},
      {".5", ".", 0},
      {"7.", ".", 7},
      {"+12", ".", 12},
      {"-2.5", ".", -2},
      {"1,5", ",", 2},
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
  for (const auto& c : cases) {
    EXPECT_EQ(ConvertCustomNumber(c.text, c.separator), c.value)
        << '"' << c.text << "\" with \"" << c.separator << '"';
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

}  // namespace
}  // namespace ilvorande
