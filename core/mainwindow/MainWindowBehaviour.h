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
  // Never returns when the command line ends the program.
  void Load();

  // A preset or the custom button, by its index.
  void ModeButtonClicked(int index);
  // "Restaurer" or its keyboard shortcut. Asked while a switch is still
  // under way, it waits for that switch to end, then acts once.
  void RestoreClicked();
  void HelpClicked();
  void AboutClicked();
  // Ends the program: never returns.
  void QuitClicked();
  // The shortcut option ticked or cleared, by the mouse or the keyboard.
  void ShortcutOptionChanged();

 private:
  void RunCommandLine();
  void SwitchToButtonMode(int index);
  void ShowModeInForce();
  void LabelPresetButtons(bool makeShortcuts);

  MainWindowView& view_;
  DisplaySettings& display_;
  Toolkit& toolkit_;
  Shell& shell_;
  // The mode before the first switch of the run, for "Restaurer".
  std::optional<ScreenSize> savedMode_;
  bool restoreEnabled_ = false;
  // Switches whose waiting messages are being processed: a click handled
  // meanwhile runs inside them.
  int switchesUnderWay_ = 0;
  bool restoreUnderWay_ = false;
  bool restoreWaiting_ = false;
};

}  // namespace ilvorande
