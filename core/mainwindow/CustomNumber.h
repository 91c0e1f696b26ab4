// Conversion of the typed-in width and height to a 32-bit integer.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ilvorande {

// Blanks around the number are ignored; a fractional part, written with the
// user's decimal separator, rounds to the nearest integer with halves to the
// even neighbour. Nothing for an empty text, anything that isn't such a
// number, or a value outside the 32-bit signed range.
std::optional<std::int32_t> ConvertCustomNumber(std::string_view text,
                                                std::string_view decimalSeparator);

}  // namespace ilvorande
