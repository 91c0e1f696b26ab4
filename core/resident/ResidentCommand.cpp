#include "core/resident/ResidentCommand.h"

#include "core/display/ModePresets.h"

namespace ilvorande {

namespace {

// Each action's first id; the presets and the screens take one id each
// after theirs.
constexpr int OpenWindowId = FirstResidentCommandId;
constexpr int StartWithWindowsId = OpenWindowId + 1;
constexpr int QuitId = OpenWindowId + 2;
constexpr int RestoreId = OpenWindowId + 3;
// Room for more commands of their own before the presets.
constexpr int SingleCommandIds = 0x10;
constexpr int PresetIdBase = FirstResidentCommandId + SingleCommandIds;
constexpr int PresetIdCount = 10;  // one command-line digit each
constexpr int ScreenIdBase = PresetIdBase + PresetIdCount;
constexpr int LastResidentCommandId = ScreenIdBase + MaxMenuScreens - 1;

constexpr int LastHotKeyId = 0xBFFF;
constexpr int LastMenuId = 0xFFFF;
static_assert(LastResidentCommandId <= LastHotKeyId && LastResidentCommandId <= LastMenuId);

}  // namespace

std::optional<int> ResidentCommandId(ResidentCommand command) {
  switch (command.action) {
    case ResidentAction::OpenWindow:
      return OpenWindowId;
    case ResidentAction::StartWithWindows:
      return StartWithWindowsId;
    case ResidentAction::Quit:
      return QuitId;
    case ResidentAction::Restore:
      return RestoreId;
    case ResidentAction::SwitchToPreset:
      if (!FindPreset(command.index)) return std::nullopt;
      return PresetIdBase + command.index;
    case ResidentAction::ChooseScreen:
      if (command.index < 0 || command.index >= MaxMenuScreens) return std::nullopt;
      return ScreenIdBase + command.index;
  }
  return std::nullopt;
}

std::optional<ResidentCommand> DecodeResidentCommandId(int id) {
  switch (id) {
    case OpenWindowId:
      return ResidentCommand{ResidentAction::OpenWindow};
    case StartWithWindowsId:
      return ResidentCommand{ResidentAction::StartWithWindows};
    case QuitId:
      return ResidentCommand{ResidentAction::Quit};
    case RestoreId:
      return ResidentCommand{ResidentAction::Restore};
    default:
      break;
  }
  if (id >= PresetIdBase && id < ScreenIdBase && FindPreset(id - PresetIdBase)) {
    return ResidentCommand{ResidentAction::SwitchToPreset, id - PresetIdBase};
  }
  if (id >= ScreenIdBase && id <= LastResidentCommandId) {
    return ResidentCommand{ResidentAction::ChooseScreen, id - ScreenIdBase};
  }
  return std::nullopt;
}

}  // namespace ilvorande
