// The main window's responses: start-up, the screen chooser, the mode
// buttons, restore, the shortcut option and the window commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/display/DisplaySettings.h"
#include "core/display/ScreenSwitcher.h"
#include "core/mainwindow/MainWindowView.h"
#include "core/toolkit/Shell.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

class MainWindowBehaviour {
 public:
  MainWindowBehaviour(MainWindowView& view, DisplaySettings& display, Toolkit& toolkit,
                      Shell& shell)
      : view_(view), toolkit_(toolkit), shell_(shell), switcher_(display, toolkit) {}
  MainWindowBehaviour(const MainWindowBehaviour&) = delete;
  MainWindowBehaviour& operator=(const MainWindowBehaviour&) = delete;

  // Before the window first shows: the command line, then the screens and
  // the mode in force. Never returns when the command line ends the program.
  void Load();

  // A preset or the custom button, by its index, for the chosen screen.
  void ModeButtonClicked(int index);
  // "Restaurer" or its keyboard shortcut, for the chosen screen. Asked while
  // a switch is still under way, it waits for that switch to end, then acts
  // once.
  void RestoreClicked();
  void HelpClicked();
  void AboutClicked();
  // Ends the program: never returns.
  void QuitClicked();
  // The shortcut option ticked or cleared, by the mouse or the keyboard.
  void ShortcutOptionChanged();
  // An entry of the screen chooser picked, by its place in the list.
  void ScreenChosen(int index);
  // The desktop may have changed (a screen attached or detached, a mode
  // switched). Changes nothing in the window when the screens are as they
  // were, and enumerates nothing while one screen is attached, so it may be
  // asked for as often as wanted.
  void DesktopChanged();

  // The switches and the screens that the window acts on, for a second way
  // into them (the notification area's menu): what it does there shows in
  // the window too.
  ScreenSwitcher& Switcher() { return switcher_; }

 private:
  // Tells the window of every change of the screens, whoever made it.
  class ScreensShown final : public ScreensObserver {
   public:
    explicit ScreensShown(MainWindowBehaviour& window) : window_(window) {}
    void ScreensChanged(ScreensChange change) override;

   private:
    MainWindowBehaviour& window_;
  };

  // The chooser as the screens are, left alone when it already shows them.
  void ShowChooser();
  void ShowModeInForce();
  void ShowRestore();
  void PutChosenSizeInBoxes();
  void LabelPresetButtons(bool makeShortcuts);

  MainWindowView& view_;
  Toolkit& toolkit_;
  Shell& shell_;
  ScreenSwitcher switcher_;
  // Made by Load: the window hears of the screens from start-up on.
  std::optional<ScreensShown> screensShown_;
  // What the chooser shows.
  int shownListChanges_ = 0;
  int shownEntry_ = 0;
};

}  // namespace ilvorande
