#include "driver/Screen.h"

#include <cmath>
#include <cstdlib>
#include <map>

namespace ilvorande::e2e {

namespace {

COLORREF ToColorRef(uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A 32-bit top-down bitmap selected into a memory DC.
class Canvas {
 public:
  Canvas(int width, int height, uint32_t background) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(ToColorRef(background));
    const RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  bool Valid() const { return bits_ != nullptr; }

  Picture ToPicture() const {
    if (!Valid()) return Picture();
    GdiFlush();
    std::vector<uint32_t> pixels(bits_, bits_ + static_cast<size_t>(width_) * height_);
    for (uint32_t& pixel : pixels) pixel &= 0xFFFFFFu;
    return Picture(width_, height_, std::move(pixels));
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

HFONT MakeFont(const FontSpec& font, UINT dpi) {
  const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
  return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     font.face.c_str());
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF);
    const int cb = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(ca - cb) > 40) return false;
  }
  return true;
}

}  // namespace

Picture Picture::FromScreen(const RECT& rect) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return Picture();
  Canvas canvas(width, height, 0);
  if (!canvas.Valid()) return Picture();
  HDC screen = GetDC(nullptr);
  const bool copied = BitBlt(canvas.Dc(), 0, 0, width, height, screen, rect.left, rect.top,
                             SRCCOPY | CAPTUREBLT) != FALSE;
  ReleaseDC(nullptr, screen);
  return copied ? canvas.ToPicture() : Picture();
}

uint32_t Picture::CommonestColour() const {
  std::map<uint32_t, int> counts;
  for (uint32_t pixel : pixels_) ++counts[pixel];
  uint32_t commonest = 0;
  int most = 0;
  for (const auto& [colour, count] : counts) {
    if (count > most) {
      most = count;
      commonest = colour;
    }
  }
  return commonest;
}

double Mismatch(const Picture& a, const Picture& b) {
  return Mismatch(a, b, std::vector<bool>(static_cast<size_t>(a.Width()) * a.Height(), true));
}

double Mismatch(const Picture& a, const Picture& b, const std::vector<bool>& pixels) {
  if (a.Empty() || a.Width() != b.Width() || a.Height() != b.Height()) return 1.0;
  int compared = 0;
  int differing = 0;
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      const size_t index = static_cast<size_t>(y) * a.Width() + x;
      if (index >= pixels.size() || !pixels[index]) continue;
      ++compared;
      if (!Near(a.At(x, y), b.At(x, y))) ++differing;
    }
  }
  return compared == 0 ? 1.0 : static_cast<double>(differing) / compared;
}

Picture Plain(int width, int height, uint32_t colour) {
  return Picture(width, height,
                 std::vector<uint32_t>(static_cast<size_t>(width) * height, colour & 0xFFFFFFu));
}

Picture DrawIcon(HICON icon, int width, int height, uint32_t background) {
  Canvas canvas(width, height, background);
  DrawIconEx(canvas.Dc(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
  return canvas.ToPicture();
}

Picture DrawLabelText(const std::wstring& text, const FontSpec& font, UINT dpi, int width,
                      int height, uint32_t background) {
  Canvas canvas(width, height, background);
  HFONT hfont = MakeFont(font, dpi);
  HGDIOBJ old = SelectObject(canvas.Dc(), hfont);
  SetBkMode(canvas.Dc(), TRANSPARENT);
  SetTextColor(canvas.Dc(), GetSysColor(COLOR_WINDOWTEXT));
  RECT rect{0, 0, width, height};
  DrawTextW(canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(canvas.Dc(), old);
  DeleteObject(hfont);
  return canvas.ToPicture();
}

int TextWidth(const std::wstring& text, const FontSpec& font, UINT dpi) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT hfont = MakeFont(font, dpi);
  HGDIOBJ old = SelectObject(dc, hfont);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, old);
  DeleteObject(hfont);
  DeleteDC(dc);
  return extent.cx;
}

int LineHeight(const FontSpec& font, UINT dpi) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT hfont = MakeFont(font, dpi);
  HGDIOBJ old = SelectObject(dc, hfont);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  DeleteObject(hfont);
  DeleteDC(dc);
  return metrics.tmHeight;
}

}  // namespace ilvorande::e2e
