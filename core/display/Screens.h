// The screens attached to the desktop as the program knows them: which one
// its switches act on, which is primary, and each one's mode before its
// first press of the run, which "Restaurer" goes back to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/display/DisplaySettings.h"

namespace ilvorande {

// What a reading of the desktop, or a choice, changed.
enum class ScreensChange {
  Same,
  // Screens attached, detached or at another mode; the same screen is chosen.
  Changed,
  // Another screen is chosen: the one chosen went, the primary is another
  // screen while the primary was chosen, or the user chose.
  AnotherChosen,
};

// How a switch reaches a screen: the primary by the calls that name no
// device, another by its number; at the screen's own depth.
struct SwitchTarget {
  std::optional<int> otherScreen;
  std::int32_t depth;
};

class Screens {
 public:
  // A screen's saved mode, for as long as the program runs.
  using SavedModeId = std::size_t;

  // From two screens on, the window shows a chooser.
  static constexpr int SeveralScreens = 2;

  explicit Screens(DisplaySettings& display) : display_(display) {}

  // Counted now, without enumerating them.
  bool SeveralAttached() { return display_.AttachedScreenCount() >= SeveralScreens; }

  // Reads the desktop again. With one screen attached, and one at the last
  // reading, only the count and the primary's size are read; otherwise the
  // whole list, which is compared whole.
  ScreensChange Read();
  // Chooses the screen of that number, enumerating whatever the count (a
  // lone screen may be named too); false, choosing nothing, when no screen
  // of that number is attached.
  bool ChooseNumber(int number);
  // Chooses an entry of the list by its place; false beyond the list.
  bool ChooseEntry(int index);

  // With two screens or more, "Écran 2 : 1024 x 768", the primary's marked
  // "(principal)"; none with one screen.
  std::vector<std::string> Entries() const;
  // Moves on each change of the entries.
  int ListChanges() const { return listChanges_; }
  int ChosenEntry() const;
  // The chosen screen's number when it is not the primary.
  std::optional<int> ChosenOther() const;
  // The chosen screen's number; none for the primary before its number is known.
  std::optional<int> ChosenNumber() const;
  // The chosen screen's mode now: the primary's from the metrics, another's
  // as last read.
  ScreenSize ChosenSize();
  SwitchTarget ChosenTarget();

  // The chosen screen's saved mode, made from its mode now at its first press.
  SavedModeId SaveChosenMode();
  std::optional<SavedModeId> ChosenSavedMode() const;
  void MarkSwitched(SavedModeId id) { saved_[id].switched = true; }
  // Once the screen has been switched: its mode before.
  std::optional<ScreenSize> RestoreMode(SavedModeId id) const;
  // The screen of that saved mode while it is attached.
  std::optional<SwitchTarget> TargetOf(SavedModeId id);

 private:
  struct SavedMode {
    // None: the primary, while its number is not known. One screen attached
    // is never enumerated ("/4F" never asks for the screens), so a mode saved
    // then takes the primary's number once a reading tells it.
    std::optional<int> number;
    ScreenSize mode;
    bool switched = false;
  };

  ScreensChange Take(std::vector<AttachedScreen> screens);
  void LearnPrimary(const AttachedScreen& primary);
  const AttachedScreen* Find(std::optional<int> number) const;
  // The screen of that number when it is listed and not the primary.
  const AttachedScreen* OtherScreen(std::optional<int> number) const;

  DisplaySettings& display_;
  // Every screen while two or more are attached; none with one.
  std::vector<AttachedScreen> listed_;
  int listChanges_ = 0;
  // The screen chosen in the list; none: the primary, whichever it is.
  std::optional<int> chosen_;
  std::optional<int> primaryNumber_;
  // At the last reading, to tell a change with one screen.
  std::optional<ScreenSize> primarySize_;
  // Never removed: an id stays valid while screens come and go.
  std::vector<SavedMode> saved_;
};

}  // namespace ilvorande
