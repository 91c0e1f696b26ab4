// Identifiers of the main window and its controls, shared by the program
// and the tests that drive it.
#pragma once

namespace ilvorande {

inline constexpr const char* MainWindowClassName = "IlvorandeMain";

enum class MainControl : int {
  // The mode buttons take ModeButtonBase + preset index.
  ModeButtonBase = 100,
  ShortcutOption = 200,
  WidthBox,
  HeightBox,
  ModeInForce,
  ModeInForceCaption,
  TimesSign,
  WidthCaption,
  HeightCaption,
  HelpButton,
  AboutButton,
  QuitButton,
  RestoreButton,
  // Only while two or more screens are attached: the drop-down list of the
  // screens and its caption, first in the window.
  ScreenChooser,
  ScreenChooserCaption,
};

constexpr MainControl ModeButton(int presetIndex) {
  return static_cast<MainControl>(static_cast<int>(MainControl::ModeButtonBase) + presetIndex);
}

}  // namespace ilvorande
