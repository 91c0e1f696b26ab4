// Owns a display device context from CreateDCA and deletes it exactly once.
#pragma once

#include <utility>

#include "display/DisplayPlatform.h"

namespace ilvorande {

class ScopedDisplayDC {
 public:
  ScopedDisplayDC() = default;
  explicit ScopedDisplayDC(DisplayPlatform& display)
      : display_(&display), dc_(display.CreateDCA()) {}
  ScopedDisplayDC(const ScopedDisplayDC&) = delete;
  ScopedDisplayDC& operator=(const ScopedDisplayDC&) = delete;
  ScopedDisplayDC(ScopedDisplayDC&& other) noexcept
      : display_(std::exchange(other.display_, nullptr)), dc_(std::exchange(other.dc_, 0)) {}
  ScopedDisplayDC& operator=(ScopedDisplayDC&& other) noexcept {
    if (this != &other) {
      reset();
      display_ = std::exchange(other.display_, nullptr);
      dc_ = std::exchange(other.dc_, 0);
    }
    return *this;
  }
  ~ScopedDisplayDC() { reset(); }

  DeviceContext get() const { return dc_; }

  // Deletes the context now; the handle is not tested, as CreateDCA's result isn't.
  void reset() {
    if (display_ != nullptr) display_->DeleteDC(dc_);
    display_ = nullptr;
    dc_ = 0;
  }

 private:
  DisplayPlatform* display_ = nullptr;
  DeviceContext dc_ = 0;
};

}  // namespace ilvorande
