// The main window's behaviour: start-up, the screen chooser, the mode
// buttons, restore, the shortcut option and the window commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

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

 private:
  // A screen as the behaviour remembers it: by its number, or the primary by
  // UnnumberedPrimary until its number is known.
  using ScreenKey = int;
  struct ScreenMemory {
    ScreenKey screen;
    ScreenSize modeBeforeFirstSwitch;
    bool switched = false;
  };
  enum class ScreensRead { Same, Changed, ChosenGone };

  void RunCommandLine();
  bool ChooseNamedScreen(const std::string& number);
  ScreensRead ReadScreens();
  ScreensRead TakeScreens(std::vector<AttachedScreen> screens);
  void LearnPrimary(int number);
  void SwitchToButtonMode(ScreenKey screen, int index);
  void SwitchScreenTo(ScreenKey screen, std::int32_t width, std::int32_t height);
  void RestoreScreen(ScreenKey screen);
  void ShowModeInForce();
  void ShowRestore();
  void PutChosenSizeInBoxes();
  void ShowHelp();
  void LabelPresetButtons(bool makeShortcuts);

  const AttachedScreen* Find(ScreenKey screen) const;
  // The screen of that key when it is attached and not the primary.
  const AttachedScreen* OtherScreen(ScreenKey screen) const;
  ScreenKey ChosenKey() const;
  ScreenKey PrimaryKey() const;
  // The primary's key as it is now, also for a key taken before its number was known.
  ScreenKey Resolved(ScreenKey screen) const;
  ScreenSize SizeOf(ScreenKey screen);
  // Nothing before the screen's first press.
  ScreenMemory* MemoryOf(ScreenKey screen);

  MainWindowView& view_;
  DisplaySettings& display_;
  Toolkit& toolkit_;
  Shell& shell_;
  // The screens while two or more are attached; empty with one, the primary.
  std::vector<AttachedScreen> screens_;
  // The chosen screen's number; none: the primary.
  std::optional<int> chosen_;
  // Known once the screens were enumerated.
  std::optional<int> primaryNumber_;
  // Each screen's mode before its first switch of the run, for "Restaurer".
  std::vector<ScreenMemory> memory_;
  bool loaded_ = false;
  // Switches whose waiting messages are being processed: a click handled
  // meanwhile runs inside them.
  int switchesUnderWay_ = 0;
  std::optional<ScreenKey> restoreUnderWay_;
  std::optional<ScreenKey> restoreWaiting_;
};

}  // namespace ilvorande
