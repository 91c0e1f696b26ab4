#include "core/mainwindow/MainWindowBehaviour.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/display/ModePresets.h"
#include "core/display/ModeSwitch.h"
#include "core/helpabout/CommandHelp.h"
#include "core/mainwindow/CommandLine.h"
#include "core/mainwindow/CustomNumber.h"
#include "core/mainwindow/MainLayout.h"
#include "core/shortcuts/ShortcutOption.h"

namespace ilvorande {

namespace {

constexpr int ExitSuccess = 0;
constexpr std::size_t SeveralScreens = 2;
// Device names number the screens from 1.
constexpr int UnnumberedPrimary = 0;

constexpr std::string_view RestorePrefix = "Restaurer à ";
constexpr std::string_view ScreenEntryPrefix = "Écran ";
constexpr std::string_view ScreenEntrySeparator = " : ";
constexpr std::string_view PrimaryMark = " (principal)";
constexpr std::string_view MissingScreenPrefix = "L'écran ";
constexpr std::string_view MissingScreenSuffix = " n'est pas branché.";
constexpr std::string_view MissingScreenTitle = "Désolé";

std::string ScreenEntry(const AttachedScreen& screen) {
  return std::string(ScreenEntryPrefix) + std::to_string(screen.number) +
         std::string(ScreenEntrySeparator) + SizeCaption(screen.width, screen.height) +
         (screen.primary ? std::string(PrimaryMark) : std::string());
}

}  // namespace

void MainWindowBehaviour::Load() {
  LabelPresetButtons(false);
  RunCommandLine();
  // After the command line, so that "/4F" never asks for the screens.
  ReadScreens();
  // Read after any switch of the command line, so they show the mode in force.
  ShowModeInForce();
  PutChosenSizeInBoxes();
  view_.ShowProgramIconOnQuitButton();
  loaded_ = true;
}

// A command-line switch is a press of that mode button, for the screen named.
void MainWindowBehaviour::RunCommandLine() {
  const auto request = ParseCommandLine(toolkit_.CommandLine());
  if (!request) return;
  if (request->helpForMissingMarker) ShowHelp();
  if (!request->buttonIndex) {
    ShowHelp();
    return;
  }
  // A screen that isn't there acts as a refused switch.
  if (!request->screenNumber || ChooseNamedScreen(*request->screenNumber)) {
    ModeButtonClicked(*request->buttonIndex);
  }
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

// Enumerated whatever the count: with one screen, its number may still name it.
bool MainWindowBehaviour::ChooseNamedScreen(const std::string& number) {
  std::vector<AttachedScreen> screens = display_.AttachedScreens();
  const auto named = std::ranges::find(
      screens, number, [](const AttachedScreen& screen) { return std::to_string(screen.number); });
  if (named == screens.end()) {
    toolkit_.ShowMessage(
        std::string(MissingScreenPrefix) + number + std::string(MissingScreenSuffix),
        MessageStyle::OkWithStopIcon, MissingScreenTitle);
    return false;
  }
  chosen_ = named->number;
  TakeScreens(std::move(screens));
  return true;
}

// While the chooser shows, the list is read even when the count says one:
// the screen left need not be the one that was primary.
MainWindowBehaviour::ScreensRead MainWindowBehaviour::ReadScreens() {
  std::vector<AttachedScreen> screens;
  if (!screens_.empty() || display_.AttachedScreenCount() >= static_cast<int>(SeveralScreens)) {
    screens = display_.AttachedScreens();
  }
  return TakeScreens(std::move(screens));
}

MainWindowBehaviour::ScreensRead MainWindowBehaviour::TakeScreens(
    std::vector<AttachedScreen> screens) {
  const ScreenKey chosenBefore = ChosenKey();
  for (const auto& screen : screens) {
    if (screen.primary) LearnPrimary(screen.number);
  }
  if (screens.size() < SeveralScreens) screens.clear();
  if (screens == screens_) return ScreensRead::Same;
  const bool chooserShown = !screens_.empty();
  screens_ = std::move(screens);
  if (screens_.empty() || (chosen_ && Find(*chosen_) == nullptr)) chosen_.reset();
  if (!screens_.empty()) {
    std::vector<std::string> entries;
    int chosenIndex = 0;
    for (const auto& screen : screens_) {
      if (screen.number == ChosenKey()) chosenIndex = static_cast<int>(entries.size());
      entries.push_back(ScreenEntry(screen));
    }
    view_.ShowScreenChooser(entries, chosenIndex);
  } else if (chooserShown) {
    view_.HideScreenChooser();
  }
  return Resolved(chosenBefore) == ChosenKey() ? ScreensRead::Changed : ScreensRead::ChosenGone;
}

// What was saved for the primary before its number was known is its own.
void MainWindowBehaviour::LearnPrimary(int number) {
  if (ScreenMemory* unnumbered = MemoryOf(UnnumberedPrimary); unnumbered && !primaryNumber_) {
    unnumbered->screen = number;
  }
  primaryNumber_ = number;
}

void MainWindowBehaviour::ModeButtonClicked(int index) {
  const ScreenKey screen = ChosenKey();
  if (MemoryOf(screen) == nullptr) memory_.push_back({screen, SizeOf(screen)});
  if (view_.MakesShortcuts()) {
    const AttachedScreen* other = OtherScreen(screen);
    MakeShortcutForButton(shell_, toolkit_, index,
                          other != nullptr ? std::optional(other->number) : std::nullopt);
    return;
  }
  // Before the switch, which may hand the screens' messages on to the window.
  MemoryOf(screen)->switched = true;
  ++switchesUnderWay_;
  SwitchToButtonMode(screen, index);
  // Lets the metrics catch up with the new mode before it is shown.
  toolkit_.ProcessWaitingMessages();
  --switchesUnderWay_;
  // At start-up the screens are read once the command line is done: "/4@2F"
  // ends without reading them again.
  if (loaded_ && !screens_.empty() && ReadScreens() == ScreensRead::ChosenGone) {
    PutChosenSizeInBoxes();
  }
  ShowModeInForce();
  ShowRestore();
  // Ctrl+Z pressed as the screen changed, before "Restaurer" could be pressed.
  if (switchesUnderWay_ == 0 && restoreWaiting_) {
    RestoreScreen(Resolved(*std::exchange(restoreWaiting_, std::nullopt)));
  }
}

// A typed-in width that isn't a number switches nothing, silently.
void MainWindowBehaviour::SwitchToButtonMode(ScreenKey screen, int index) {
  if (index != CustomModeIndex) {
    if (const auto preset = FindPreset(index)) {
      SwitchScreenTo(screen, preset->width, preset->height);
    }
    return;
  }
  const std::string separator = toolkit_.DecimalSeparator();
  // Deliberate quirk: a height that isn't a number is asked for as 0, and the
  // system's refusal tells the user.
  const std::int32_t height =
      ConvertCustomNumber(view_.Text(MainControl::HeightBox), separator).value_or(0);
  const auto width = ConvertCustomNumber(view_.Text(MainControl::WidthBox), separator);
  if (width) SwitchScreenTo(screen, *width, height);
}

// At the screen's own depth; the primary by the calls it always had.
void MainWindowBehaviour::SwitchScreenTo(ScreenKey screen, std::int32_t width,
                                         std::int32_t height) {
  if (const AttachedScreen* other = OtherScreen(screen)) {
    SwitchDisplayMode(display_, toolkit_, width, height, other->depth, other->number);
  } else {
    SwitchDisplayMode(display_, toolkit_, width, height, display_.CurrentDepth());
  }
}

void MainWindowBehaviour::RestoreClicked() {
  RestoreScreen(ChosenKey());
}

void MainWindowBehaviour::RestoreScreen(ScreenKey screen) {
  // Asked again while the restore is being made: that restore answers it.
  if (restoreUnderWay_ == screen) return;
  if (switchesUnderWay_ > 0) {
    restoreWaiting_ = screen;
    return;
  }
  const ScreenMemory* memory = MemoryOf(screen);
  const bool attached = screen == PrimaryKey() || Find(screen) != nullptr;
  if (memory == nullptr || !memory->switched || !attached) return;
  const ScreenSize mode = memory->modeBeforeFirstSwitch;
  restoreUnderWay_ = screen;
  SwitchScreenTo(screen, mode.width, mode.height);
  toolkit_.ProcessWaitingMessages();
  restoreUnderWay_.reset();
  if (!screens_.empty() && ReadScreens() == ScreensRead::ChosenGone) PutChosenSizeInBoxes();
  ShowModeInForce();
}

void MainWindowBehaviour::ScreenChosen(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= screens_.size()) return;
  chosen_ = screens_[static_cast<std::size_t>(index)].number;
  PutChosenSizeInBoxes();
  ShowModeInForce();
  ShowRestore();
}

void MainWindowBehaviour::DesktopChanged() {
  const ScreensRead read = ReadScreens();
  if (read == ScreensRead::Same) return;
  if (read == ScreensRead::ChosenGone) PutChosenSizeInBoxes();
  ShowModeInForce();
  ShowRestore();
}

void MainWindowBehaviour::ShowModeInForce() {
  const ScreenSize size = SizeOf(ChosenKey());
  view_.SetText(MainControl::ModeInForce,
                std::to_string(size.width) + " X " + std::to_string(size.height));
}

// Enabled from the chosen screen's first switch on.
void MainWindowBehaviour::ShowRestore() {
  const ScreenMemory* memory = MemoryOf(ChosenKey());
  if (memory == nullptr || !memory->switched) {
    view_.Disable(MainControl::RestoreButton);
    view_.SetText(MainControl::RestoreButton,
                  MainLayout.Find(static_cast<int>(MainControl::RestoreButton))->caption);
    return;
  }
  const ScreenSize mode = memory->modeBeforeFirstSwitch;
  view_.Enable(MainControl::RestoreButton);
  view_.SetText(MainControl::RestoreButton,
                std::string(RestorePrefix) + SizeCaption(mode.width, mode.height));
}

void MainWindowBehaviour::PutChosenSizeInBoxes() {
  const ScreenSize size = SizeOf(ChosenKey());
  view_.SetText(MainControl::WidthBox, std::to_string(size.width));
  view_.SetText(MainControl::HeightBox, std::to_string(size.height));
}

void MainWindowBehaviour::HelpClicked() {
  ShowHelp();
}

void MainWindowBehaviour::ShowHelp() {
  ShowCommandHelp(toolkit_, display_.AttachedScreenCount() >= static_cast<int>(SeveralScreens));
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

const AttachedScreen* MainWindowBehaviour::Find(ScreenKey screen) const {
  const auto found = std::ranges::find(screens_, screen, &AttachedScreen::number);
  return found != screens_.end() ? &*found : nullptr;
}

const AttachedScreen* MainWindowBehaviour::OtherScreen(ScreenKey screen) const {
  const AttachedScreen* found = Find(screen);
  return found != nullptr && !found->primary ? found : nullptr;
}

MainWindowBehaviour::ScreenKey MainWindowBehaviour::ChosenKey() const {
  return chosen_ ? *chosen_ : PrimaryKey();
}

MainWindowBehaviour::ScreenKey MainWindowBehaviour::PrimaryKey() const {
  return primaryNumber_.value_or(UnnumberedPrimary);
}

MainWindowBehaviour::ScreenKey MainWindowBehaviour::Resolved(ScreenKey screen) const {
  return screen == UnnumberedPrimary ? PrimaryKey() : screen;
}

MainWindowBehaviour::ScreenMemory* MainWindowBehaviour::MemoryOf(ScreenKey screen) {
  const auto found = std::ranges::find(memory_, screen, &ScreenMemory::screen);
  return found != memory_.end() ? &*found : nullptr;
}

// The primary's from the metrics, as ever; another's from its last reading.
ScreenSize MainWindowBehaviour::SizeOf(ScreenKey screen) {
  if (const AttachedScreen* other = OtherScreen(screen)) return {other->width, other->height};
  return toolkit_.Screen();
}

}  // namespace ilvorande
