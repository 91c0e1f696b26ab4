#include <gtest/gtest.h>

#include <optional>

#include "helpabout/CommandHelp.h"
#include "mainwindow/CommandLine.h"
#include "tests/fakes/FormHarness.h"

namespace ilvorande::testing {
namespace {

constexpr auto Normal = WindowState::Normal;
constexpr auto Minimized = WindowState::Minimized;

struct Mode {
  std::uint32_t width, height;
  bool operator==(const Mode&) const = default;
};

struct Row {
  const char* commandLine;
  int helps;                 // help messages shown, in a row
  std::optional<Mode> mode;  // the mode switched to
  std::vector<WindowState> states;
  bool ended;
  friend void PrintTo(const Row& row, std::ostream* out) { *out << '"' << row.commandLine << '"'; }
};

class StartUpCommandLine : public ::testing::TestWithParam<Row> {};

TEST_P(StartUpCommandLine, SwitchesShowsAndEndsAsAsked) {
  const auto& row = GetParam();
  FormHarness h;
  h.toolkit.commandLine = row.commandLine;
  h.form.Form_Load();

  int helps = 0;
  for (const auto& m : h.toolkit.messages) {
    EXPECT_EQ(m.text, CommandHelpText());
    ++helps;
  }
  EXPECT_EQ(helps, row.helps);
  std::optional<Mode> mode;
  if (!h.display.changes.empty()) {
    mode = Mode{h.display.changes[0].record.dmPelsWidth, h.display.changes[0].record.dmPelsHeight};
  }
  EXPECT_EQ(mode, row.mode);
  EXPECT_EQ(h.view.windowStates, row.states);
  EXPECT_EQ(h.form.Ended(), row.ended);
  EXPECT_EQ(h.toolkit.exitCodes, row.ended ? std::vector<int>{0} : std::vector<int>{});
  EXPECT_EQ(h.view.destroyed, row.ended ? 1 : 0);
  // Nothing of the load runs after the end.
  EXPECT_EQ(h.Caption(IdText1).empty(), row.ended);
}

const Mode M1024{1024, 768};

INSTANTIATE_TEST_SUITE_P(
    Rows, StartUpCommandLine,
    ::testing::Values(
        Row{"", 0, std::nullopt, {}, false}, Row{"/4", 0, M1024, {Normal}, false},
        Row{"/4M", 0, M1024, {Minimized}, false}, Row{"/4m", 0, M1024, {Minimized}, false},
        Row{"/4F", 0, M1024, {}, true}, Row{"/4f", 0, M1024, {}, true},
        Row{"\\4F", 0, M1024, {}, true}, Row{"/4F''", 0, M1024, {}, true},
        Row{"/4F'", 0, M1024, {}, false}, Row{"/4xyzM", 0, M1024, {Minimized}, false},
        Row{"/10", 0, Mode{1400, 1050}, {Normal}, false},
        Row{"/8", 0, std::nullopt, {Normal}, false}, Row{"4F", 1, M1024, {}, true},
        Row{"abc /4", 0, M1024, {Normal}, false}, Row{"/M", 1, std::nullopt, {}, false},
        Row{"/", 1, std::nullopt, {}, false}, Row{"abc", 2, std::nullopt, {}, false},
        Row{"   ", 2, std::nullopt, {}, false}, Row{"/4MF", 0, M1024, {}, true},
        Row{"/44", 0, M1024, {}, false}, Row{"/4 F", 0, M1024, {}, true},
        Row{"/ 4", 1, std::nullopt, {}, false}, Row{"4", 1, M1024, {Normal}, false},
        Row{"\\x/5", 0, Mode{800, 600}, {Normal}, false},
        Row{"  /7  ", 0, Mode{1280, 1024}, {Normal}, false},
        Row{"/9", 0, Mode{1280, 800}, {Normal}, false}, Row{"\t/4", 0, M1024, {Normal}, false},
        // Two characters ending in an apostrophe: the first is the preset, no suffix.
        Row{"/4'", 0, M1024, {Normal}, false}, Row{"/''", 1, std::nullopt, {}, false},
        // Characters count, not bytes: é is one character.
        Row{"/4Fé'", 0, M1024, {}, true}, Row{"/é", 1, std::nullopt, {}, false},
        Row{"/\xFF", 1, std::nullopt, {}, false}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(StartUpCommandLine, RefusedSwitchStillEndsWithF) {
  FormHarness h;
  h.toolkit.commandLine = "/4F";
  h.display.temporaryChangeResult = -2;
  h.form.Form_Load();
  ASSERT_EQ(h.toolkit.messages.size(), 1u);
  EXPECT_EQ(h.toolkit.messages[0].title, "Désolé");
  EXPECT_TRUE(h.form.Ended());
}

TEST(StartUpCommandLine, SwitchThatStaysShowsTheNewModeAndOffersTheOldOne) {
  FormHarness h;
  h.toolkit.commandLine = "/4";
  h.form.Form_Load();
  EXPECT_EQ(h.Caption(IdLabel1), "1024 X 768");
  EXPECT_EQ(h.Caption(IdText1), "1024");
  EXPECT_EQ(h.Caption(IdText2), "768");
  EXPECT_EQ(h.Caption(IdCommand5), "Restaurer à 1600 x 1200");
  EXPECT_TRUE(h.view.enabled.at(IdCommand5));
}

}  // namespace
}  // namespace ilvorande::testing

namespace ilvorande::testing {
namespace {

TEST(ArgumentPart, SplitsOffTheProgramsPathQuotedOrNot) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Outils\\Ilvorande.exe /4F", "/4F"},
      {"\"C:\\Mes outils\\Ilvorande.exe\" /4F", "/4F"},
      {"\"C:\\Mes outils\\Ilvorande.exe\"/4F", "/4F"},
      {"Ilvorande.exe", ""},
      {"Ilvorande.exe    ", "   "},
      {"Ilvorande.exe\t/7", "/7"},
      {"\"C:\\sans fin", ""},
      {"", ""},
  };
  for (const auto& [whole, arguments] : cases) {
    EXPECT_EQ(ArgumentPart(whole), arguments) << whole;
  }
}

}  // namespace
}  // namespace ilvorande::testing
