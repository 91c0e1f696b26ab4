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
  std::set<MainControl> enabled;  // by the behaviour, until it disables them
  // The chooser's entries while it shows, and the one chosen.
  std::optional<std::vector<std::string>> chooser;
  int chosenEntry = -1;
  int chooserShows = 0;  // each one rebuilds the list
  bool optionTicked = false;
  std::optional<bool> minimized;
  bool broughtToFront = false;
  bool closed = false;

  std::string Text(MainControl control) override { return texts[control]; }
  void SetText(MainControl control, std::string_view text) override {
    texts[control] = std::string(text);
  }
  void Enable(MainControl control) override { enabled.insert(control); }
  void Disable(MainControl control) override { enabled.erase(control); }
  void ShowScreenChooser(const std::vector<std::string>& entries, int chosen) override {
    chooser = entries;
    chosenEntry = chosen;
    ++chooserShows;
  }
  void HideScreenChooser() override { chooser.reset(); }
  bool MakesShortcuts() override { return optionTicked; }
  void SetMinimized(bool value) override { minimized = value; }
  void ShowNormalInFront() override { broughtToFront = true; }
  void ShowProgramIconOnQuitButton() override {}
  void ShowAboutModal() override {}
  void Close() override { closed = true; }
};

class FakeAboutView : public AboutView {
 public:
  static constexpr WindowHandle OwnHandle = 0x1234;
  std::map<AboutControl, std::string> texts;
  bool iconShown = false;
  bool closed = false;

  void ShowProgramIcon() override { iconShown = true; }
  void SetText(AboutControl control, std::string_view text) override {
    texts[control] = std::string(text);
  }
  void Close() override { closed = true; }
  WindowHandle Handle() override { return OwnHandle; }
};

// The main window's behaviour over the system and the window in memory.
struct MainHarness {
  FakeSystem system;
  FakeMainView view;
  MainWindowBehaviour behaviour{view, system, system, system};
  // False when the program ended.
  bool Load() {
    try {
      behaviour.Load();
    } catch (const ProcessEnded&) {
      return false;
    }
    return true;
  }
};

}  // namespace ilvorande::testing
