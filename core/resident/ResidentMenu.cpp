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
  for (std::size_t place = 0; place < ResidentGlobalKeys.size(); ++place) {
    if (ResidentGlobalKeys[place].command == command && state.registeredKeys.Has(place)) {
      text += '\t';
      text += KeyLabel(ResidentGlobalKeys[place]);
    }
  }
  return text;
}

bool HasChooser(const ResidentState& state) {
  return state.screenEntries.size() >= 2;
}

// Restore, open, start with Windows, quit, and the separators before them.
constexpr std::size_t FixedEntryCount = 6;

}  // namespace

std::vector<MenuEntry> ResidentMenuEntries(const ResidentState& state) {
  const std::size_t screens =
      HasChooser(state) ? std::min<std::size_t>(state.screenEntries.size(), MaxMenuScreens) : 0;
  // Made at its size, filled in place: separators are the entries left as made.
  std::vector<MenuEntry> entries(screens + (screens > 0 ? 1 : 0) + ModePresets.size() +
                                 FixedEntryCount);
  auto next = entries.begin();
  for (std::size_t place = 0; place < screens; ++place) {
    const int entry = static_cast<int>(place);
    *next++ = {MenuEntryKind::RadioItem,
               state.screenEntries[place],
               {ResidentAction::ChooseScreen, entry},
               entry == state.chosenEntry};
  }
  if (screens > 0) ++next;
  for (const ModePreset& preset : ModePresets) {
    const ResidentCommand command{ResidentAction::SwitchToPreset, preset.index};
    *next++ = {MenuEntryKind::Item, WithKey(PresetCaption(preset), command, state), command,
               preset.width == state.width && preset.height == state.height};
  }
  ++next;
  const ResidentCommand restore{ResidentAction::Restore};
  // The button's caption with the access key of "&Restaurer" before it.
  const std::string restoreText =
      state.restoreCaption ? "&" + *state.restoreCaption : std::string(RestoreText);
  *next++ = {MenuEntryKind::Item, WithKey(restoreText, restore, state), restore, false,
             state.restoreCaption.has_value()};
  ++next;
  *next++ = {
      MenuEntryKind::Item, std::string(OpenText), {ResidentAction::OpenWindow}, false, true, true};
  *next++ = {MenuEntryKind::Item,
             std::string(StartWithWindowsText),
             {ResidentAction::StartWithWindows},
             state.startsWithWindows};
  *next = {MenuEntryKind::Item, std::string(QuitText), {ResidentAction::Quit}};
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
