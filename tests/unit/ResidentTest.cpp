#include <gtest/gtest.h>

#include "core/mainwindow/MainControlIds.h"
#include "core/mainwindow/MainWindowResident.h"
#include "core/resident/Resident.h"
#include "tests/fakes/FakeViews.h"

namespace ilvorande::testing {
namespace {

using Kind = MenuEntryKind;
using Action = ResidentAction;

constexpr const char* Program = "C:\\Outils\\Écrans\\Ilvorande.exe";

struct FakeResident final : ResidentHost, NotificationArea, GlobalKeys, RunAtLogon, JumpList {
  ResidentState State() override { return state; }
  void SwitchToPreset(int index) override { Record("preset " + std::to_string(index)); }
  void ChooseScreen(int entry) override { Record("screen " + std::to_string(entry)); }
  void Restore() override { Record("restore"); }
  void OpenWindow() override { Record("open"); }
  void Quit() override { Record("quit"); }
  void Show(std::string_view tip) override { Record("tip " + std::string(tip)); }
  void Remove() override { Record("icon removed"); }
  void OpenMenu(const std::vector<MenuEntry>& entries) override { menu = entries; }
  KeySet RegisterAll() override {
    KeySet registered;
    for (std::size_t place = 0; place < ResidentGlobalKeys.size(); ++place)
      if (ResidentGlobalKeys[place].virtualKey != heldElsewhere) registered.Add(place);
    return registered;
  }
  void UnregisterAll() override { Record("keys unregistered"); }
  std::optional<std::string> ReadValue() override { return runValue; }
  void WriteValue(std::string_view data) override { runValue = std::string(data); }
  void DeleteValue() override { runValue.reset(); }
  void SetTasks(std::string_view program, const std::vector<JumpTask>& tasks) override {
    jumpProgram = program;
    jumpTasks = tasks;
  }
  void Record(std::string call) { calls.push_back(std::move(call)); }
  std::string LastCall() const { return calls.empty() ? "(none)" : calls.back(); }

