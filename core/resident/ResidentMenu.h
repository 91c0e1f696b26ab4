// The notification area's menu and tooltip, from what the main window's
// behaviour answers: the same screens, mode and restore as the window shows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/resident/GlobalKeys.h"
#include "core/resident/ResidentCommand.h"

namespace ilvorande {

struct ResidentState {
  // The screen chooser's entries and the chosen one's place; with one screen
  // the window has no chooser and this is empty.
  std::vector<std::string> screenEntries{};
  int chosenEntry = 0;
  // The chosen screen's number ("\\.\DISPLAY2" is 2) and its mode in force.
  int chosenScreenNumber = 1;
  std::int32_t width = 0;
  std::int32_t height = 0;
  // "Restaurer à 1600 x 1200" as the window's button says it; nothing while
  // the button is disabled.
  std::optional<std::string> restoreCaption{};
  // Whether the user's Run value starts this very program.
  bool startsWithWindows = false;
  // The keys registered now.
  KeySet registeredKeys{};
};

enum class MenuEntryKind { Item, RadioItem, Separator };

struct MenuEntry {
  MenuEntryKind kind = MenuEntryKind::Separator;
  // With its access key ("&Quitter") and, after a tab, its key when it has one.
  std::string text{};
  // A separator's is never sent.
  ResidentCommand command{ResidentAction::OpenWindow};
  bool checked = false;
  bool enabled = true;
  // The menu's default item, shown in bold.
  bool isDefault = false;
  friend bool operator==(const MenuEntry&, const MenuEntry&) = default;
};

// Top to bottom: the screens (two or more), the presets in the window's row
// order, restore, then open, start with Windows and quit.
std::vector<MenuEntry> ResidentMenuEntries(const ResidentState& state);

// The notification area holds 128 UTF-16 units of tooltip, its terminator
// included.
inline constexpr std::size_t NotificationTipMaxUnits = 127;

// "Ilvorande : 1600 x 1200"; with two screens or more
// "Ilvorande : écran 2, 1024 x 768". At most NotificationTipMaxUnits long.
std::string NotificationTip(const ResidentState& state);

// The longest start of the UTF-8 text that is at most that many UTF-16
// units, never ending inside a character.
std::string_view CutToUtf16Units(std::string_view text, std::size_t units);

}  // namespace ilvorande
