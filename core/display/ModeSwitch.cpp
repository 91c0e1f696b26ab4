#include "core/display/ModeSwitch.h"

#include <string_view>
#include <utility>

namespace ilvorande {

namespace {

constexpr std::string_view RestartQuestion =
    "Les modifications prendront effet après avoir redemarré votre PC, c'est parti ???";
constexpr std::string_view RestartTitle = "Info";
constexpr std::string_view RefusalText = "Votre carte graphique n'accepte pas cette résolution";
constexpr std::string_view RefusalTitle = "Désolé";

}  // namespace

void SwitchDisplayMode(DisplaySettings& display, Toolkit& toolkit, std::optional<int> otherScreen,
                       std::int32_t width, std::int32_t height, std::int32_t depth) {
  if (!std::in_range<std::int16_t>(depth)) return;
  const SwitchAnswer answer =
      display.Switch(otherScreen, width, height, static_cast<std::int16_t>(depth));
  switch (answer) {
    case SwitchAnswer::Switched:
      break;  // stored and told to every window by the switch itself
    case SwitchAnswer::NeedsRestart:
      if (toolkit.ShowMessage(RestartQuestion, MessageStyle::YesNoSystemModal, RestartTitle) ==
          MessageAnswer::Yes) {
        display.RequestRestart();
      }
      break;
    case SwitchAnswer::Refused:
      toolkit.ShowMessage(RefusalText, MessageStyle::OkWithStopIcon, RefusalTitle);
      break;
  }
}

}  // namespace ilvorande
