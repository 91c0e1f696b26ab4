// The display through user32 and gdi32.
#pragma once

#include "core/display/DisplaySettings.h"

namespace ilvorande {

// The primary is switched by the calls that name no device, another screen
// by its device name.
class Win32DisplaySettings final : public DisplaySettings {
 public:
  ScreenSize PrimarySize() override;
  std::int32_t PrimaryDepth() override;
  int AttachedScreenCount() override;
  std::vector<AttachedScreen> AttachedScreens() override;
  SwitchAnswer Switch(std::optional<int> otherScreen, std::int32_t width, std::int32_t height,
                      std::int16_t depth) override;
  void RequestRestart() override;
};

}  // namespace ilvorande