  ResidentState state{.width = 1024, .height = 768};
  std::uint32_t heldElsewhere = 0;
  std::optional<std::string> runValue;
  std::vector<MenuEntry> menu;
  std::string jumpProgram;
  std::vector<JumpTask> jumpTasks;
  std::vector<std::string> calls;
};
MenuEntry Item(std::string text, ResidentCommand command, bool checked = false) {
  return {Kind::Item, std::move(text), command, checked};
}
MenuEntry Separator() {
  return {Kind::Separator, "", {Action::OpenWindow}};
}

// One screen, 1024 x 768 in force, Ctrl+Alt+Maj+7 held by another program.
TEST(Resident, MenuOnOneScreenListsPresetsInRowOrderWithTheKeysRegistered) {
  FakeResident fake;
  fake.heldElsewhere = 0x37;
  fake.state.restoreCaption = "Restaurer à 1600 x 1200";
  fake.runValue = "\"c:\\outils\\écrans\\ILVORANDE.EXE\" /8M";
  Resident resident(fake, fake, fake, fake, fake, Program);
  resident.WindowShown();
  resident.MenuAsked();
  const std::vector<MenuEntry> expected{
      Item("1600 x 1200\tCtrl+Alt+Maj+0", {Action::SwitchToPreset, 0}),
      Item("1400 x 1050\tCtrl+Alt+Maj+1", {Action::SwitchToPreset, 1}),
      Item("1280 x 1024", {Action::SwitchToPreset, 7}),
      Item("1280 x 960\tCtrl+Alt+Maj+2", {Action::SwitchToPreset, 2}),
      Item("1280 x 800\tCtrl+Alt+Maj+9", {Action::SwitchToPreset, 9}),
      Item("1152 x 864\tCtrl+Alt+Maj+3", {Action::SwitchToPreset, 3}),
      Item("1024 x 768\tCtrl+Alt+Maj+4", {Action::SwitchToPreset, 4}, true),
      Item("800 x 600\tCtrl+Alt+Maj+5", {Action::SwitchToPreset, 5}),
      Item("640 x 480\tCtrl+Alt+Maj+6", {Action::SwitchToPreset, 6}),
      Separator(),
      Item("&Restaurer à 1600 x 1200\tCtrl+Alt+Maj+Z", {Action::Restore}),
      Separator(),
      {Kind::Item, "&Ouvrir Ilvorande", {Action::OpenWindow}, false, true, true},
      Item("&Démarrer avec Windows", {Action::StartWithWindows}, true),
      Item("&Quitter", {Action::Quit}),
  };
  EXPECT_EQ(fake.menu, expected);
  EXPECT_EQ(fake.jumpProgram, Program);
  EXPECT_EQ(fake.jumpTasks.size(), 9u) << "the tasks' calls are checked through the seams";
  resident.WindowDestroyed();
  EXPECT_EQ(fake.calls, (std::vector<std::string>{"tip Ilvorande : 1024 x 768", "icon removed",
                                                  "keys unregistered"}));
}

// Two screens, the second at a mode no preset has (though its width and its height are presets'),
// nothing to restore, the Run value another copy's.
TEST(Resident, MenuOnTwoScreensStartsWithTheChooserAndChecksNoPresetForAnotherMode) {
  FakeResident fake;
  fake.state = {.screenEntries = {"Écran 1 : 1600 x 1200 (principal)", "Écran 2 : 1280 x 768"},
                .chosenEntry = 1,
                .chosenScreenNumber = 2,
                .width = 1280,
                .height = 768};
  fake.runValue = "\"C:\\Ancien\\Ilvorande.exe\" /8M";
  Resident resident(fake, fake, fake, fake, fake, Program);
  resident.MenuAsked();
  EXPECT_TRUE(fake.menu.empty()) << "no menu before the window has shown";
  resident.WindowShown();
  resident.MenuAsked();
  ASSERT_EQ(fake.menu.size(), 18u);
  EXPECT_EQ(
      fake.menu[0],
      (MenuEntry{Kind::RadioItem, "Écran 1 : 1600 x 1200 (principal)", {Action::ChooseScreen, 0}}));
  EXPECT_EQ(fake.menu[1],
            (MenuEntry{Kind::RadioItem, "Écran 2 : 1280 x 768", {Action::ChooseScreen, 1}, true}));
  EXPECT_EQ(fake.menu[2], Separator());
  for (int row = 3; row < 12; ++row) EXPECT_FALSE(fake.menu[row].checked) << row;
  EXPECT_EQ(fake.menu[13],
            (MenuEntry{Kind::Item, "&Restaurer\tCtrl+Alt+Maj+Z", {Action::Restore}, false, false}));
  EXPECT_FALSE(fake.menu[16].checked) << "another copy's Run value";
  EXPECT_EQ(fake.calls, std::vector<std::string>{"tip Ilvorande : écran 2, 1280 x 768"});
}

// The main window's control ids stay below the menu's.
static_assert(static_cast<int>(MainControl::ScreenChooserCaption) < 0x5000 &&
              static_cast<int>(ModeButton(9)) < 0x5000);

// Each id through the main window's own switcher: the window and the tooltip show what it did.
TEST(Resident, EachCommandActsAsTheWindowDoesAndTheTipFollows) {
  const std::vector<AttachedScreen> one{{1, true, 1600, 1200, 32}},
      two{{1, true, 1600, 1200, 32}, {2, false, 1024, 768, 16}};
  const struct {
    const char* name;
    const std::vector<AttachedScreen>& screens;
    std::vector<int> ids;
    std::vector<ModeRequest> switches;
    const char* tip;  // none: only the one shown with the window
    const char *modeInForce,
        *restore;  // restore "": never switched, the layout's caption untouched
    bool broughtToFront = false;
  } cases[] = {
      {"a preset switches, the shortcut box ticked or not, and writes no link",
       one,
       {0x5014},
       {{1024, 768, 32}},
       "Ilvorande : 1024 x 768",
       "1024 X 768",
       "Restaurer à 1600 x 1200"},
      {"restore goes back as the button does",
       one,
       {0x5015, 0x5003},
       {{800, 600, 32}, {1600, 1200, 32}},
       "Ilvorande : 1600 x 1200",
       "1600 X 1200",
       "Restaurer à 1600 x 1200"},
      {"a screen chosen there is the window's chosen one",
       two,
       {0x501B, 0x5016},
       {{640, 480, 16, 2}},
       "Ilvorande : écran 2, 640 x 480",
       "640 X 480",
       "Restaurer à 1024 x 768"},
      {"open brings the window in front", one, {0x5000}, {}, nullptr, "1600 X 1200", "", true},
      {"the custom button's index and a control's id are no commands",
       one,
       {0x5018, 0x505A, 0x4FFF, 100},
       {},
       nullptr,
       "1600 X 1200",
       ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MainHarness h;
    h.system.screens = c.screens;
    h.view.optionTicked = true;
    h.Load();
    FakeResident parts;
    MainWindowResident resident(h.behaviour, h.view, parts, parts, parts, parts, Program);
    resident.WindowShown();
    parts.calls.clear();
    for (const int id : c.ids)
      EXPECT_EQ(resident.Command(id), !c.switches.empty() || c.broughtToFront);
    EXPECT_EQ(h.system.switches, c.switches);
    EXPECT_TRUE(h.system.links.empty());
    EXPECT_EQ(c.tip ? parts.LastCall() : "", c.tip ? std::string("tip ") + c.tip : "");
    EXPECT_EQ(h.view.texts[MainControl::ModeInForce], c.modeInForce);
    EXPECT_EQ(h.view.texts[MainControl::RestoreButton], c.restore);
    EXPECT_EQ(h.view.chosenEntry, c.screens.size() > 1 ? 1 : -1);
    EXPECT_EQ(h.view.broughtToFront, c.broughtToFront);
  }
}

// A switch made in the window reaches the tooltip too; quit ends the program.
TEST(Resident, TheTipFollowsTheWindowsOwnSwitchesAndQuitEnds) {
  MainHarness h;
  h.Load();
  FakeResident parts;
  MainWindowResident resident(h.behaviour, h.view, parts, parts, parts, parts, Program);
  resident.WindowShown();
  h.behaviour.ModeButtonClicked(9);
  EXPECT_EQ(parts.LastCall(), "tip Ilvorande : 1280 x 800");
  EXPECT_THROW(resident.Command(0x5002), ProcessEnded);
  EXPECT_TRUE(h.view.closed);
}

TEST(Resident, StartWithWindowsWritesTheValueOrRemovesTheOneThatStartsThisProgram) {
  const struct {
    std::optional<std::string> before, after;
  } cases[] = {
      {std::nullopt, "\"C:\\Outils\\Écrans\\Ilvorande.exe\" /8M"},
      {"\"D:\\Ilvorande.exe\" /4", "\"C:\\Outils\\Écrans\\Ilvorande.exe\" /8M"},
      {"  \"C:\\OUTILS\\ÉCRANS\\ilvorande.exe\"   /8M ", std::nullopt},
      {"C:\\Outils\\Écrans\\Ilvorande.exe", std::nullopt},
      {"\"C:\\Outils\\Écrans\\Ilvorande.exe.old\" /8M",
       "\"C:\\Outils\\Écrans\\Ilvorande.exe\" /8M"},
      {"C:\\Outils\\Écrans\\Ilvorande.exe2", "\"C:\\Outils\\Écrans\\Ilvorande.exe\" /8M"},
      {"\"C:\\Outils\\Écrans\\Ilvorande.exe", "\"C:\\Outils\\Écrans\\Ilvorande.exe\" /8M"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before.value_or("none"));
    FakeResident fake;
    fake.runValue = c.before;
    Resident resident(fake, fake, fake, fake, fake, Program);
    resident.Command(0x5001);
    EXPECT_EQ(fake.runValue, c.after);
  }
}

TEST(Resident, KeysAreCtrlAltShiftWithTheDigitOrZWithoutRepeat) {
  EXPECT_EQ(GlobalKeyModifiers, 0x4007u);
  std::vector<std::string> keys;
  for (const GlobalKey& key : ResidentGlobalKeys)
    keys.push_back(KeyLabel(key) + " " +
                   std::to_string(ResidentCommandId(key.command).value_or(-1)));
  EXPECT_EQ(keys, (std::vector<std::string>{"Ctrl+Alt+Maj+0 20496", "Ctrl+Alt+Maj+1 20497",
                                            "Ctrl+Alt+Maj+7 20503", "Ctrl+Alt+Maj+2 20498",
                                            "Ctrl+Alt+Maj+9 20505", "Ctrl+Alt+Maj+3 20499",
                                            "Ctrl+Alt+Maj+4 20500", "Ctrl+Alt+Maj+5 20501",
                                            "Ctrl+Alt+Maj+6 20502", "Ctrl+Alt+Maj+Z 20483"}));
}

// 127 UTF-16 units at most, never half a character.
TEST(Resident, TextCutForTheTooltipKeepsWholeCharacters) {
  const std::string e126(126, 'e');
  const struct {
    std::string text;
    std::size_t kept;
  } cases[] = {
      {std::string(130, 'e'), 127},
      {e126 + "é", 128},           // é: one unit, two bytes
      {e126 + "\U0001F5B5", 126},  // a surrogate pair would end past the limit
      {e126 + "é\U0001F5B5", 128},
  };
  for (const auto& c : cases)
    EXPECT_EQ(CutToUtf16Units(c.text, NotificationTipMaxUnits).size(), c.kept);
}

}  // namespace
}  // namespace ilvorande::testing
