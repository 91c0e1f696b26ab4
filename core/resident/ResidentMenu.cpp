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
void AppendKey(std::string& text, ResidentCommand command, const ResidentState& state) {
  for (std::size_t place = 0; place < ResidentGlobalKeys.size(); ++place) {
    if (ResidentGlobalKeys[place].command == command && state.registeredKeys.Has(place)) {
      text.append("\t").append(KeyLabel(ResidentGlobalKeys[place]));
      return;
    }
  }
}

bool HasChooser(const ResidentState& state) {
  return state.screenEntries.size() >= 2;
}

// Restore, open, start with Windows, quit, and the separators before them.
constexpr std::size_t FixedEntryCount = 6;

// The entries are made as separators, then each item is filled in its place.
void Fill(MenuEntry& entry, std::string_view text, ResidentCommand command, bool checked = false,
          bool enabled = true) {
  entry.kind = MenuEntryKind::Item;
  entry.text = text;
  entry.command = command;
  entry.checked = checked;
  entry.enabled = enabled;
}

}  // namespace

std::vector<MenuEntry> ResidentMenuEntries(const ResidentState& state) {
  const std::size_t screens =
      HasChooser(state) ? std::min<std::size_t>(state.screenEntries.size(), MaxMenuScreens) : 0;
  std::vector<MenuEntry> entries(screens + (screens > 0 ? 1 : 0) + ModePresets.size() +
                                 FixedEntryCount);
  auto next = entries.begin();
  for (std::size_t place = 0; place < screens; ++place) {
    const int entry = static_cast<int>(place);
    Fill(*next, state.screenEntries[place], {ResidentAction::ChooseScreen, entry},
         entry == state.chosenEntry);
    next++->kind = MenuEntryKind::RadioItem;
  }
  if (screens > 0) ++next;
  for (const ModePreset& preset : ModePresets) {
    const ResidentCommand command{ResidentAction::SwitchToPreset, preset.index};
    Fill(*next, PresetCaption(preset), command,
         preset.width == state.width && preset.height == state.height);
    AppendKey(next++->text, command, state);
  }
  ++next;
  const ResidentCommand restore{ResidentAction::Restore};
  // The button's caption with the access key of "&Restaurer" before it.
  if (state.restoreCaption) {
    Fill(*next, "&", restore);
    next->text += *state.restoreCaption;
  } else {
    Fill(*next, RestoreText, restore, false, false);
  }
  AppendKey(next++->text, restore, state);
  ++next;
  Fill(*next, OpenText, {ResidentAction::OpenWindow});
  next++->isDefault = true;
  Fill(*next++, StartWithWindowsText, {ResidentAction::StartWithWindows}, state.startsWithWindows);
  Fill(*next, QuitText, {ResidentAction::Quit});
  return entries;
}

std::string NotificationTip(const ResidentState& state) {
  std::string tip(TipPrefix);
  if (HasChooser(state))
    tip.append(TipScreen).append(std::to_string(state.chosenScreenNumber)).append(", ");
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
