// Start-up, the mode buttons, restore, the command line, the screens and the
// window commands, against the system and the window in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "tests/fakes/FakeViews.h"

namespace ilvorande::testing {
namespace {

struct Harness : MainHarness {
  std::string Text(MainControl control) { return view.texts[control]; }
  bool RestoreEnabled() const { return view.enabled.contains(MainControl::RestoreButton); }
  auto HelpsShown() const {
    return std::ranges::count(system.messages, "Ilvorande", &ShownMessage::title);
  }
};

TEST(ModeButtons, ShowTheNewModeAndOfferToRestoreTheFirstOne) {
  Harness h;
  h.system.depth = 16;
  h.Load();
  h.behaviour.ModeButtonClicked(5);
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
  EXPECT_EQ(h.system.switches,
            (std::vector<ModeRequest>{
                {800, 600, 16}, {1024, 768, 16}, {1600, 1200, 24}, {1600, 1200, 24}}));
}

// Clicks and Ctrl+Z handled while a switch's waiting messages are processed.
TEST(ModeButtons, InputWhileASwitchFinishesRunsInsideItAndRestoreWaitsForIt) {
  const ModeRequest to800{800, 600, 32}, to1024{1024, 768, 32}, back{1600, 1200, 32};
  const struct {
    const char* name;
    std::vector<int> waiting;  // the mode buttons clicked, -1 for Ctrl+Z
    bool restoreFirst;         // "Restaurer" clicked instead of a mode button
    std::vector<ModeRequest> switches;
  } cases[] = {
      {"Ctrl+Z as the screen changes acts once the switch ends", {-1}, false, {to800, back}},
      {"pressed three times, it acts once", {-1, -1, -1}, false, {to800, back}},
      {"another button's switch runs to its end first", {4}, false, {to800, to1024}},
      {"Ctrl+Z while restoring is that restore", {-1}, true, {to800, back}},
      {"before any switch, nothing", {-1}, true, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Harness h;
    h.Load();
    if (c.restoreFirst && !c.switches.empty()) h.behaviour.ModeButtonClicked(5);
    for (const int button : c.waiting) {
      h.system.waitingInput.push_back([&h, button] {
        button < 0 ? h.behaviour.RestoreClicked() : h.behaviour.ModeButtonClicked(button);
      });
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

TEST(ModeButtons, TheCustomButtonSwitchesToTheTypedSize) {
  const struct {
    const char *width, *height;
    std::vector<ModeRequest> switches;
  } cases[] = {
      {" 800 ", "600.4", {{800, 600, 32}}},
      {"12abc", "600", {}},
      // The system is asked for a height of 0 and answers for itself.
      {"1024", "hauteur", {{1024, 0, 32}}},
  };
  for (const auto& c : cases) {
    Harness h;
    h.Load();
    h.view.texts[MainControl::WidthBox] = c.width;
    h.view.texts[MainControl::HeightBox] = c.height;
    h.behaviour.ModeButtonClicked(8);
    EXPECT_EQ(h.system.switches, c.switches) << '"' << c.width << "\" x \"" << c.height << '"';
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
      {"/4F'", 0, to1024, std::nullopt, false},
      {"/10", 0, ModeRequest{1400, 1050, 32}, false, false},
      {"4F", 1, to1024, std::nullopt, true},
      {"/M", 1, std::nullopt, std::nullopt, false},
      {"abc", 2, std::nullopt, std::nullopt, false},
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
    // Nothing of start-up runs after the end; else the boxes and the mode in
    // force show the mode switched to, and restore the one before it.
    const ModeRequest shown = c.request.value_or(ModeRequest{1600, 1200, 32});
    EXPECT_EQ(h.Text(MainControl::WidthBox), c.ends ? "" : std::to_string(shown.width));
    if (c.ends) continue;
    EXPECT_EQ(h.Text(MainControl::ModeInForce),
              std::to_string(shown.width) + " X " + std::to_string(shown.height));
    if (c.request) {
      EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
    }
  }
}

// Screen 1 primary at 1600 x 1200 in 32 bits, screen 2 at 1024 x 768 in 16.
const std::vector<AttachedScreen> TwoScreens{{1, true, 1600, 1200, 32}, {2, false, 1024, 768, 16}};
const std::vector<std::string> TwoEntries{"Écran 1 : 1600 x 1200 (principal)",
                                          "Écran 2 : 1024 x 768"};

TEST(Screens, EverythingActsOnTheChosenScreenWhichKeepsItsOwnRestore) {
  Harness h;
  h.system.screens = TwoScreens;
  h.Load();
  EXPECT_EQ(h.view.chooser, TwoEntries);
  EXPECT_EQ(h.view.chosenEntry, 0);

  h.behaviour.ScreenChosen(1);
  EXPECT_EQ(h.Text(MainControl::WidthBox) + " " + h.Text(MainControl::HeightBox), "1024 768");
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "1024 X 768");
  // Ctrl+Z as screen 2 changes restores screen 2 once its switch ends.
  h.system.waitingInput.push_back([&] { h.behaviour.RestoreClicked(); });
  h.behaviour.ModeButtonClicked(5);
  h.behaviour.ModeButtonClicked(5);
  EXPECT_EQ(h.system.screenSwitches,
            (std::vector<ModeRequest>{{800, 600, 16, 2}, {1024, 768, 16, 2}, {800, 600, 16, 2}}));
  EXPECT_TRUE(h.system.switches.empty());
  EXPECT_EQ(h.view.chooser, (std::vector<std::string>{TwoEntries[0], "Écran 2 : 800 x 600"}));
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "800 X 600");
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1024 x 768");

  // The primary has not been switched: nothing to restore there.
  h.behaviour.ScreenChosen(0);
  EXPECT_FALSE(h.RestoreEnabled());
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer");
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "1600 X 1200");
  h.system.answers.push_back(SwitchAnswer::Refused);
  h.behaviour.ModeButtonClicked(4);
  EXPECT_EQ(h.system.switches, (std::vector<ModeRequest>{{1024, 768, 32}}));
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");

  // Shortcuts name the screen they switch, except the primary's.
  h.view.optionTicked = true;
  h.behaviour.ModeButtonClicked(4);
  h.behaviour.ScreenChosen(1);
  h.behaviour.ModeButtonClicked(4);
  ASSERT_EQ(h.system.links.size(), 2u);
  EXPECT_EQ(h.system.links[0].arguments, "/4F");
  EXPECT_EQ(h.system.links[1].path,
            "C:\\Users\\Zoë\\Desktop\\Ilvorande en 1024 x 768 sur l'écran 2.lnk");
  EXPECT_EQ(h.system.links[1].arguments, "/4@2F");

  h.view.optionTicked = false;
  h.behaviour.RestoreClicked();
  EXPECT_EQ(h.system.screenSwitches.back(), (ModeRequest{1024, 768, 16, 2}));
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "1024 X 768");
}

TEST(Screens, TheChooserFollowsScreensAttachedAndDetached) {
  Harness h;
  h.Load();
  h.behaviour.ModeButtonClicked(5);
  h.behaviour.DesktopChanged();
  EXPECT_EQ(h.system.enumerations, 0) << "one screen: never enumerated";
  EXPECT_FALSE(h.view.chooser);

  h.system.screens = TwoScreens;
  h.behaviour.DesktopChanged();
  EXPECT_EQ(h.view.chooser,
            (std::vector<std::string>{"Écran 1 : 800 x 600 (principal)", TwoEntries[1]}));
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
  h.behaviour.HelpClicked();
  EXPECT_NE(h.system.messages.back().text.find("/4@2F"), std::string::npos);
  h.behaviour.ScreenChosen(1);
  h.behaviour.ModeButtonClicked(6);

  // Screen 2 goes while chosen: the primary is chosen, as at start-up.
  h.system.screens.clear();
  h.behaviour.DesktopChanged();
  EXPECT_FALSE(h.view.chooser);
  EXPECT_EQ(h.Text(MainControl::WidthBox) + " " + h.Text(MainControl::HeightBox), "800 600");
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "800 X 600");
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
  h.behaviour.HelpClicked();
  EXPECT_EQ(h.system.messages.back().text.find("@"), std::string::npos);

