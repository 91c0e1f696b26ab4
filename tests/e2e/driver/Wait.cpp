#include "driver/Wait.h"

#include <windows.h>

namespace ilvorande::e2e {

bool WaitUntil(const std::function<bool()>& condition, Millis timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    Sleep(10);  // polling interval, not a wait for the program
  }
}

}  // namespace ilvorande::e2e
