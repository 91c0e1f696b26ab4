// The main window's behaviour: start-up, the mode buttons, restore, the
// shortcut option and the window commands.
#pragma once

#include <optional>

#include "core/display/DisplaySettings.h"
#include "core/mainwindow/MainWindowView.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

class MainWindowBehaviour {
 public:
  MainWindowBehaviour(MainWindowView& view, DisplaySettings& display, Toolkit& toolkit,
                      Shell& shell)
      : view_(view), display_(display), toolkit_(toolkit), shell_(shell) {}

  // Before the window first shows: the command line, then the mode in force.
  // False when the command line has ended the program.
  bool Load();

  // A preset or the custom button, by its index.
  void ModeButtonClicked(int index);
  void RestoreClicked();
  void HelpClicked();
  void AboutClicked();
  void QuitClicked();
  // The shortcut option ticked or cleared, by the mouse or the keyboard.
  void ShortcutOptionChanged();

 private:
  bool RunCommandLine();
  void SwitchToButtonMode(int index);
  void ShowModeInForce();
  void LabelPresetButtons(bool makeShortcuts);

  MainWindowView& view_;
  DisplaySettings& display_;
  Toolkit& toolkit_;
  Shell& shell_;
  // The mode before the first switch of the run, for "Restaurer".
  std::optional<ScreenSize> savedMode_;
};

}  // namespace ilvorande
