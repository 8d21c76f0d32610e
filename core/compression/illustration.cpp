#include "core/compression/illustration.h"

#include <cmath>

namespace coilspring {

namespace {

using namespace illustration;

constexpr int kOvershoot = 4;  // extension lines reach a little beyond their arrows
constexpr int kEndPlateReach = 6;
constexpr int kSegmentsPerTurn = 24;

// The coils as a helix seen slightly from the side and from above, so every turn shows as a
// loop leaning to the right, as a spring is drawn by hand.
void Coils(Canvas& c) {
  constexpr double kPi = 3.14159265358979;
  const double radius = (kCoilBottomY - kCoilTopY) / 2.0;
  const double centreY = (kCoilTopY + kCoilBottomY) / 2.0;
  // The wire starts and ends at the top of the coils against the end lines; with this lean
  // and tilt every loop stays between them.
  const double lean = 0.28 * radius;
  const double tilt = 0.1 * radius;
  const double left = kLeftX + 1;
  const double pitch = (kFreeRightX - 1 - left) / kCoilTurns;
  const int steps = kCoilTurns * kSegmentsPerTurn;
  for (int i = 0; i <= steps; ++i) {
    const double t = 2 * kPi * i / kSegmentsPerTurn;
    const int x = static_cast<int>(std::lround(left + pitch * i / kSegmentsPerTurn +
                                               lean * std::sin(t) + tilt * (std::cos(t) - 1)));
    const int y = static_cast<int>(std::lround(centreY - radius * std::cos(t)));
    if (i == 0)
      c.MoveTo(x, y);
    else
      c.LineTo(x, y);
  }
}

void Spring(Canvas& c) {
  Coils(c);
  for (int x : {kLeftX, kFreeRightX})
    Line(c, x, kCoilTopY - kEndPlateReach, x, kCoilBottomY + kEndPlateReach);
}

void LengthDimensions(Canvas& c) {
  const int plateTop = kCoilTopY - kEndPlateReach;
  Line(c, kLeftX, plateTop, kLeftX, kFreeArrowY - kOvershoot);
  Line(c, kFreeRightX, plateTop, kFreeRightX, kFreeArrowY - kOvershoot);
  Line(c, kLength1X, plateTop, kLength1X, kLength1ArrowY - kOvershoot);
  HorizontalDimension(c, kLeftX, kFreeRightX, kFreeArrowY);
  HorizontalDimension(c, kLeftX, kLength1X, kLength1ArrowY);
  HorizontalDimension(c, kLeftX, kLength2X, kLength2ArrowY);
}

// The load falls linearly from P2 at L2 to nothing at the free length.
void LoadDiagram(Canvas& c) {
  Line(c, kLength2X, kLoadTopY, kFreeRightX, kLoadTopY);
  Line(c, kLength2X, kLoadTopY, kLength2X, kLoadBottomY);
  Line(c, kLength2X, kLoadBottomY, kFreeRightX, kLoadBottomY);
  Line(c, kLength2X, kLoadTopY, kFreeRightX, kLoadBottomY);
  Line(c, kLength1X, kLoad1Y, kFreeRightX, kLoad1Y);
}

void DiameterDimension(Canvas& c) {
  const int from = kFreeRightX + kEndPlateReach;
  const int to = kDiameterArrowX + kEndPlateReach;
  Line(c, from, kCoilTopY, to, kCoilTopY);
  Line(c, from, kCoilBottomY, to, kCoilBottomY);
  VerticalDimension(c, kDiameterArrowX, kCoilTopY, kCoilBottomY);
}

}  // namespace

void DrawSpringIllustration(Canvas& canvas) {
  illustration::DrawLineArt(canvas, [](Canvas& c) {
    Spring(c);
    LengthDimensions(c);
    LoadDiagram(c);
    DiameterDimension(c);
  });
}

}  // namespace coilspring
