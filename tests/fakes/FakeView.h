// The main window's controls in memory, created from the layout table.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "mainwindow/MainLayout.h"
#include "mainwindow/MainWindowView.h"

namespace ilvorande::testing {

class FakeView : public MainWindowView {
 public:
  FakeView() {
    for (const auto& control : MainControls) {
      texts[control.id] = std::string(control.caption);
      enabled[control.id] = !control.initiallyDisabled;
    }
  }

  std::map<int, std::string> texts;
  std::map<int, bool> enabled;
  int check1Value = 0;
  std::vector<WindowState> windowStates;
  std::vector<int> pictures;
  int aboutShown = 0;
  int destroyed = 0;

  std::string Text(int controlId) override { return texts.at(controlId); }
  void SetText(int controlId, std::string_view text) override {
    texts.at(controlId) = std::string(text);
  }
  void SetEnabled(int controlId, bool value) override { enabled.at(controlId) = value; }
  int CheckValue(int /*controlId*/) override { return check1Value; }
  void SetWindowState(WindowState state) override { windowStates.push_back(state); }
  void SetPictureToWindowIcon(int controlId) override { pictures.push_back(controlId); }
  void ShowAboutModal() override { ++aboutShown; }
  void Destroy() override { ++destroyed; }
};

}  // namespace ilvorande::testing
