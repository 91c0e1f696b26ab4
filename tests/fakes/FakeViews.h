// The two windows in memory.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/helpabout/AboutView.h"
#include "core/mainwindow/MainWindowBehaviour.h"
#include "core/mainwindow/MainWindowView.h"
#include "tests/fakes/FakeSystem.h"

namespace ilvorande::testing {

class FakeMainView : public MainWindowView {
 public:
  std::map<MainControl, std::string> texts;
  std::set<MainControl> enabled;                    // by the behaviour, until it disables them
  std::optional<std::vector<std::string>> chooser;  // its entries while it shows
  int chosenEntry = -1, chooserShows = 0;           // each show rebuilds the list
  bool optionTicked = false, broughtToFront = false, closed = false;
  std::optional<bool> minimized;

  // clang-format off
  std::string Text(MainControl control) override { return texts[control]; }
  void SetText(MainControl control, std::string_view text) override { texts[control] = text; }
  void Enable(MainControl control) override { enabled.insert(control); }
  void Disable(MainControl control) override { enabled.erase(control); }
  void ShowScreenChooser(const std::vector<std::string>& entries, int chosen) override { chooser = entries, chosenEntry = chosen, ++chooserShows; }
  void HideScreenChooser() override { chooser.reset(); }
  bool MakesShortcuts() override { return optionTicked; }
  void SetMinimized(bool value) override { minimized = value; }
  void ShowNormalInFront() override { broughtToFront = true; }
  void ShowProgramIconOnQuitButton() override {}
  void ShowAboutModal() override {}
  void Close() override { closed = true; }
  // clang-format on
};

class FakeAboutView : public AboutView {
 public:
  static constexpr WindowHandle OwnHandle = 0x1234;
  std::map<AboutControl, std::string> texts;
  bool iconShown = false, closed = false;

  void ShowProgramIcon() override { iconShown = true; }
  void SetText(AboutControl control, std::string_view text) override { texts[control] = text; }
  void Close() override { closed = true; }
  WindowHandle Handle() override { return OwnHandle; }
};

// The main window's behaviour over the system and the window in memory.
struct MainHarness {
  FakeSystem system;
  FakeMainView view;
  MainWindowBehaviour behaviour{view, system, system, system};
  bool Load() {  // false when the program ended
    try {
      behaviour.Load();
    } catch (const ProcessEnded&) {
      return false;
    }
    return true;
  }
};

}  // namespace ilvorande::testing
