// Start-up, the mode buttons, restore, the command line and the window
// commands, against the system and the window in memory.
#include <gtest/gtest.h>

#include "core/mainwindow/MainWindowBehaviour.h"
#include "tests/fakes/FakeSystem.h"
#include "tests/fakes/FakeViews.h"

namespace ilvorande::testing {
namespace {

struct Harness {
  FakeSystem system;
  FakeMainView view;
  MainWindowBehaviour behaviour{view, system, system, system};

  std::string Text(MainControl control) { return view.texts[control]; }
  bool RestoreEnabled() const { return view.enabled.contains(MainControl::RestoreButton); }
  // False when the program ended.
  bool Load() {
    try {
      behaviour.Load();
    } catch (const ProcessEnded&) {
      return false;
    }
    return true;
  }
  int HelpsShown() const {
    int helps = 0;
    for (const auto& message : system.messages) helps += message.title == "Ilvorande" ? 1 : 0;
    return helps;
  }
};

TEST(ModeButtons, ShowTheNewModeAndOfferToRestoreTheFirstOne) {
  Harness h;
  h.system.depth = 16;
  h.Load();
  h.behaviour.ModeButtonClicked(5);
  EXPECT_EQ(h.system.switches, (std::vector<ModeRequest>{{800, 600, 16}}));
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "800 X 600");
  EXPECT_TRUE(h.RestoreEnabled());
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");

  h.behaviour.ModeButtonClicked(4);
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "1024 X 768");
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");

  h.system.depth = 24;
  for (int press = 0; press < 2; ++press) h.behaviour.RestoreClicked();
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "1600 X 1200");
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
  EXPECT_EQ(h.system.switches.back(), (ModeRequest{1600, 1200, 24}));
  EXPECT_EQ(h.system.switches.size(), 4u);
}

