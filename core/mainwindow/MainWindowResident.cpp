#include "core/mainwindow/MainWindowResident.h"

#include <utility>

namespace ilvorande {

namespace {

// The primary's number before the screens have been listed.
constexpr int FirstScreenNumber = 1;

}  // namespace

MainWindowResident::MainWindowResident(MainWindowBehaviour& behaviour, MainWindowView& view,
                                       NotificationArea& area, GlobalKeys& keys, RunAtLogon& run,
                                       JumpList& jumpList, std::string programPath)
    : behaviour_(behaviour),
      view_(view),
      switcher_(behaviour.Switcher()),
      resident_(*this, area, keys, run, jumpList, std::move(programPath)) {
  switcher_.Observe(*this);
}

ResidentState MainWindowResident::State() {
  const ScreenSize mode = switcher_.ModeInForce();
  return {.screenEntries = switcher_.Entries(),
          .chosenEntry = switcher_.ChosenEntry(),
          .chosenScreenNumber = switcher_.ChosenNumber().value_or(FirstScreenNumber),
          .width = mode.width,
          .height = mode.height,
          .restoreCaption = switcher_.RestoreCaption()};
}

// As the preset's button with the shortcut box unticked, ticked or not: the
// switch saves the mode to restore, as the button's does.
void MainWindowResident::SwitchToPreset(int index) {
  switcher_.SwitchChosenToPreset(index);
}

void MainWindowResident::Restore() {
  behaviour_.RestoreClicked();
}

// The switcher tells the window, whose chooser then follows.
void MainWindowResident::ChooseScreen(int entry) {
  switcher_.Choose(entry);
}

void MainWindowResident::OpenWindow() {
  view_.ShowNormalInFront();
}

void MainWindowResident::Quit() {
  behaviour_.QuitClicked();
}

void MainWindowResident::ScreensChanged(ScreensChange /*change*/) {
  resident_.StateChanged();
}

}  // namespace ilvorande
