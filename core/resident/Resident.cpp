#include "core/resident/Resident.h"

namespace ilvorande {

void Resident::WindowShown() {
  if (shown_) return;
  shown_ = true;
  registeredKeys_ = keys_.RegisterAll();
  area_.Show(NotificationTip(host_.State()));
  jumpList_.SetTasks(programPath_, JumpListTasks());
}

void Resident::StateChanged() {
  if (shown_) area_.Show(NotificationTip(host_.State()));
}

void Resident::MenuAsked() {
  if (shown_) area_.OpenMenu(ResidentMenuEntries(State()));
}

bool Resident::Command(int id) {
  const std::optional<ResidentCommand> command = DecodeResidentCommandId(id);
  if (!command) return false;
  switch (command->action) {
    case ResidentAction::ChooseScreen:
      host_.ChooseScreen(command->index);
      break;
    case ResidentAction::SwitchToPreset:
      host_.SwitchToPreset(command->index);
      break;
    case ResidentAction::Restore:
      host_.Restore();
      break;
    case ResidentAction::OpenWindow:
      host_.OpenWindow();
      break;
    case ResidentAction::StartWithWindows:
      ToggleStartWithWindows(run_, programPath_);
      break;
    case ResidentAction::Quit:
      host_.Quit();
      break;
  }
  StateChanged();
  return true;
}

void Resident::WindowDestroyed() {
  if (!shown_) return;
  shown_ = false;
  area_.Remove();
  keys_.UnregisterAll();
  registeredKeys_ = {};
}

ResidentState Resident::State() {
  ResidentState state = host_.State();
  const std::optional<std::string> runValue = run_.ReadValue();
  state.startsWithWindows = runValue && RunValueStartsProgram(*runValue, programPath_);
  state.registeredKeys = registeredKeys_;
  return state;
}

}  // namespace ilvorande
