// The written forms of screen sizes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ilvorande {

// A screen quotient as text: whole numbers without a separator ("1024"),
// anything else with the user's decimal separator.
std::string FormatPixels(float pixels, std::string_view decimalSeparator);

// Nearest integer, halves to the even neighbour; nothing outside 32 bits.
std::optional<std::int32_t> RoundHalfEven(double value);

}  // namespace ilvorande
