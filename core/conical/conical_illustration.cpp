#include "core/conical/conical_illustration.h"

#include <cmath>

namespace coilspring {

namespace {

using namespace illustration;
using namespace conical_illustration;

constexpr int kOvershoot = 4;
constexpr int kSegmentsPerTurn = 24;
constexpr int kTurns = 8;

// The coils as loops leaning to the right, their radius growing from the left end to the right.
void Coils(Canvas& c) {
  constexpr double pi = 3.14159265358979;
  const double large = (kCoilBottomY - kCoilTopY) / 2.0;
  const double centreY = (kCoilTopY + kCoilBottomY) / 2.0;
  const double left = kLeftX + 1;
  const double pitch = (kFreeRightX - 1 - left) / kTurns;
  const int steps = kTurns * kSegmentsPerTurn;
  for (int i = 0; i <= steps; ++i) {
    const double t = 2 * pi * i / kSegmentsPerTurn;
    const double radius = kSmallRadius + (large - kSmallRadius) * i / steps;
    const int x = static_cast<int>(
        std::lround(left + pitch * i / kSegmentsPerTurn + 0.28 * radius * std::sin(t)));
    const int y = static_cast<int>(std::lround(centreY - radius * std::cos(t)));
    if (i == 0)
      c.MoveTo(x, y);
    else
      c.LineTo(x, y);
  }
}

// The lengths as on every sheet; the load rises from the free length to P2 at L2, steeper as the
// coils close.
void Dimensions(Canvas& c) {
  const int plateTop = kCoilTopY - 6;
  Line(c, kLeftX, plateTop, kLeftX, kFreeArrowY - kOvershoot);
  Line(c, kFreeRightX, plateTop, kFreeRightX, kFreeArrowY - kOvershoot);
  Line(c, kLength1X, plateTop, kLength1X, kLength1ArrowY - kOvershoot);
  HorizontalDimension(c, kLeftX, kFreeRightX, kFreeArrowY);
  HorizontalDimension(c, kLeftX, kLength1X, kLength1ArrowY);
  HorizontalDimension(c, kLeftX, kLength2X, kLength2ArrowY);
  Line(c, kLength2X, kLoadTopY, kFreeRightX, kLoadTopY);
  Line(c, kLength2X, kLoadTopY, kLength2X, kLoadBottomY);
  Line(c, kLength2X, kLoadBottomY, kFreeRightX, kLoadBottomY);
  constexpr int kCurveSteps = 12;
  c.MoveTo(kFreeRightX, kLoadBottomY);
  for (int i = 1; i <= kCurveSteps; ++i) {
    const double s = static_cast<double>(i) / kCurveSteps;
    c.LineTo(static_cast<int>(std::lround(kFreeRightX - s * (kFreeRightX - kLength2X))),
             static_cast<int>(std::lround(kLoadBottomY - s * s * (kLoadBottomY - kLoadTopY))));
  }
  // The leaders run from the curve at L2 (its top) and at L1 to the middles of the P2 and P1
  // labels at the right.
  const double s1 = static_cast<double>(kFreeRightX - kLength1X) / (kFreeRightX - kLength2X);
  const int load1Y =
      static_cast<int>(std::lround(kLoadBottomY - s1 * s1 * (kLoadBottomY - kLoadTopY)));
  Line(c, kFreeRightX, kLoadTopY, kLeaderRightX, kLoad2LeaderY);
  Line(c, kLength1X, load1Y, kLeaderRightX, kLoad1LeaderY);
  const int from = kFreeRightX + 6, to = kDiameterArrowX + 6;
  Line(c, from, kCoilTopY, to, kCoilTopY);
  Line(c, from, kCoilBottomY, to, kCoilBottomY);
  VerticalDimension(c, kDiameterArrowX, kCoilTopY, kCoilBottomY);
}

// The small end's diameter at the far left, led down to its box under the coils' small end.
void SmallDiameterDimension(Canvas& c) {
  const int top = kSmallEndY - kSmallRadius, bottom = kSmallEndY + kSmallRadius;
  Line(c, kLeftX - 1, top, kSmallArrowX - kOvershoot, top);
  Line(c, kLeftX - 1, bottom, kSmallArrowX - kOvershoot, bottom);
  VerticalDimension(c, kSmallArrowX, top, bottom);
  Line(c, kSmallArrowX, bottom, kSmallArrowX, kSmallDiameter.y);
  Line(c, kSmallArrowX, kSmallDiameter.y, kSmallBoxLeftX, kSmallDiameter.y);
}

}  // namespace

void DrawConicalIllustration(Canvas& canvas) {
  DrawLineArt(canvas, [](Canvas& c) {
    Coils(c);
    Dimensions(c);
  });
}

void DrawConicalPanelIllustration(Canvas& canvas) {
  DrawLineArt(canvas, [](Canvas& c) {
    Coils(c);
    Dimensions(c);
    SmallDiameterDimension(c);
  });
}

}  // namespace coilspring