// Clicks and Ctrl+Z handled while a switch's waiting messages are processed.
TEST(ModeButtons, InputWhileASwitchFinishesRunsInsideItAndRestoreWaitsForIt) {
  const ModeRequest to800{800, 600, 32}, to1024{1024, 768, 32}, back{1600, 1200, 32};
  const struct {
    const char* name;
    int waitingRestores, waitingModeButton;  // -1: none
    bool restoreFirst;                       // "Restaurer" clicked instead of a mode button
    std::vector<ModeRequest> switches;
  } cases[] = {
      {"Ctrl+Z as the screen changes acts once the switch ends", 1, -1, false, {to800, back}},
      {"pressed three times, it acts once", 3, -1, false, {to800, back}},
      {"another button's switch runs to its end first", 0, 4, false, {to800, to1024}},
      {"Ctrl+Z while restoring is that restore", 1, -1, true, {to800, back}},
      {"before any switch, nothing", 1, -1, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    h.Load();
    const bool switchFirst = c.restoreFirst && !c.switches.empty();
    if (switchFirst) h.behaviour.ModeButtonClicked(5);
    for (int press = 0; press < c.waitingRestores; ++press) {
      h.system.waitingInput.push_back([&] { h.behaviour.RestoreClicked(); });
    }
    if (c.waitingModeButton >= 0) {
      h.system.waitingInput.push_back([&] { h.behaviour.ModeButtonClicked(c.waitingModeButton); });
    }
    if (c.restoreFirst) {
      h.behaviour.RestoreClicked();
    } else {
      h.behaviour.ModeButtonClicked(5);
    }
    EXPECT_EQ(h.system.switches, c.switches);
    const ModeRequest last = c.switches.empty() ? back : c.switches.back();
    EXPECT_EQ(h.Text(MainControl::ModeInForce),
              std::to_string(last.width) + " X " + std::to_string(last.height));
    if (!c.switches.empty()) {
      EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
    }
  }
}

struct CustomCase {
  const char* width;
  const char* height;
  std::optional<ModeRequest> request;
};

TEST(ModeButtons, TheCustomButtonSwitchesToTheTypedSize) {
  const CustomCase cases[] = {
      {"1024", "768", ModeRequest{1024, 768, 32}},
      {" 800 ", "600.4", ModeRequest{800, 600, 32}},
      {"", "600", std::nullopt},
      {"largeur", "600", std::nullopt},
      {"12abc", "600", std::nullopt},
      // The system is asked for a height of 0 and answers for itself.
      {"1024", "", ModeRequest{1024, 0, 32}},
      {"1024", "hauteur", ModeRequest{1024, 0, 32}},
  };
  for (const auto& c : cases) {
    Harness h;
    h.Load();
    h.view.texts[MainControl::WidthBox] = c.width;
    h.view.texts[MainControl::HeightBox] = c.height;
    h.behaviour.ModeButtonClicked(8);
    const auto expected =
        c.request ? std::vector<ModeRequest>{*c.request} : std::vector<ModeRequest>{};
    EXPECT_EQ(h.system.switches, expected) << '"' << c.width << "\" x \"" << c.height << '"';
    EXPECT_TRUE(h.RestoreEnabled());
    EXPECT_TRUE(h.system.messages.empty());
  }
}

TEST(ShortcutOption, TickedTheButtonsWriteLinksInsteadOfSwitching) {
  Harness h;
  h.Load();
  h.view.optionTicked = true;
  h.behaviour.ShortcutOptionChanged();
  EXPECT_EQ(h.Text(ModeButton(4)), "Raccourci pour 1024 x 768");
  EXPECT_EQ(h.Text(ModeButton(9)), "Raccourci pour 1280 x 800");
  EXPECT_EQ(h.Text(ModeButton(8)), "");  // the custom button keeps its own caption

  h.behaviour.ModeButtonClicked(4);
  h.behaviour.ModeButtonClicked(8);
  EXPECT_TRUE(h.system.switches.empty());
  ASSERT_EQ(h.system.links.size(), 1u);
  EXPECT_EQ(
      h.system.messages,
      (std::vector<ShownMessage>{{"Désolé, le raccourci ne fonctionne que pour les autres boutons.",
                                  MessageStyle::OkWithInformationIcon, "Désolé"}}));
  EXPECT_FALSE(h.RestoreEnabled());

  // The mode saved by the first press, before any switch, is what restore offers.
  h.system.screen = {800, 600};
  h.view.optionTicked = false;
  h.behaviour.ShortcutOptionChanged();
  EXPECT_EQ(h.Text(ModeButton(4)), "1024 x 768");
  h.behaviour.ModeButtonClicked(6);
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
}

struct CommandLineCase {
  const char* commandLine;
  int helps;
  std::optional<ModeRequest> request;
  std::optional<bool> minimized;  // none: the state is left alone
  bool ends;
};

TEST(CommandLine, SwitchesAtStartUpThenShowsMinimisesOrEnds) {
  const ModeRequest to1024{1024, 768, 32};
  const CommandLineCase cases[] = {
      {"", 0, std::nullopt, std::nullopt, false},
      {"/4", 0, to1024, false, false},
      {"/4M", 0, to1024, true, false},
      {"/4F", 0, to1024, std::nullopt, true},
      {"\\4f", 0, to1024, std::nullopt, true},
      {"/4F''", 0, to1024, std::nullopt, true},
      {"/4F'", 0, to1024, std::nullopt, false},
      {"/4 F", 0, to1024, std::nullopt, true},
      {"/4'", 0, to1024, false, false},
      {"/10", 0, ModeRequest{1400, 1050, 32}, false, false},
      {"/40", 0, to1024, false, false},
      {"/7", 0, ModeRequest{1280, 1024, 32}, false, false},
      {"/9", 0, ModeRequest{1280, 800, 32}, false, false},
      {"abc /4", 0, to1024, false, false},
      {"\\x/5", 0, ModeRequest{800, 600, 32}, false, false},
      {"4F", 1, to1024, std::nullopt, true},
      {"/M", 1, std::nullopt, std::nullopt, false},
      {"/", 1, std::nullopt, std::nullopt, false},
      {"abc", 2, std::nullopt, std::nullopt, false},
      {"   ", 2, std::nullopt, std::nullopt, false},
      // The boxes are still empty at that point: nothing to switch to.
      {"/8", 0, std::nullopt, false, false},
  };
  for (const auto& c : cases) {
    Harness h;
    h.system.commandLine = c.commandLine;
    const bool goesOn = h.Load();
    SCOPED_TRACE(std::string("command line \"") + c.commandLine + '"');
    EXPECT_EQ(h.HelpsShown(), c.helps);
    const auto expected =
        c.request ? std::vector<ModeRequest>{*c.request} : std::vector<ModeRequest>{};
    EXPECT_EQ(h.system.switches, expected);
    EXPECT_EQ(h.view.minimized, c.minimized);
    EXPECT_EQ(goesOn, !c.ends);
    EXPECT_EQ(h.view.closed, c.ends);
    EXPECT_EQ(h.system.exitCodes, c.ends ? std::vector<int>{0} : std::vector<int>{});
    // Nothing of start-up runs after the end.
    EXPECT_EQ(h.Text(MainControl::WidthBox).empty(), c.ends);
  }
}

TEST(CommandLine, RestoreOffersTheModeBeforeTheStartUpSwitch) {
  Harness h;
  h.system.commandLine = "/4";
  h.Load();
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "1024 X 768");
  EXPECT_EQ(h.Text(MainControl::WidthBox), "1024");
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
}

}  // namespace
}  // namespace ilvorande::testing
