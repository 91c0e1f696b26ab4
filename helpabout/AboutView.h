// What the About window's behaviour does to the window.
#pragma once

#include <cstdint>
#include <string_view>

namespace ilvorande {

class AboutView {
 public:
  virtual ~AboutView() = default;
  // The main window's icon as this window's icon, and as the picture of Image1.
  virtual void SetIconToMainWindowIcon() = 0;
  virtual void SetImage1ToMainWindowIcon() = 0;
  virtual void SetText(int controlId, std::string_view text) = 0;
  virtual void Unload() = 0;
  virtual std::uintptr_t Handle() = 0;
};

}  // namespace ilvorande
