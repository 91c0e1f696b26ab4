#include "core/mainwindow/CustomNumber.h"

#include <limits>

namespace ilvorande {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view TakeDigits(std::string_view& text) {
  std::size_t count = 0;
  while (count < text.size() && IsDigit(text[count])) ++count;
  const auto digits = text.substr(0, count);
  text.remove_prefix(count);
  return digits;
}

// Round half to even, deciding from the fraction's digits alone so that no
// binary floating-point error can move a half.
bool RoundsUp(std::string_view fraction, std::uint64_t integerPart) {
  if (fraction.empty() || fraction.front() < '5') return false;
  if (fraction.front() > '5') return true;
  for (char c : fraction.substr(1)) {
    if (c != '0') return true;
  }
  return integerPart % 2 == 1;
}

}  // namespace

std::optional<std::int32_t> ConvertCustomNumber(std::string_view text,
                                                std::string_view decimalSeparator) {
  if (decimalSeparator.empty()) decimalSeparator = ".";
  text = TrimBlanks(text);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const auto integerDigits = TakeDigits(text);
  std::string_view fraction;
  if (text.starts_with(decimalSeparator)) {
    text.remove_prefix(decimalSeparator.size());
    fraction = TakeDigits(text);
  }
  if (!text.empty() || (integerDigits.empty() && fraction.empty())) return std::nullopt;

  // One past the largest magnitude that can still round into range.
  constexpr std::uint64_t Limit = std::uint64_t{1} << 32;
  std::uint64_t magnitude = 0;
  for (char c : integerDigits) {
    magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    if (magnitude > Limit) return std::nullopt;
  }
  if (RoundsUp(fraction, magnitude)) ++magnitude;

  const std::uint64_t maxMagnitude =
      negative ? std::uint64_t{1} << 31 : std::uint64_t{std::numeric_limits<std::int32_t>::max()};
  if (magnitude > maxMagnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace ilvorande
