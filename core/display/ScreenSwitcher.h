// The switches of the chosen screen and the way back, for every caller: the
// main window and the notification area's menu ask the same object, and each
// one that shows the screens hears of every change, whoever made it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/display/DisplaySettings.h"
#include "core/display/Screens.h"
#include "core/toolkit/Toolkit.h"

namespace ilvorande {

class ScreensObserver {
 public:
  // After a switch, a restore, a choice, or a change of the desktop; never
  // when a reading found everything as it was.
  virtual void ScreensChanged(ScreensChange change) = 0;

 protected:
  ~ScreensObserver() = default;

 private:
  friend class ScreenSwitcher;
  // The switcher's list of observers runs through them: no list to grow.
  ScreensObserver* nextObserver_ = nullptr;
};

class ScreenSwitcher {
 public:
  ScreenSwitcher(DisplaySettings& display, Toolkit& toolkit)
      : display_(display), toolkit_(toolkit), screens_(display) {}
  ScreenSwitcher(const ScreenSwitcher&) = delete;
  ScreenSwitcher& operator=(const ScreenSwitcher&) = delete;

  // Told of every change from now on, for as long as the switcher is used;
  // once only.
  void Observe(ScreensObserver& observer) {
    observer.nextObserver_ = std::exchange(firstObserver_, &observer);
  }

  // Reads the desktop now, and again after every switch from now on. Before
  // (the command line's switch at start-up) a switch reads nothing more, so
  // "/4@2F" ends without a second reading. Tells nobody.
  void FollowDesktop();
  // The desktop may have changed: cheap with one screen (a count and the
  // primary's size), exact with several (the whole list compared).
  void DesktopChanged();

  // The screen that the command line names; false when it is not attached.
  bool ChooseNumber(int number) { return screens_.ChooseNumber(number); }
  // An entry of the chooser, by its place.
  void Choose(int index);

  // Every press of a mode button saves the chosen screen's mode at its first
  // press, a press that writes a link too.
  void SaveChosenMode() { screens_.SaveChosenMode(); }
  // As a preset's button when it switches; nothing for an index that names
  // no preset.
  void SwitchChosenToPreset(int presetIndex);
  // Switches the chosen screen to that mode. Deliberate quirk: without a
  // mode nothing switches, but the press still counts as the screen's first
  // switch, so "Restaurer" is offered.
  void SwitchChosen(std::optional<ScreenSize> mode);
  // Back to the chosen screen's mode before its first switch. Asked while a
  // switch is under way, it waits for that switch to end, then acts once, on
  // the screen chosen when it was asked, if that screen is still attached.
  void RestoreChosen();

  // What the window and the menu show.
  std::vector<std::string> Entries() const { return screens_.Entries(); }
  int ChosenEntry() const { return screens_.ChosenEntry(); }
  // Moves on each change of the entries.
  int ListChanges() const { return screens_.ListChanges(); }
  ScreenSize ModeInForce() { return screens_.ChosenSize(); }
  // "Restaurer à 1600 x 1200" once the chosen screen has been switched;
  // none before, when there is nothing to go back to.
  std::optional<std::string> RestoreCaption() const;
  // The chosen screen's number when it is not the primary.
  std::optional<int> ChosenOther() const { return screens_.ChosenOther(); }
  // The chosen screen's number; none for the primary before its number is known.
  std::optional<int> ChosenNumber() const { return screens_.ChosenNumber(); }
  bool SeveralAttached() { return screens_.SeveralAttached(); }

 private:
  void Restore(Screens::SavedModeId saved);
  void AfterSwitch();
  void Tell(ScreensChange change);

  DisplaySettings& display_;
  Toolkit& toolkit_;
  Screens screens_;
  ScreensObserver* firstObserver_ = nullptr;
  bool following_ = false;
  // Switches whose waiting messages are being processed: a click or a key
  // handled meanwhile runs inside them.
  int switchesUnderWay_ = 0;
  std::optional<Screens::SavedModeId> restoreUnderWay_;
  std::optional<Screens::SavedModeId> restoreWaiting_;
};

}  // namespace ilvorande