  // Back at another mode, it keeps the mode saved for it in this run.
  h.system.screens = {TwoScreens[0], {2, false, 1280, 1024, 16}};
  h.behaviour.DesktopChanged();
  EXPECT_EQ(h.view.chosenEntry, 0);
  h.behaviour.ScreenChosen(1);
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1024 x 768");
  // Nothing changed, nothing shown anew: the typing stays.
  h.view.texts[MainControl::WidthBox] = "123";
  h.behaviour.DesktopChanged();
  EXPECT_EQ(h.Text(MainControl::WidthBox), "123");
}

TEST(Screens, TheCommandLineSwitchesTheScreenItNames) {
  const ModeRequest primaryTo1024{1024, 768, 32};
  const ModeRequest screen2To1024{1024, 768, 16, 2};
  const auto missing = [](const char* number) {
    return std::vector<ShownMessage>{{std::string("L'écran ") + number + " n'est pas branché.",
                                      MessageStyle::OkWithStopIcon, "Désolé"}};
  };
  const struct {
    const char* commandLine;
    bool oneScreen;
    std::vector<ModeRequest> switches;
    std::vector<ModeRequest> screenSwitches;
    std::vector<ShownMessage> messages;
    std::optional<bool> minimized;
    bool ends;
    int chosenEntry;  // -1: no chooser
  } cases[] = {
      {"/4@2F", false, {}, {screen2To1024}, {}, std::nullopt, true, 1},
      {"/4@1F", false, {primaryTo1024}, {}, {}, std::nullopt, true, 0},
      {"/8@2", false, {}, {}, {}, false, false, 1},
      {"/6@2", false, {}, {{640, 480, 16, 2}}, {}, false, false, 1},
      {"/4F", false, {primaryTo1024}, {}, {}, std::nullopt, true, -1},
      {"/4@9F", false, {}, {}, missing("9"), std::nullopt, true, -1},
      {"/4@0M", false, {}, {}, missing("0"), true, false, 0},
      {"/4@1", true, {primaryTo1024}, {}, {}, false, false, -1},
      {"/4@2", true, {}, {}, missing("2"), false, false, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine);
    Harness h;
    if (!c.oneScreen) h.system.screens = TwoScreens;
    h.system.commandLine = c.commandLine;
    const bool goesOn = h.Load();
    EXPECT_EQ(h.system.switches, c.switches);
    EXPECT_EQ(h.system.screenSwitches, c.screenSwitches);
    EXPECT_EQ(h.system.messages, c.messages);
    EXPECT_EQ(h.view.minimized, c.minimized);
    EXPECT_EQ(goesOn, !c.ends);
    EXPECT_EQ(h.view.chooser ? h.view.chosenEntry : -1, c.chosenEntry);
    // Without "@" the screens are never enumerated.
    EXPECT_EQ(h.system.enumerations == 0, !std::strchr(c.commandLine, '@'));
    // Screen 2 switched, and chosen with its own size and restore.
    if (goesOn && !c.screenSwitches.empty()) {
      EXPECT_EQ(h.Text(MainControl::WidthBox), "640");
      EXPECT_EQ(h.Text(MainControl::ModeInForce), "640 X 480");
      EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1024 x 768");
    }
  }
}

}  // namespace
}  // namespace ilvorande::testing
