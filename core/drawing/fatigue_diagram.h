// The fatigue-strength diagram on a 400 x 417 canvas: the fixed lines and texts every design
// shares, and the design's working point as a red square.
#pragma once

#include <optional>

#include "core/drawing/canvas.h"

namespace coilspring {

inline constexpr int kFatigueDiagramWidth = 400;
inline constexpr int kFatigueDiagramHeight = 417;

// Pixels from (left, top) to (right, bottom), both corners included.
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// Clears the canvas and draws everything but the working point.
void DrawFatigueDiagramBackground(Canvas& canvas);

// The pixels the red square of the working point (x, y) covers; nothing where
// OutsideDiagram(x, y).
std::optional<PixelRect> WorkingPointSquare(double x, double y);

// Marks the working point (x, y) of the stress coefficients on a drawn background and returns
// the pixels the mark covers; nothing is drawn where OutsideDiagram(x, y).
std::optional<PixelRect> MarkWorkingPoint(Canvas& canvas, double x, double y);

// The whole diagram, with the working point when markPoint is set. Returns OutsideDiagram(x, y):
// the caller then adds kGraphAreaOverLine to ListBox1.
bool DrawFatigueDiagram(Canvas& canvas, bool markPoint, double x, double y);

}  // namespace coilspring
