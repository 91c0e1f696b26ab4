// What the notification area's menu and the keys that work anywhere ask
// for, and the numbers that carry it: a menu item's id in WM_COMMAND and a
// key's id in WM_HOTKEY are the same number.
#pragma once

#include <optional>

namespace ilvorande {

enum class ResidentAction {
  ChooseScreen,
  SwitchToPreset,
  Restore,
  OpenWindow,
  StartWithWindows,
  Quit
};

struct ResidentCommand {
  ResidentAction action;
  // The chooser entry's place for ChooseScreen, the preset's index for
  // SwitchToPreset; 0 otherwise.
  int index = 0;
  friend bool operator==(const ResidentCommand&, const ResidentCommand&) = default;
};

// Far above the main window's control ids (core/mainwindow/MainControlIds.h),
// within WM_COMMAND's 16 bits and below 0xC000, where RegisterHotKey's ids
// for a program end.
inline constexpr int FirstResidentCommandId = 0x5000;
// More entries in the chooser than this get no menu item.
inline constexpr int MaxMenuScreens = 64;

// Nothing for a command that has no id: an index that is no preset's (the
// custom button's included), a chooser entry past MaxMenuScreens.
std::optional<int> ResidentCommandId(ResidentCommand command);
// Nothing for an id that is not one of these.
std::optional<ResidentCommand> DecodeResidentCommandId(int id);

}  // namespace ilvorande
