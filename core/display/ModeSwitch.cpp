#include "core/display/ModeSwitch.h"

#include <limits>
#include <optional>
#include <string_view>

namespace ilvorande {

namespace {

constexpr std::string_view RestartQuestion =
    "Les modifications prendront effet après avoir redemarré votre PC, c'est parti ???";
constexpr std::string_view RestartTitle = "Info";
constexpr std::string_view RefusalText = "Votre carte graphique n'accepte pas cette résolution";
constexpr std::string_view RefusalTitle = "Désolé";
// The broadcast packs the height into the high 16 bits, the width into the low ones.
constexpr std::int64_t HighHalf = std::int64_t{1} << 16;

template <typename Narrow>
std::optional<Narrow> Narrowed(std::int64_t value) {
  if (value < std::numeric_limits<Narrow>::min() || value > std::numeric_limits<Narrow>::max()) {
    return std::nullopt;
  }
  return static_cast<Narrow>(value);
}

}  // namespace

void SwitchDisplayMode(DisplaySettings& display, Toolkit& toolkit, std::int32_t width,
                       std::int32_t height, std::int32_t depth) {
  const auto depth16 = Narrowed<std::int16_t>(depth);
  if (!depth16) return;
  switch (display.Switch(width, height, *depth16)) {
    case SwitchAnswer::Switched:
      if (const auto packed = Narrowed<std::int32_t>(height * HighHalf + width)) {
        display.BroadcastChange(depth, *packed);
      }
      break;
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
