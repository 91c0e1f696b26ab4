#include "core/mainwindow/MainWindowBehaviour.h"

#include <string>
#include <utility>

#include "core/display/ModePresets.h"
#include "core/display/ModeSwitch.h"
#include "core/helpabout/CommandHelp.h"
#include "core/mainwindow/CommandLine.h"
#include "core/mainwindow/CustomNumber.h"
#include "core/shortcuts/ShortcutOption.h"

namespace ilvorande {

namespace {

constexpr int ExitSuccess = 0;

}  // namespace

void MainWindowBehaviour::Load() {
  LabelPresetButtons(false);
  RunCommandLine();
  // Read after any switch of the command line, so they show the mode in force.
  ShowModeInForce();
  const ScreenSize screen = toolkit_.Screen();
  view_.SetText(MainControl::WidthBox, std::to_string(screen.width));
  view_.SetText(MainControl::HeightBox, std::to_string(screen.height));
  view_.ShowProgramIconOnQuitButton();
}

// A command-line switch is a press of that mode button.
void MainWindowBehaviour::RunCommandLine() {
  const auto request = ParseCommandLine(toolkit_.CommandLine());
  if (!request) return;
  if (request->helpForMissingMarker) ShowCommandHelp(toolkit_);
  if (!request->buttonIndex) {
    ShowCommandHelp(toolkit_);
    return;
  }
  ModeButtonClicked(*request->buttonIndex);
  switch (request->after) {
    case AfterSwitch::ShowNormal:
      view_.SetMinimized(false);
      break;
    case AfterSwitch::ShowMinimized:
      view_.SetMinimized(true);
      break;
    case AfterSwitch::End:
      QuitClicked();
      break;
    case AfterSwitch::LeaveState:
      break;
  }
}

void MainWindowBehaviour::ModeButtonClicked(int index) {
  if (!savedMode_) savedMode_ = toolkit_.Screen();
  if (view_.MakesShortcuts()) {
    MakeShortcutForButton(shell_, toolkit_, index);
    return;
  }
  ++switchesUnderWay_;
  SwitchToButtonMode(index);
  // Lets the metrics catch up with the new mode before it is shown.
  toolkit_.ProcessWaitingMessages();
  --switchesUnderWay_;
  ShowModeInForce();
  view_.Enable(MainControl::RestoreButton);
  restoreEnabled_ = true;
  view_.SetText(MainControl::RestoreButton,
                "Restaurer à " + SizeCaption(savedMode_->width, savedMode_->height));
  // Ctrl+Z pressed as the screen changed, before "Restaurer" could be pressed.
  if (switchesUnderWay_ == 0 && std::exchange(restoreWaiting_, false)) RestoreClicked();
}

// A typed-in width that isn't a number switches nothing, silently.
void MainWindowBehaviour::SwitchToButtonMode(int index) {
  if (index != CustomModeIndex) {
    if (const auto preset = FindPreset(index)) {
      SwitchDisplayMode(display_, toolkit_, preset->width, preset->height, display_.CurrentDepth());
    }
    return;
  }
  const std::string separator = toolkit_.DecimalSeparator();
  // Deliberate quirk: a height that isn't a number is asked for as 0, and the
  // system's refusal tells the user.
  const std::int32_t height =
      ConvertCustomNumber(view_.Text(MainControl::HeightBox), separator).value_or(0);
  const auto width = ConvertCustomNumber(view_.Text(MainControl::WidthBox), separator);
  if (width) SwitchDisplayMode(display_, toolkit_, *width, height, display_.CurrentDepth());
}

void MainWindowBehaviour::RestoreClicked() {
  // Asked again while the restore is being made: that restore answers it.
  if (restoreUnderWay_) return;
  if (switchesUnderWay_ > 0) {
    restoreWaiting_ = true;
    return;
  }
  if (!restoreEnabled_) return;
  restoreUnderWay_ = true;
  SwitchDisplayMode(display_, toolkit_, savedMode_->width, savedMode_->height,
                    display_.CurrentDepth());
  toolkit_.ProcessWaitingMessages();
  restoreUnderWay_ = false;
  ShowModeInForce();
}

void MainWindowBehaviour::ShowModeInForce() {
  const ScreenSize screen = toolkit_.Screen();
  view_.SetText(MainControl::ModeInForce,
                std::to_string(screen.width) + " X " + std::to_string(screen.height));
}

void MainWindowBehaviour::HelpClicked() {
  ShowCommandHelp(toolkit_);
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
