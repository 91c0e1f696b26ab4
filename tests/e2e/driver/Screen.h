// Pixels on the screen, and drawings made here to compare them with: the
// only way to check fonts and icons of another process, whose GDI handles
// are out of reach (under Wine even WM_GETFONT answers nothing across
// processes).
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ilvorande::e2e {

struct FontSpec {
  std::wstring face;
  double points = 0;
};

class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, std::vector<uint32_t> pixels)
      : width_(width), height_(height), pixels_(std::move(pixels)) {}

  // What the screen shows in that rectangle now; empty if it cannot be read.
  static Picture FromScreen(const RECT& rect);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  uint32_t At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  // The colour that most pixels have: the background behind a text or icon.
  uint32_t CommonestColour() const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;  // 0xRRGGBB, rows top to bottom
};

// Fraction of pixels that differ by more than a little; 1 if sizes differ.
double Mismatch(const Picture& a, const Picture& b);
// The same over the pixels marked true only (row by row, top to bottom).
double Mismatch(const Picture& a, const Picture& b, const std::vector<bool>& pixels);

Picture Plain(int width, int height, uint32_t colour);
Picture DrawIcon(HICON icon, int width, int height, uint32_t background);

// A text as a left-aligned static control draws it in its client area.
Picture DrawLabelText(const std::wstring& text, const FontSpec& font, UINT dpi, int width,
                      int height, uint32_t background);

int TextWidth(const std::wstring& text, const FontSpec& font, UINT dpi);
int LineHeight(const FontSpec& font, UINT dpi);

}  // namespace ilvorande::e2e
