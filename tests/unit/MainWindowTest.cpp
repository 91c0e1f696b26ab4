// Start-up, the mode buttons, restore, the command line, the screens and the
// window commands, against the system and the window in memory.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tests/fakes/FakeViews.h"

namespace ilvorande::testing {
namespace {

struct Harness : MainHarness {
  std::string Text(MainControl control) { return view.texts[control]; }
  std::string Boxes() { return Text(MainControl::WidthBox) + " " + Text(MainControl::HeightBox); }
  // The mode in force, then the restore button's caption.
  std::string Shown() {
    return Text(MainControl::ModeInForce) + " / " + Text(MainControl::RestoreButton);
  }
  bool RestoreEnabled() const { return view.enabled.contains(MainControl::RestoreButton); }
  auto HelpsShown() const {
    return std::ranges::count(system.messages, "Ilvorande", &ShownMessage::title);
  }
};

// Each switch at the screen's depth then, and "Restaurer" as often as pressed.
TEST(ModeButtons, ShowTheNewModeAndOfferToRestoreTheFirstOne) {
  Harness h;
  h.system.screens[0].depth = 16;
  h.Load();
  EXPECT_FALSE(h.RestoreEnabled());
  h.behaviour.ModeButtonClicked(5);
  EXPECT_EQ(h.Text(MainControl::ModeInForce), "800 X 600");
  EXPECT_TRUE(h.RestoreEnabled());
  h.system.screens[0].depth = 24;
  for (int press = 0; press < 2; ++press) h.behaviour.RestoreClicked();
  EXPECT_EQ(h.Shown(), "1600 X 1200 / Restaurer à 1600 x 1200");
  EXPECT_EQ(h.system.switches,
            (std::vector<ModeRequest>{{800, 600, 16}, {1600, 1200, 24}, {1600, 1200, 24}}));
}

// Clicks and Ctrl+Z handled while a switch's waiting messages are processed.
TEST(ModeButtons, InputWhileASwitchFinishesRunsInsideItAndRestoreWaitsForIt) {
  const ModeRequest to800{800, 600, 32}, to1024{1024, 768, 32}, back{1600, 1200, 32};
  // clang-format off
  // waiting: the mode buttons clicked, -1 for Ctrl+Z; restoreFirst: "Restaurer" clicked, not a mode button
  const struct { const char* name; std::vector<int> waiting; bool restoreFirst; std::vector<ModeRequest> switches; } cases[] = {
      {"Ctrl+Z as the screen changes acts once the switch ends", {-1}, false, {to800, back}},
      {"pressed three times, it acts once", {-1, -1, -1}, false, {to800, back}},
      {"another button's switch runs to its end first", {4}, false, {to800, to1024}},
      {"Ctrl+Z while restoring is that restore", {-1}, true, {to800, back}},
      {"after a switch made while restoring, a new one", {4, -1}, true, {to800, back, to1024, back}},
      {"before any switch, nothing", {-1}, true, {}},
  };
  // clang-format on
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
    c.restoreFirst ? h.behaviour.RestoreClicked() : h.behaviour.ModeButtonClicked(5);
    EXPECT_EQ(h.system.switches, c.switches);
    const ModeRequest last = c.switches.empty() ? back : c.switches.back();
    EXPECT_EQ(h.Text(MainControl::ModeInForce),
              std::to_string(last.width) + " X " + std::to_string(last.height));
  }
}

TEST(ModeButtons, TheCustomButtonSwitchesToTheTypedSize) {
  // The system is asked for a height of 0 and answers for itself.
  // clang-format off
  const struct { const char *width, *height; std::vector<ModeRequest> switches; } cases[] = {
      {" 800 ", "600.4", {{800, 600, 32}}}, {"12abc", "600", {}}, {"1024", "hauteur", {{1024, 0, 32}}}};
  // clang-format on
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
  h.system.screens[0].width = 800;
  h.system.screens[0].height = 600;
  h.view.optionTicked = false;
  h.behaviour.ShortcutOptionChanged();
  EXPECT_EQ(h.Text(ModeButton(4)), "1024 x 768");
  h.behaviour.ModeButtonClicked(6);
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");
}

TEST(CommandLine, SwitchesAtStartUpThenShowsMinimisesOrEnds) {
  const ModeRequest to1024{1024, 768, 32};
  // clang-format off
  // minimized: none when the state is left alone
  const struct { const char* commandLine; int helps; std::optional<ModeRequest> request; std::optional<bool> minimized; bool ends; } cases[] = {
      {"", 0, std::nullopt, std::nullopt, false},
      {"/4", 0, to1024, false, false},
      {"/4M", 0, to1024, true, false},
      {"/4F", 0, to1024, std::nullopt, true},
      {"4F", 1, to1024, std::nullopt, true},
      {"/M", 1, std::nullopt, std::nullopt, false},
      {"abc", 2, std::nullopt, std::nullopt, false},
      // The boxes are still empty at that point: nothing to switch to.
      {"/8", 0, std::nullopt, false, false},
  };
  // clang-format on
  for (const auto& c : cases) {
    Harness h;
    h.system.commandLine = c.commandLine;
    const bool goesOn = h.Load();
    SCOPED_TRACE(std::string("command line \"") + c.commandLine + '"');
    EXPECT_EQ(h.HelpsShown(), c.helps);
    EXPECT_EQ(h.system.switches, c.request ? std::vector{*c.request} : std::vector<ModeRequest>{});
    EXPECT_EQ(std::tuple(h.view.minimized, !goesOn, h.view.closed),
              std::tuple(c.minimized, c.ends, c.ends));
    EXPECT_EQ(h.system.exitCodes, c.ends ? std::vector<int>{0} : std::vector<int>{});
    // Nothing of start-up runs after the end; else the boxes and the mode in
    // force show the mode switched to, and restore the one before it.
    const ModeRequest shown = c.request.value_or(ModeRequest{1600, 1200, 32});
    EXPECT_EQ(h.Text(MainControl::WidthBox), c.ends ? "" : std::to_string(shown.width));
    if (c.ends) continue;
    const std::string mode = std::to_string(shown.width) + " X " + std::to_string(shown.height);
    EXPECT_EQ(c.request ? h.Shown() : h.Text(MainControl::ModeInForce),
              c.request ? mode + " / Restaurer à 1600 x 1200" : mode);
  }
}

// Screen 1 primary at 1600 x 1200 in 32 bits, screen 2 at 1024 x 768 in 16.
const AttachedScreen Primary{1, true, 1600, 1200, 32};
const AttachedScreen Second{2, false, 1024, 768, 16};
const std::vector<AttachedScreen> TwoScreens{Primary, Second};
const std::vector<std::string> TwoEntries{"Écran 1 : 1600 x 1200 (principal)",
                                          "Écran 2 : 1024 x 768"};

TEST(Screens, EverythingActsOnTheChosenScreenWhichKeepsItsOwnRestore) {
  Harness h;
  h.system.screens = TwoScreens;
  h.Load();
  EXPECT_EQ(h.view.chooser, TwoEntries);
  EXPECT_EQ(h.view.chosenEntry, 0);

  h.behaviour.ScreenChosen(1);
  EXPECT_EQ(h.view.chooserShows, 1) << "the list the user chose in is left alone";
  EXPECT_EQ(h.Boxes() + " " + h.Text(MainControl::ModeInForce), "1024 768 1024 X 768");
  // Ctrl+Z as screen 2 changes restores screen 2 once its switch ends.
  h.system.waitingInput.push_back([&] { h.behaviour.RestoreClicked(); });
  h.behaviour.ModeButtonClicked(5);
  h.behaviour.ModeButtonClicked(5);
  EXPECT_EQ(h.system.switches,
            (std::vector<ModeRequest>{{800, 600, 16, 2}, {1024, 768, 16, 2}, {800, 600, 16, 2}}));
  EXPECT_EQ(h.view.chooser, (std::vector<std::string>{TwoEntries[0], "Écran 2 : 800 x 600"}));
  EXPECT_EQ(h.Shown(), "800 X 600 / Restaurer à 1024 x 768");
  h.behaviour.HelpClicked();
  EXPECT_NE(h.system.messages.back().text.find("/4@2F"), std::string::npos);

  // The primary has not been switched: nothing to restore there.
  h.behaviour.ScreenChosen(0);
  EXPECT_FALSE(h.RestoreEnabled());
  EXPECT_EQ(h.Shown(), "1600 X 1200 / Restaurer");
  h.system.answers.push_back(SwitchAnswer::Refused);
  h.behaviour.ModeButtonClicked(4);
  EXPECT_EQ(h.system.switches.back(), (ModeRequest{1024, 768, 32}));
  EXPECT_EQ(h.Text(MainControl::RestoreButton), "Restaurer à 1600 x 1200");

  // Shortcuts name the screen they switch, except the primary's.
  h.view.optionTicked = true;
  h.behaviour.ModeButtonClicked(4);
  h.behaviour.ScreenChosen(1);
  h.behaviour.ModeButtonClicked(4);
  ASSERT_EQ(h.system.links.size(), 2u);
  EXPECT_EQ(
      std::tuple(h.system.links[0].arguments, h.system.links[1].arguments, h.system.links[1].path),
      std::tuple("/4F", "/4@2F",
                 "C:\\Users\\Zoë\\Desktop\\Ilvorande en 1024 x 768 sur l'écran 2.lnk"));
}

// A change of the desktop, read on a tick of the window's timer: the typed
// sizes stay unless another screen is chosen now, and a second reading that
// finds the same screens changes nothing in the window.
TEST(Screens, TheWindowShowsWhatTheScreensAreNotOnlyHowMany) {
  const std::vector<AttachedScreen> one{Primary}, oneAt1024{{1, true, 1024, 768, 32}},
      second1280{Primary, {2, false, 1280, 1024, 16}},
      swapped{{1, false, 1600, 1200, 32}, {2, true, 1024, 768, 16}},
      three{Primary, Second, {3, false, 800, 600, 8}};
  const std::vector<std::string> none, entries1280{TwoEntries[0], "Écran 2 : 1280 x 1024"},
      entriesSwapped{"Écran 1 : 1600 x 1200", "Écran 2 : 1024 x 768 (principal)"};
  const ModeRequest primary640{640, 480, 32}, second640{640, 480, 16, 2},
      primary640At16{640, 480, 16};
  // chosen: the entry chosen before (-1: none, as at start); entries: none without a chooser;
  // boxes: the typed sizes are "123 45"; preset6: what the 640 x 480 button then switches.
  // clang-format off
  const struct { std::vector<AttachedScreen> before, after; int chosen; std::vector<std::string> entries;
                 int chosenEntry; const char *boxes, *modeInForce; ModeRequest preset6; } cases[] = {
      {one, oneAt1024, -1, none, -1, "123 45", "1024 X 768", primary640},  // switched by another program
      {TwoScreens, second1280, 1, entries1280, 1, "123 45", "1280 X 1024", second640},  // 2 re-attached at another size
      {TwoScreens, swapped, -1, entriesSwapped, 1, "1024 768", "1024 X 768", primary640At16},  // another primary
      {three, TwoScreens, 2, TwoEntries, 0, "1600 1200", "1600 X 1200", primary640},  // the chosen one unplugged
      {one, TwoScreens, -1, TwoEntries, 0, "123 45", "1600 X 1200", primary640},  // a second screen, the first time
      {TwoScreens, one, 1, none, -1, "1600 1200", "1600 X 1200", primary640},  // the chosen one unplugged
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
    Harness h;
    h.system.screens = c.before;
    h.Load();
    if (c.chosen >= 0) h.behaviour.ScreenChosen(c.chosen);
    h.view.texts[MainControl::WidthBox] = "123";
    h.view.texts[MainControl::HeightBox] = "45";
    h.system.screens = c.after;
    h.behaviour.DesktopChanged();
    EXPECT_EQ(std::tuple(h.view.chooser.value_or(none), h.view.chooser ? h.view.chosenEntry : -1,
                         h.Boxes(), h.Text(MainControl::ModeInForce)),
              std::tuple(c.entries, c.chosenEntry, c.boxes, c.modeInForce));
    EXPECT_EQ(h.system.enumerations == 0, c.before.size() == 1 && c.after.size() == 1);

    h.view.texts[MainControl::WidthBox] = "7";
    h.behaviour.DesktopChanged();
    EXPECT_EQ(h.Text(MainControl::WidthBox), "7");

    h.behaviour.ModeButtonClicked(6);
    EXPECT_EQ(h.system.switches, std::vector{c.preset6});
  }
}

// Ctrl+Z pressed while a switch of screen 2 finishes, then screen 2
// unplugged before the restore can act: nothing more is switched, the
// primary least of all (its own switch is there to be restored).
TEST(Screens, ARestoreWaitingForAScreenThatWentDoesNothing) {
  // Seen once the switch ends, or by the window's timer before it ends.
  for (const bool timerTicks : {false, true}) {
    SCOPED_TRACE(timerTicks);
    Harness h;
    h.system.screens = TwoScreens;
    h.Load();
    h.behaviour.ModeButtonClicked(5);
    h.behaviour.ScreenChosen(1);
    h.system.waitingInput.push_back([&] { h.behaviour.RestoreClicked(); });
    h.system.waitingInput.push_back([&] {
      h.system.screens = {h.system.screens[0]};
      if (timerTicks) h.behaviour.DesktopChanged();
    });
    h.behaviour.ModeButtonClicked(5);
    EXPECT_EQ(h.system.switches, (std::vector<ModeRequest>{{800, 600, 32}, {800, 600, 16, 2}}));
    EXPECT_FALSE(h.view.chooser);
    EXPECT_EQ(h.Shown(), "800 X 600 / Restaurer à 1600 x 1200");
  }
}

TEST(Screens, TheCommandLineSwitchesTheScreenItNames) {
  const ModeRequest primaryTo1024{1024, 768, 32};
  const auto missing = [](const std::string& number) {
    return std::vector<ShownMessage>{
        {"L'écran " + number + " n'est pas branché.", MessageStyle::OkWithStopIcon, "Désolé"}};
  };
  const std::vector<AttachedScreen> secondPrimary{{1, false, 1024, 768, 16},
                                                  {2, true, 1600, 1200, 32}},
      aloneAsSecond{{2, true, 1600, 1200, 32}};
  // clang-format off
  const struct { std::string commandLine; std::vector<AttachedScreen> screens; std::vector<ModeRequest> switches;
                 std::vector<ShownMessage> messages; std::optional<bool> minimized; bool ends;
                 int chosenEntry; /* -1: no chooser */ } cases[] = {
      {"/4@2F", TwoScreens, {{1024, 768, 16, 2}}, {}, std::nullopt, true, 1},
      {"/4@1F", TwoScreens, {primaryTo1024}, {}, std::nullopt, true, 0},
      {"/8@2", TwoScreens, {}, {}, false, false, 1},
      {"/6@2", TwoScreens, {{640, 480, 16, 2}}, {}, false, false, 1},
      {"/4F", TwoScreens, {primaryTo1024}, {}, std::nullopt, true, -1},
      {"/4@9F", TwoScreens, {}, missing("9"), std::nullopt, true, -1},
      {"/4@0M", TwoScreens, {}, missing("0"), true, false, 0},
      {"/4@1", {Primary}, {primaryTo1024}, {}, false, false, -1},
      {"/4@2", {Primary}, {}, missing("2"), false, false, -1},
      // The primary is another screen than 1.
      {"/4@2F", secondPrimary, {primaryTo1024}, {}, std::nullopt, true, 1},
      {"/4@1", secondPrimary, {{1024, 768, 16, 1}}, {}, false, false, 0},
      {"/4@2", aloneAsSecond, {primaryTo1024}, {}, false, false, -1},
      {"/4@1", aloneAsSecond, {}, missing("1"), false, false, -1},
      // A number a person can read, in a message box that fits the screen.
      {"/5@999999999999", TwoScreens, {}, missing("999999999999"), false, false, 0},
      {"/5@" + std::string(13, '9'), TwoScreens, {}, missing("9999…9999"), false, false, 0},
      {"/5@" + std::string(3000, '9'), TwoScreens, {}, missing("9999…9999"), false, false, 0},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.commandLine.substr(0, 20));
    Harness h;
    h.system.screens = c.screens;
    h.system.commandLine = c.commandLine;
    const bool goesOn = h.Load();
    EXPECT_EQ(std::tuple(h.system.switches, h.system.messages, h.view.minimized, !goesOn,
                         h.view.chooser ? h.view.chosenEntry : -1),
              std::tuple(c.switches, c.messages, c.minimized, c.ends, c.chosenEntry));
    // Without "@" the screens are never enumerated.
    EXPECT_EQ(h.system.enumerations == 0, c.commandLine.find('@') == std::string::npos);
    // Screen 2 switched, and chosen with its own size and restore.
    if (goesOn && c.commandLine == "/6@2") {
      EXPECT_EQ(h.Boxes() + " " + h.Shown(), "640 480 640 X 480 / Restaurer à 1024 x 768");
    }
  }
}

}  // namespace
}  // namespace ilvorande::testing
