#include "core/display/ScreenSwitcher.h"

#include <string_view>
#include <utility>

#include "core/display/ModePresets.h"
#include "core/display/ModeSwitch.h"

namespace ilvorande {

namespace {

constexpr std::string_view RestorePrefix = "Restaurer à ";

}  // namespace

void ScreenSwitcher::FollowDesktop() {
  following_ = true;
  screens_.Read();
}

void ScreenSwitcher::DesktopChanged() {
  if (const ScreensChange change = screens_.Read(); change != ScreensChange::Same) Tell(change);
}

void ScreenSwitcher::Choose(int index) {
  if (screens_.ChooseEntry(index)) Tell(ScreensChange::AnotherChosen);
}

void ScreenSwitcher::SwitchChosenToPreset(int presetIndex) {
  if (const auto preset = FindPreset(presetIndex)) {
    SwitchChosen(ScreenSize{preset->width, preset->height});
  }
}

void ScreenSwitcher::SwitchChosen(std::optional<ScreenSize> mode) {
  // A switch made while a restore's messages are processed: a restore asked
  // after it is a new one.
  restoreUnderWay_.reset();
  // Marked before the switch, whose waiting messages may ask for a restore.
  screens_.MarkSwitched(screens_.SaveChosenMode());
  ++switchesUnderWay_;
  if (mode) {
    const SwitchTarget target = screens_.ChosenTarget();
    SwitchDisplayMode(display_, toolkit_, target.otherScreen, mode->width, mode->height,
                      target.depth);
  }
  // Lets the metrics catch up with the new mode before it is shown.
  toolkit_.ProcessWaitingMessages();
  --switchesUnderWay_;
  AfterSwitch();
  // Ctrl+Z pressed as the screen changed, before "Restaurer" could be pressed.
  if (switchesUnderWay_ == 0 && restoreWaiting_) {
    Restore(*std::exchange(restoreWaiting_, std::nullopt));
  }
}

void ScreenSwitcher::RestoreChosen() {
  if (const auto saved = screens_.ChosenSavedMode()) Restore(*saved);
}

void ScreenSwitcher::Restore(Screens::SavedModeId saved) {
  // Asked again while the restore is being made: that restore answers it.
  if (restoreUnderWay_ == saved) return;
  if (switchesUnderWay_ > 0) {
    restoreWaiting_ = saved;
    return;
  }
  const auto mode = screens_.RestoreMode(saved);
  if (!mode) return;
  const auto target = screens_.TargetOf(saved);
  if (!target) return;
  restoreUnderWay_ = saved;
  SwitchDisplayMode(display_, toolkit_, target->otherScreen, mode->width, mode->height,
                    target->depth);
  toolkit_.ProcessWaitingMessages();
  restoreUnderWay_.reset();
  AfterSwitch();
}

// The mode in force and the restore may have changed, whatever the reading says.
void ScreenSwitcher::AfterSwitch() {
  const ScreensChange change = following_ ? screens_.Read() : ScreensChange::Changed;
  Tell(change == ScreensChange::AnotherChosen ? change : ScreensChange::Changed);
}

void ScreenSwitcher::Tell(ScreensChange change) {
  for (ScreensObserver* observer = firstObserver_; observer != nullptr;
       observer = observer->nextObserver_) {
    observer->ScreensChanged(change);
  }
}

std::optional<std::string> ScreenSwitcher::RestoreCaption() const {
  const auto saved = screens_.ChosenSavedMode();
  const auto mode = saved ? screens_.RestoreMode(*saved) : std::nullopt;
  if (!mode) return std::nullopt;
  return std::string(RestorePrefix) + SizeCaption(mode->width, mode->height);
}

}  // namespace ilvorande
