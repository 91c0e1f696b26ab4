// The main window's behaviour: its handlers and operations, written against
// the display calls, the toolkit and the window's controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "display/DisplayPlatform.h"
#include "display/ScopedDisplayDC.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/MainWindowView.h"
#include "shortcuts/ShellPlatform.h"
#include "toolkit/Toolkit.h"

namespace ilvorande {

// An overflow that ChangeRes hands to its caller instead of finishing.
enum class ChangeResError { None, Overflow };

class Ilvorande {
 public:
  Ilvorande(DisplayPlatform& display, Toolkit& toolkit, MainWindowView& view, ShellPlatform& shell)
      : display_(display), toolkit_(toolkit), view_(view), shell_(shell) {}

  // Handlers.
  void Form_Load();
  void Form_Unload(int& Cancel);
  void Change_Click(std::int16_t Index);
  void Command5_Click();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Check1_MouseUp();

  // Operations.
  ChangeResError ChangeRes(const std::int32_t& width, const std::int32_t& height,
                           const std::int32_t& bits);
  void ShowCommandHelp();
  void ShortcutForButton(std::int16_t Index);
  // Raises Form_Unload, then destroys the window unless the handler cancelled.
  void Unload();

  // True once the process has been told to end (Command3_Click).
  bool Ended() const { return ended_; }

 private:
  void HandleCommandLine();
  void SwitchToButtonMode(std::int16_t index, DeviceContext dc);
  void ShowModeInForce();
  float ScreenWidthPixels();
  float ScreenHeightPixels();

  DisplayPlatform& display_;
  Toolkit& toolkit_;
  MainWindowView& view_;
  ShellPlatform& shell_;

  std::int32_t RestoreWidth = 0;
  std::int32_t RestoreHeight = 0;
  ScopedDisplayDC DisplayDC;
  std::array<std::string, ChangeButtonCount> tags_;
  bool ended_ = false;
};

}  // namespace ilvorande
