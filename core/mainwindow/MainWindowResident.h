// The main window's side of the notification area's menu and of the keys
// that work anywhere: they act through the window's own switcher and
// behaviour, so the window shows what they do, and the icon's tooltip follows
// every change of the screens, whoever made it.
#pragma once

#include <string>

#include "core/display/ScreenSwitcher.h"
#include "core/mainwindow/MainWindowBehaviour.h"
#include "core/mainwindow/MainWindowView.h"
#include "core/resident/Resident.h"

namespace ilvorande {

class MainWindowResident final : public ResidentHost, private ScreensObserver {
 public:
  // After the behaviour's Load, for as long as its switcher is used.
  MainWindowResident(MainWindowBehaviour& behaviour, MainWindowView& view, NotificationArea& area,
                     GlobalKeys& keys, RunAtLogon& run, JumpList& jumpList,
                     std::string programPath);
  MainWindowResident(const MainWindowResident&) = delete;
  MainWindowResident& operator=(const MainWindowResident&) = delete;

  void WindowShown() { resident_.WindowShown(); }
  void MenuAsked() { resident_.MenuAsked(); }
  // False for an id that is no menu item's and no key's.
  bool Command(int id) { return resident_.Command(id); }
  void WindowDestroyed() { resident_.WindowDestroyed(); }

  ResidentState State() override;
  void SwitchToPreset(int index) override;
  void Restore() override;
  void ChooseScreen(int entry) override;
  void OpenWindow() override;
  void Quit() override;

 private:
  void ScreensChanged(ScreensChange change) override;

  MainWindowBehaviour& behaviour_;
  MainWindowView& view_;
  ScreenSwitcher& switcher_;
  Resident resident_;
};

}  // namespace ilvorande
