#include "core/resident/ResidentMenu.h"

#include <algorithm>

#include "core/display/ModePresets.h"
#include "core/resident/GlobalKeys.h"

namespace ilvorande {

namespace {

constexpr std::string_view RestoreText = "&Restaurer";
constexpr std::string_view OpenText = "&Ouvrir Ilvorande";
constexpr std::string_view StartWithWindowsText = "&Démarrer avec Windows";
constexpr std::string_view QuitText = "&Quitter";
constexpr std::string_view TipPrefix = "Ilvorande : ";
constexpr std::string_view TipScreen = "écran ";

// Windows menus show an item's key after a tab; a key not registered is not shown.
std::string WithKey(std::string text, ResidentCommand command, const ResidentState& state) {
  if (std::ranges::find(state.registeredKeys, command) == state.registeredKeys.end()) return text;
  for (const GlobalKey& key : ResidentGlobalKeys()) {
    if (key.command == command) return text + "\t" + key.label;
  }
  return text;
}

MenuEntry Separator() {
  return {MenuEntryKind::Separator, "", {ResidentAction::OpenWindow}};
}

bool HasChooser(const ResidentState& state) {
  return state.screenEntries.size() >= 2;
}

}  // namespace

std::vector<MenuEntry> ResidentMenuEntries(const ResidentState& state) {
  std::vector<MenuEntry> entries;
  if (HasChooser(state)) {
    const int shown = std::min(static_cast<int>(state.screenEntries.size()), MaxMenuScreens);
    for (int place = 0; place < shown; ++place) {
      entries.push_back({MenuEntryKind::RadioItem,
                         state.screenEntries[place],
                         {ResidentAction::ChooseScreen, place},
                         place == state.chosenEntry});
    }
    entries.push_back(Separator());
  }
  for (const ModePreset& preset : ModePresets) {
    const ResidentCommand command{ResidentAction::SwitchToPreset, preset.index};
    entries.push_back({MenuEntryKind::Item, WithKey(PresetCaption(preset), command, state), command,
                       preset.width == state.width && preset.height == state.height});
  }
  entries.push_back(Separator());
  const ResidentCommand restore{ResidentAction::Restore};
  // The button's caption with the access key of "&Restaurer" before it.
  const std::string restoreText =
      state.restoreCaption ? "&" + *state.restoreCaption : std::string(RestoreText);
  entries.push_back({MenuEntryKind::Item, WithKey(restoreText, restore, state), restore, false,
                     state.restoreCaption.has_value()});
  entries.push_back(Separator());
  entries.push_back({.kind = MenuEntryKind::Item,
                     .text = std::string(OpenText),
                     .command = {ResidentAction::OpenWindow},
                     .isDefault = true});
  entries.push_back({MenuEntryKind::Item,
                     std::string(StartWithWindowsText),
                     {ResidentAction::StartWithWindows},
                     state.startsWithWindows});
  entries.push_back({MenuEntryKind::Item, std::string(QuitText), {ResidentAction::Quit}});
  return entries;
}

std::string NotificationTip(const ResidentState& state) {
  std::string tip(TipPrefix);
  if (HasChooser(state))
    tip += std::string(TipScreen) + std::to_string(state.chosenScreenNumber) + ", ";
  tip += SizeCaption(state.width, state.height);
  return std::string(CutToUtf16Units(tip, NotificationTipMaxUnits));
}

std::string_view CutToUtf16Units(std::string_view text, std::size_t units) {
  constexpr unsigned char FourByteLead = 0xF0;  // outside the BMP: a surrogate pair
  constexpr unsigned char ContinuationMask = 0xC0;
  constexpr unsigned char Continuation = 0x80;
  std::size_t used = 0;
  for (std::size_t position = 0; position < text.size(); ++position) {
    const auto byte = static_cast<unsigned char>(text[position]);
    if ((byte & ContinuationMask) == Continuation) continue;
    used += byte >= FourByteLead ? 2 : 1;
    if (used > units) return text.substr(0, position);
  }
  return text;
}

}  // namespace ilvorande
