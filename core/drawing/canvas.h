// The small drawing surface that the diagram, the side view and the illustration draw on:
// QtCanvas paints a QImage, RecordingCanvas keeps the primitives for tests.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace coilspring {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kSilver{192, 192, 192};

enum class PenStyle { Solid, Dash, Dot };

struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual int Width() const = 0;
  virtual int Height() const = 0;

  virtual void SetPenColour(Rgb colour) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual void SetPenStyle(PenStyle style) = 0;
  virtual void SetBrushColour(Rgb colour) = 0;
  virtual void SetFontColour(Rgb colour) = 0;

  // Fills [left, right) x [top, bottom) with the brush, no outline.
  virtual void FillRect(int left, int top, int right, int bottom) = 0;
  // Outline with the pen, inside filled with the brush.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // Line from the current position to (x, y), which becomes the current position.
  virtual void LineTo(int x, int y) = 0;
  // Arc of the ellipse in the box (x1, y1)-(x2, y2), drawn counter-clockwise (as seen on the
  // screen) from the ray through (x3, y3) to the ray through (x4, y4).
  virtual void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) = 0;
  // Closed polygon: outline with the pen, filled with the brush.
  virtual void Polygon(std::span<const PixelPoint> points) = 0;
  // UTF-8 text with its top-left corner at (x, y), in the font colour on the brush.
  virtual void TextOut(int x, int y, std::string_view text) = 0;
};

}  // namespace coilspring
