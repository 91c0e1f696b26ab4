#include "mainwindow/Ilvorande.h"
#include "mainwindow/SizeText.h"

namespace ilvorande {

void Ilvorande::Form_Load() {
  HandleCommandLine();
  if (ended_) return;

  // Read after any switch of the command line, so they show the mode in force.
  ShowModeInForce();
  const auto separator = toolkit_.DecimalSeparator();
  view_.SetText(IdText1, FormatPixels(ScreenWidthPixels(), separator));
  view_.SetText(IdText2, FormatPixels(ScreenHeightPixels(), separator));
  view_.SetPictureToWindowIcon(IdCommand3);
  // The start-up captions, to put back after the shortcut captions and to name shortcuts.
  for (int index = 0; index < ChangeButtonCount; ++index) {
    tags_[static_cast<std::size_t>(index)] = view_.Text(ChangeId(index));
  }
}

}  // namespace ilvorande
