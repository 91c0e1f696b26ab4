// Pointer pictures: the one the X server shows now, and the one an icon
// file holds. Under Wine a pointer of another process cannot be read
// through Win32 (GetIconInfo refuses its handle), but what the user sees
// is the X server's pointer, which Wine builds from that picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ilvorande::e2e {

struct PointerImage {
  int width = 0;
  int height = 0;
  POINT hotSpot{0, 0};
  // Rows from the top; 0xAARRGGBB, alpha 0 where the picture is clear.
  std::vector<uint32_t> argb;
};

// The X server's pointer now (XFixes, through the host's python3).
std::optional<PointerImage> ShownPointer(std::string* why = nullptr);

// The 32 x 32 picture of an icon file (palette or true colour, with its
// mask); the hot spot is left at 0,0, icon files carry none.
std::optional<PointerImage> ReadIconFile(const std::filesystem::path& path,
                                         std::string* why = nullptr);

// Same size and pixels: opaque pixels of the same colour, clear where the
// other is clear. Hot spots are not compared. `difference` says where not.
bool SamePicture(const PointerImage& shown, const PointerImage& expected,
                 std::string* difference = nullptr);

}  // namespace ilvorande::e2e
