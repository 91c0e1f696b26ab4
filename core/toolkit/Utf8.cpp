#include "core/toolkit/Utf8.h"

namespace ilvorande {

namespace {

constexpr char32_t Replacement = U'\uFFFD';

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Length of the sequence that starts with lead, with the smallest code point
// it may encode (to refuse overlong forms); 0 for a byte that can't start one.
struct SequenceShape {
  std::size_t length;
  char32_t minimum;
  char32_t leadBits;
};

SequenceShape ShapeOf(unsigned char lead) {
  if (lead < 0x80) return {1, 0, lead};
  if ((lead & 0xE0) == 0xC0) return {2, 0x80, lead & 0x1Fu};
  if ((lead & 0xF0) == 0xE0) return {3, 0x800, lead & 0x0Fu};
  if ((lead & 0xF8) == 0xF0) return {4, 0x10000, lead & 0x07u};
  return {0, 0, 0};
}

}  // namespace

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string decoded;
  decoded.reserve(text.size());
  std::size_t position = 0;
  while (position < text.size()) {
    const auto shape = ShapeOf(static_cast<unsigned char>(text[position]));
    char32_t codePoint = shape.leadBits;
    std::size_t length = shape.length;
    bool valid = length != 0 && position + length <= text.size();
    for (std::size_t i = 1; valid && i < length; ++i) {
      const auto byte = static_cast<unsigned char>(text[position + i]);
      valid = IsContinuation(byte);
      codePoint = (codePoint << 6) | (byte & 0x3Fu);
    }
    valid = valid && codePoint >= shape.minimum && codePoint <= 0x10FFFF &&
            (codePoint < 0xD800 || codePoint > 0xDFFF);
    decoded.push_back(valid ? codePoint : Replacement);
    position += valid ? length : 1;
  }
  return decoded;
}

}  // namespace ilvorande
