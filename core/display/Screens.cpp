#include "core/display/Screens.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/display/ModePresets.h"

namespace ilvorande {

namespace {

constexpr std::string_view EntryPrefix = "Écran ";
constexpr std::string_view EntrySeparator = " : ";
constexpr std::string_view PrimaryMark = " (principal)";

}  // namespace

ScreensChange Screens::Read() {
  if (listed_.empty() && !SeveralAttached()) {
    const ScreenSize size = display_.PrimarySize();
    return std::exchange(primarySize_, size) == size ? ScreensChange::Same : ScreensChange::Changed;
  }
  return Take(display_.AttachedScreens());
}

bool Screens::ChooseNumber(int number) {
  std::vector<AttachedScreen> screens = display_.AttachedScreens();
  if (std::ranges::find(screens, number, &AttachedScreen::number) == screens.end()) return false;
  chosen_ = number;
  Take(std::move(screens));
  return true;
}

bool Screens::ChooseEntry(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= listed_.size()) return false;
  chosen_ = listed_[static_cast<std::size_t>(index)].number;
  return true;
}

ScreensChange Screens::Take(std::vector<AttachedScreen> screens) {
  const std::optional<int> chosenBefore = ChosenNumber();
  for (const auto& screen : screens) {
    if (screen.primary) LearnPrimary(screen);
  }
  if (screens.size() < static_cast<std::size_t>(SeveralScreens)) screens.clear();
  const bool same = screens == listed_;
  listed_ = std::move(screens);
  if (Find(chosen_) == nullptr) chosen_.reset();
  if (same) return ScreensChange::Same;
  ++listChanges_;
  // Chosen before its number was known, the primary is still chosen.
  return !chosenBefore || chosenBefore == ChosenNumber() ? ScreensChange::Changed
                                                         : ScreensChange::AnotherChosen;
}

void Screens::LearnPrimary(const AttachedScreen& primary) {
  for (auto& saved : saved_) {
    if (!saved.number) saved.number = primary.number;
  }
  primaryNumber_ = primary.number;
  primarySize_ = ScreenSize{primary.width, primary.height};
}

std::vector<std::string> Screens::Entries() const {
  std::vector<std::string> entries;
  for (const auto& screen : listed_) {
    entries.push_back(std::string(EntryPrefix) + std::to_string(screen.number) +
                      std::string(EntrySeparator) + SizeCaption(screen.width, screen.height) +
                      (screen.primary ? std::string(PrimaryMark) : std::string()));
  }
  return entries;
}

int Screens::ChosenEntry() const {
  const auto found = std::ranges::find(listed_, ChosenNumber(), &AttachedScreen::number);
  return found != listed_.end() ? static_cast<int>(found - listed_.begin()) : 0;
}

std::optional<int> Screens::ChosenOther() const {
  const AttachedScreen* other = OtherScreen(chosen_);
  return other != nullptr ? std::optional(other->number) : std::nullopt;
}

ScreenSize Screens::ChosenSize() {
  if (const AttachedScreen* other = OtherScreen(chosen_)) return {other->width, other->height};
  return display_.PrimarySize();
}

SwitchTarget Screens::ChosenTarget() {
  if (const AttachedScreen* other = OtherScreen(chosen_)) return {other->number, other->depth};
  return {std::nullopt, display_.PrimaryDepth()};
}

Screens::SavedModeId Screens::SaveChosenMode() {
  if (const auto saved = ChosenSavedMode()) return *saved;
  saved_.push_back({ChosenNumber(), ChosenSize()});
  return saved_.size() - 1;
}

std::optional<Screens::SavedModeId> Screens::ChosenSavedMode() const {
  const auto found = std::ranges::find(saved_, ChosenNumber(), &SavedMode::number);
  if (found == saved_.end()) return std::nullopt;
  return static_cast<SavedModeId>(found - saved_.begin());
}

std::optional<ScreenSize> Screens::RestoreMode(SavedModeId id) const {
  const SavedMode& saved = saved_[id];
  return saved.switched ? std::optional(saved.mode) : std::nullopt;
}

std::optional<SwitchTarget> Screens::TargetOf(SavedModeId id) {
  const std::optional<int> number = saved_[id].number;
  if (!number || number == primaryNumber_)
    return SwitchTarget{std::nullopt, display_.PrimaryDepth()};
  if (const AttachedScreen* other = OtherScreen(number)) {
    return SwitchTarget{other->number, other->depth};
  }
  return std::nullopt;
}

const AttachedScreen* Screens::Find(std::optional<int> number) const {
  if (!number) return nullptr;
  const auto found = std::ranges::find(listed_, *number, &AttachedScreen::number);
  return found != listed_.end() ? &*found : nullptr;
}

const AttachedScreen* Screens::OtherScreen(std::optional<int> number) const {
  const AttachedScreen* found = Find(number);
  return found != nullptr && !found->primary ? found : nullptr;
}

std::optional<int> Screens::ChosenNumber() const {
  return chosen_ ? chosen_ : primaryNumber_;
}

}  // namespace ilvorande
