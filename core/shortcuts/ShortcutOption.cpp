#include "core/shortcuts/ShortcutOption.h"

#include <string_view>

#include "core/shortcuts/DesktopLinkWriter.h"

namespace ilvorande {

namespace {

constexpr std::string_view ShortcutCaptionPrefix = "Raccourci pour ";
constexpr std::string_view CustomRefusalText =
    "Désolé, le raccourci ne fonctionne que pour les autres boutons.";
constexpr std::string_view CustomRefusalTitle = "Désolé";

}  // namespace

std::string PresetButtonCaption(const ModePreset& preset, bool makesShortcuts) {
  const std::string caption = PresetCaption(preset);
  return makesShortcuts ? std::string(ShortcutCaptionPrefix) + caption : caption;
}

void MakeShortcutForButton(Shell& shell, Toolkit& toolkit, int buttonIndex,
                           std::optional<int> otherScreen) {
  if (buttonIndex == CustomModeIndex) {
    toolkit.ShowMessage(CustomRefusalText, MessageStyle::OkWithInformationIcon, CustomRefusalTitle);
    return;
  }
  if (const auto preset = FindPreset(buttonIndex))
    WriteDesktopLink(shell, toolkit, *preset, otherScreen);
}

}  // namespace ilvorande
