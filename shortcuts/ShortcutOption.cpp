#include <string>

#include "display/ModePresets.h"
#include "mainwindow/Ilvorande.h"
#include "shortcuts/CreationRaccourci.h"
#include "toolkit/MessageBoxStyles.h"

namespace ilvorande {

namespace {

constexpr std::string_view ShortcutCaptionPrefix = "Raccourci pour ";
constexpr std::string_view CustomRefusalText =
    "Désolé, le raccourci ne fonctionne que pour les autres boutons.";
constexpr std::string_view CustomRefusalTitle = "Désolé";

}  // namespace

void Ilvorande::Check1_MouseUp() {
  for (int index = 0; index < ChangeButtonCount; ++index) {
    if (index == CustomModeIndex) continue;
    const std::string& tag = tags_[static_cast<std::size_t>(index)];
    if (view_.CheckValue(IdCheck1) == 1) {
      view_.SetText(ChangeId(index), std::string(ShortcutCaptionPrefix) + tag);
    } else {
      view_.SetText(ChangeId(index), tag);
    }
  }
}

void Ilvorande::ShortcutForButton(std::int16_t Index) {
  if (Index == CustomModeIndex) {
    toolkit_.MsgBox(CustomRefusalText, MB_OK | MB_ICONINFORMATION, CustomRefusalTitle);
    return;
  }
  if (Index < 0 || Index >= ChangeButtonCount) return;
  MakeDesktopShortcut(shell_, toolkit_, Index, tags_[static_cast<std::size_t>(Index)]);
}

}  // namespace ilvorande
