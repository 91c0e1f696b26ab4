#include <string>

#include "display/DisplayConstants.h"
#include "display/ModePresets.h"
#include "mainwindow/CustomNumber.h"
#include "mainwindow/Ilvorande.h"
#include "mainwindow/SizeText.h"

namespace ilvorande {

float Ilvorande::ScreenWidthPixels() {
  const auto screen = toolkit_.Screen();
  return screen.widthTwips / screen.twipsPerPixelX;
}

float Ilvorande::ScreenHeightPixels() {
  const auto screen = toolkit_.Screen();
  return screen.heightTwips / screen.twipsPerPixelY;
}

void Ilvorande::ShowModeInForce() {
  const auto separator = toolkit_.DecimalSeparator();
  view_.SetText(IdLabel1, FormatPixels(ScreenWidthPixels(), separator) + " X " +
                              FormatPixels(ScreenHeightPixels(), separator));
}

// Selects the button's mode and switches to it at the display's current
// depth. Any step that fails is dropped without a word.
void Ilvorande::SwitchToButtonMode(std::int16_t index, DeviceContext dc) {
  std::int32_t height = 0;
  std::optional<std::int32_t> width;
  if (index == CustomModeIndex) {
    const auto separator = toolkit_.DecimalSeparator();
    const std::string widthText = view_.Text(IdText1);
    // A height that doesn't convert is asked for as 0 and the system answers.
    height = ConvertCustomNumber(view_.Text(IdText2), separator).value_or(0);
    const std::int32_t bits = display_.GetDeviceCaps(dc, BITSPIXEL);
    width = ConvertCustomNumber(widthText, separator);
    if (width) (void)ChangeRes(*width, height, bits);
    return;
  }
  const auto preset = ModePresets(index);
  if (!preset) return;
  const std::int32_t bits = display_.GetDeviceCaps(dc, BITSPIXEL);
  // An overflow only drops the rest of the switch.
  (void)ChangeRes(preset->width, preset->height, bits);
}

void Ilvorande::Change_Click(std::int16_t Index) {
  if (RestoreWidth == 0) {
    RestoreWidth = RoundHalfEven(ScreenWidthPixels()).value_or(0);
    RestoreHeight = RoundHalfEven(ScreenHeightPixels()).value_or(0);
  }
  if (view_.CheckValue(IdCheck1) == 1) {
    ShortcutForButton(Index);
    return;
  }
  {
    ScopedDisplayDC dc(display_);
    SwitchToButtonMode(Index, dc.get());
  }
  // Lets the metrics catch up with the new mode before it is shown.
  toolkit_.DoEvents();
  ShowModeInForce();
  view_.SetEnabled(IdCommand5, true);
  view_.SetText(IdCommand5, "Restaurer à " + std::to_string(RestoreWidth) + " x " +
                                std::to_string(RestoreHeight));
}

void Ilvorande::Command5_Click() {
  DisplayDC = ScopedDisplayDC(display_);
  const std::int32_t bits = display_.GetDeviceCaps(DisplayDC.get(), BITSPIXEL);
  // A saved size and the display's own depth can't overflow; if a huge saved
  // size ever did, only the broadcast would be missed.
  (void)ChangeRes(RestoreWidth, RestoreHeight, bits);
  DisplayDC.reset();
  toolkit_.DoEvents();
  ShowModeInForce();
}

}  // namespace ilvorande
