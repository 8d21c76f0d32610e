// The fixed line art of the spring illustrations shown on the input panels and the data sheets:
// the picture's size and places (the compression spring's, which the other kinds follow) and the
// dimension lines. The panel and the sheet lay their labels and boxes next to the dimensions.
#pragma once

#include "core/drawing/canvas.h"

namespace coilspring {

namespace illustration {

inline constexpr int kWidth = 360;
inline constexpr int kHeight = 200;

// Spring ends; the left one carries the common extension line of the three length arrows, the
// right one the free-length extension line and the right edge of the load diagram.
inline constexpr int kLeftX = 14;
inline constexpr int kFreeRightX = 240;
inline constexpr int kLength1X = 221;  // L1 extension line
inline constexpr int kLength2X = 180;  // left edge of the load diagram, where the L2 arrow ends

// Horizontal dimension arrows, longest on top. Their labels sit just above them.
inline constexpr int kFreeArrowY = 40;
inline constexpr int kLength1ArrowY = 71;
inline constexpr int kLength2ArrowY = 103;

// Load diagram: upper edge = load P2 at L2, lower edge = no load at the free length.
inline constexpr int kLoadTopY = 78;
inline constexpr int kLoadBottomY = 122;
// Height where the L1 extension line meets the diagonal: load P1.
inline constexpr int kLoad1Y = kLoadTopY + ((kLoadBottomY - kLoadTopY) * (kLength1X - kLength2X) +
                                            (kFreeRightX - kLength2X) / 2) /
                                               (kFreeRightX - kLength2X);

// Coils and the coil-diameter arrow at their right.
inline constexpr int kCoilTopY = 132;
inline constexpr int kCoilBottomY = 188;
inline constexpr int kCoilTurns = 14;
inline constexpr int kDiameterArrowX = 264;

// A line from (x1, y1) to (x2, y2) in the current pen.
void Line(Canvas& canvas, int x1, int y1, int x2, int y2);
// A dimension line with an arrowhead at each end, in the current pen and brush.
void HorizontalDimension(Canvas& canvas, int left, int right, int y);
void VerticalDimension(Canvas& canvas, int x, int top, int bottom);

// Clears the picture to white, draws `parts(canvas)` with the blue pen and brush of the line
// art and leaves the brush white, as the labels laid on it expect.
template <class Parts>
void DrawLineArt(Canvas& canvas, Parts&& parts) {
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, kWidth, kHeight);
  canvas.SetPenColour(kBlue);
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetBrushColour(kBlue);
  parts(canvas);
  canvas.SetBrushColour(kWhite);
}

}  // namespace illustration

}  // namespace coilspring
