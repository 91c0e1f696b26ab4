#include "core/mainwindow/MainWindowBehaviour.h"

#include <optional>
#include <string>
#include <utility>

#include "core/display/ModePresets.h"
#include "core/helpabout/CommandHelp.h"
#include "core/mainwindow/CustomNumber.h"
#include "core/mainwindow/MainLayout.h"
#include "core/mainwindow/StartUpCommand.h"
#include "core/shortcuts/ShortcutOption.h"

namespace ilvorande {

namespace {

constexpr int ExitSuccess = 0;

}  // namespace

void MainWindowBehaviour::Load() {
  switcher_.Observe(screensShown_.emplace(*this));
  LabelPresetButtons(false);
  RunStartUpCommand(*this, view_, switcher_, toolkit_);
  // After the command line, so that "/4F" never asks for the screens, and
  // after its switch, so that the window shows the mode in force.
  switcher_.FollowDesktop();
  ShowChooser();
  ShowModeInForce();
  PutChosenSizeInBoxes();
  view_.ShowProgramIconOnQuitButton();
}

void MainWindowBehaviour::ModeButtonClicked(int index) {
  switcher_.SaveChosenMode();
  if (view_.MakesShortcuts()) {
    MakeShortcutForButton(shell_, toolkit_, index, switcher_.ChosenOther());
    return;
  }
  if (index != CustomModeIndex) {
    switcher_.SwitchChosenToPreset(index);
    return;
  }
  const std::string separator = toolkit_.DecimalSeparator();
  // Deliberate quirk: a height that isn't a number is asked for as 0, and the
  // system's refusal tells the user.
  const std::int32_t height =
      ConvertCustomNumber(view_.Text(MainControl::HeightBox), separator).value_or(0);
  const auto width = ConvertCustomNumber(view_.Text(MainControl::WidthBox), separator);
  switcher_.SwitchChosen(width ? std::optional(ScreenSize{*width, height}) : std::nullopt);
}

void MainWindowBehaviour::RestoreClicked() {
  switcher_.RestoreChosen();
}

void MainWindowBehaviour::ScreenChosen(int index) {
  // The chooser shows it already.
  shownEntry_ = index;
  switcher_.Choose(index);
}

void MainWindowBehaviour::DesktopChanged() {
  switcher_.DesktopChanged();
}

void MainWindowBehaviour::ScreensShown::ScreensChanged(ScreensChange change) {
  window_.ShowChooser();
  if (change == ScreensChange::AnotherChosen) window_.PutChosenSizeInBoxes();
  window_.ShowModeInForce();
  window_.ShowRestore();
}

void MainWindowBehaviour::ShowChooser() {
  const int listChanges = switcher_.ListChanges();
  const int chosen = switcher_.ChosenEntry();
  if (listChanges == shownListChanges_ && chosen == shownEntry_) return;
  shownListChanges_ = listChanges;
  shownEntry_ = chosen;
  if (const std::vector<std::string> entries = switcher_.Entries(); entries.empty()) {
    view_.HideScreenChooser();
  } else {
    view_.ShowScreenChooser(entries, chosen);
  }
}

void MainWindowBehaviour::ShowModeInForce() {
  const ScreenSize size = switcher_.ModeInForce();
  view_.SetText(MainControl::ModeInForce,
                std::to_string(size.width) + " X " + std::to_string(size.height));
}

// Enabled from the chosen screen's first switch on.
void MainWindowBehaviour::ShowRestore() {
  if (const auto caption = switcher_.RestoreCaption()) {
    view_.Enable(MainControl::RestoreButton);
    view_.SetText(MainControl::RestoreButton, *caption);
    return;
  }
  view_.Disable(MainControl::RestoreButton);
  view_.SetText(MainControl::RestoreButton,
                MainLayout.Find(static_cast<int>(MainControl::RestoreButton))->caption);
}

void MainWindowBehaviour::PutChosenSizeInBoxes() {
  const ScreenSize size = switcher_.ModeInForce();
  view_.SetText(MainControl::WidthBox, std::to_string(size.width));
  view_.SetText(MainControl::HeightBox, std::to_string(size.height));
}

void MainWindowBehaviour::HelpClicked() {
  ShowCommandHelp(toolkit_, switcher_.SeveralAttached());
}

void MainWindowBehaviour::AboutClicked() {
  view_.ShowAboutModal();
}

// The display stays in the mode set last.
void MainWindowBehaviour::QuitClicked() {
  view_.Close();
  toolkit_.EndProcess(ExitSuccess);
}

// From the keyboard too, so that a button never says one thing and does another.
void MainWindowBehaviour::ShortcutOptionChanged() {
  LabelPresetButtons(view_.MakesShortcuts());
}

void MainWindowBehaviour::LabelPresetButtons(bool makeShortcuts) {
  for (const auto& preset : ModePresets) {
    view_.SetText(ModeButton(preset.index), PresetButtonCaption(preset, makeShortcuts));
  }
}

}  // namespace ilvorande
