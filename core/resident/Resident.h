// While the main window exists: its icon in the notification area with a
// menu, the keys that work anywhere, the start with Windows and the jump
// list. A second way into the main window's own decisions, which it asks
// through ResidentHost.
#pragma once

#include <string>
#include <utility>

#include "core/resident/GlobalKeys.h"
#include "core/resident/JumpList.h"
#include "core/resident/NotificationArea.h"
#include "core/resident/ResidentMenu.h"
#include "core/resident/RunAtLogon.h"

namespace ilvorande {

// What the main window's behaviour answers and does for the menu and the keys.
class ResidentHost {
 public:
  virtual ~ResidentHost() = default;

  // The screens, the mode in force on the chosen screen and restore, as
  // the window shows them; the rest of the state is the resident's own.
  virtual ResidentState State() = 0;
  // As the preset's button does with the shortcut box unticked, whether or
  // not it is ticked: the menu and the keys never write links.
  virtual void SwitchToPreset(int index) = 0;
  // As "Restaurer" and Ctrl+Z.
  virtual void Restore() = 0;
  // As picking that entry in the chooser.
  virtual void ChooseScreen(int entry) = 0;
  // Shows the window normal, in front.
  virtual void OpenWindow() = 0;
  // As "Quitter": never returns.
  virtual void Quit() = 0;
};

class Resident {
 public:
  Resident(ResidentHost& host, NotificationArea& area, GlobalKeys& keys, RunAtLogon& run,
           JumpList& jumpList, std::string programPath)
      : host_(host),
        area_(area),
        keys_(keys),
        run_(run),
        jumpList_(jumpList),
        programPath_(std::move(programPath)) {}

  // After the window's first show, never before, so that start-up does not
  // pay for it: the icon, the keys and the jump list.
  void WindowShown();
  // After a switch, a screen chosen or a change of the desktop: the tooltip
  // follows. Before the window has shown, nothing.
  void StateChanged();
  // A click or the keyboard on the icon.
  void MenuAsked();
  // A menu item's or a key's id. False for an id that is neither.
  bool Command(int id);
  // The icon goes and the keys are given back.
  void WindowDestroyed();

 private:
  // The host's state with the Run value read now and the keys registered.
  ResidentState State();

  ResidentHost& host_;
  NotificationArea& area_;
  GlobalKeys& keys_;
  RunAtLogon& run_;
  JumpList& jumpList_;
  const std::string programPath_;
  bool shown_ = false;
  KeySet registeredKeys_;
};

}  // namespace ilvorande
