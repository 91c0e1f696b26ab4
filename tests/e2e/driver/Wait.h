// Waiting for a condition with a deadline: the only way the tests wait.
#pragma once

#include <chrono>
#include <functional>

namespace ilvorande::e2e {

using Millis = std::chrono::milliseconds;

// Generous: a cold Wine prefix or a loaded machine must not make a test flaky.
inline constexpr Millis kStartTimeout{30000};
inline constexpr Millis kTimeout{15000};

// Polls `condition` until it holds or `timeout` has passed; true if it held.
bool WaitUntil(const std::function<bool()>& condition, Millis timeout = kTimeout);

}  // namespace ilvorande::e2e
