#include "driver/PointerImage.h"

#include <cstdio>
#include <cstring>
#include <sstream>

#include "driver/Text.h"
#include "driver/UnixCommand.h"

#ifndef ILVORANDE_SOURCE_DIR
#error "ILVORANDE_SOURCE_DIR must name the source folder (a host path)"
#endif

namespace ilvorande::e2e {

namespace {

constexpr int kIconSize = 32;

void SetWhy(std::string* why, std::string text) {
  if (why != nullptr) *why = std::move(text);
}

uint32_t Read32(const std::string& data, size_t at) {
  uint32_t value = 0;
  std::memcpy(&value, data.data() + at, sizeof value);
  return value;
}
uint16_t Read16(const std::string& data, size_t at) {
  uint16_t value = 0;
  std::memcpy(&value, data.data() + at, sizeof value);
  return value;
}

bool IsClear(uint32_t pixel) {
  return (pixel >> 24) == 0;
}

}  // namespace

std::optional<PointerImage> ShownPointer(std::string* why) {
  const std::string script =
      "exec /usr/bin/python3 '" ILVORANDE_SOURCE_DIR "/tests/e2e/driver/x_pointer_image.py'";
  const auto output = RunUnixShell(script, why);
  if (!output) return std::nullopt;
  std::istringstream in(*output);
  PointerImage image;
  in >> image.width >> image.height >> image.hotSpot.x >> image.hotSpot.y;
  if (!in || image.width <= 0 || image.height <= 0) {
    SetWhy(why, "unexpected pointer image: " + output->substr(0, 200));
    return std::nullopt;
  }
  image.argb.resize(static_cast<size_t>(image.width) * image.height);
  for (uint32_t& pixel : image.argb) in >> std::hex >> pixel;
  if (!in) {
    SetWhy(why, "pointer image cut short");
    return std::nullopt;
  }
  return image;
}

std::optional<PointerImage> ReadIconFile(const std::filesystem::path& path, std::string* why) {
  const std::string data = ReadWholeFile(path);
  if (data.size() < 6 || Read16(data, 2) != 1) {
    SetWhy(why, "not an icon file: " + path.string());
    return std::nullopt;
  }
  const uint16_t count = Read16(data, 4);
  for (uint16_t entry = 0; entry < count; ++entry) {
    const size_t at = 6 + 16 * static_cast<size_t>(entry);
    if (at + 16 > data.size()) break;
    if (static_cast<unsigned char>(data[at]) != kIconSize ||
        static_cast<unsigned char>(data[at + 1]) != kIconSize)
      continue;
    const size_t offset = Read32(data, at + 12);
    if (offset + 40 > data.size() || Read32(data, offset) != 40) break;
    const int bits = Read16(data, offset + 14);
    uint32_t colours = Read32(data, offset + 32);
    if (colours == 0 && bits <= 8) colours = 1u << bits;
    const size_t palette = offset + 40;
    const size_t colourRows = palette + 4 * static_cast<size_t>(colours);
    const size_t colourStride = ((kIconSize * bits + 31) / 32) * 4;
    const size_t maskRows = colourRows + colourStride * kIconSize;
    const size_t maskStride = ((kIconSize + 31) / 32) * 4;
    if (maskRows + maskStride * kIconSize > data.size()) break;

    PointerImage image;
    image.width = image.height = kIconSize;
    image.argb.resize(kIconSize * kIconSize);
    for (int y = 0; y < kIconSize; ++y) {
      const size_t row = kIconSize - 1 - y;  // stored bottom-up
      for (int x = 0; x < kIconSize; ++x) {
        const unsigned char* colour =
            reinterpret_cast<const unsigned char*>(data.data() + colourRows + row * colourStride);
        uint32_t pixel = 0;
        if (bits <= 8) {
          const int bit = x * bits;
          const unsigned index = (colour[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
          pixel = 0xFF000000u | (Read32(data, palette + 4 * index) & 0xFFFFFFu);
        } else if (bits == 24) {
          pixel = 0xFF000000u | colour[3 * x] | colour[3 * x + 1] << 8 | colour[3 * x + 2] << 16;
        } else if (bits == 32) {
          std::memcpy(&pixel, colour + 4 * x, sizeof pixel);
        } else {
          SetWhy(why, "unsupported colour depth " + std::to_string(bits));
          return std::nullopt;
        }
        const unsigned char maskByte =
            static_cast<unsigned char>(data[maskRows + row * maskStride + x / 8]);
        if ((maskByte >> (7 - x % 8)) & 1) pixel = 0;
        image.argb[static_cast<size_t>(y) * kIconSize + x] = pixel;
      }
    }
    return image;
  }
  SetWhy(why, "no readable 32 x 32 picture in " + path.string());
  return std::nullopt;
}

bool SamePicture(const PointerImage& shown, const PointerImage& expected, std::string* difference) {
  if (shown.width != expected.width || shown.height != expected.height) {
    SetWhy(difference, "size " + std::to_string(shown.width) + "x" + std::to_string(shown.height) +
                           " instead of " + std::to_string(expected.width) + "x" +
                           std::to_string(expected.height));
    return false;
  }
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const uint32_t a = shown.argb[static_cast<size_t>(y) * shown.width + x];
      const uint32_t b = expected.argb[static_cast<size_t>(y) * expected.width + x];
      if (IsClear(a) && IsClear(b)) continue;
      if (a != b) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel %d,%d is %08x instead of %08x", x, y,
                      static_cast<unsigned>(a), static_cast<unsigned>(b));
        SetWhy(difference, text);
        return false;
      }
    }
  }
  return true;
}

}  // namespace ilvorande::e2e
