#include "mainwindow/SizeText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ilvorande {

std::string FormatPixels(float pixels, std::string_view decimalSeparator) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, pixels, std::chars_format::fixed);
  if (error != std::errc{}) return {};
  std::string text(buffer, end);
  if (const auto dot = text.find('.'); dot != std::string::npos) {
    text.replace(dot, 1, decimalSeparator);
  }
  return text;
}

std::optional<std::int32_t> RoundHalfEven(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // nearbyint rounds in the default mode, to nearest with ties to even.
  const double rounded = std::nearbyint(value);
  if (rounded < std::numeric_limits<std::int32_t>::min() ||
      rounded > std::numeric_limits<std::int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(rounded);
}

}  // namespace ilvorande
