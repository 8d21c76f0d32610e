#include "core/torsion/torsion_illustration.h"

#include <array>
#include <cmath>

namespace coilspring {

namespace {

using namespace torsion_illustration;
using illustration::Line;

constexpr double kPi = 3.14159265358979;
constexpr int kOvershoot = 4;
constexpr int kArrowLength = 6;

int Rounded(double v) { return static_cast<int>(std::lround(v)); }

// A point `radius` from the coil's centre, `degrees` clockwise from the free leg's direction.
PixelPoint AtAngle(double radius, double degrees) {
  const double a = degrees * kPi / 180;
  return {Rounded(kCentreX + radius * std::cos(a)), Rounded(kCentreY + radius * std::sin(a))};
}

void Circle(Canvas& c, int radius) {
  const int l = kCentreX - radius, r = kCentreX + radius + 1;
  const int t = kCentreY - radius, b = kCentreY + radius + 1;
  c.Arc(l, t, r, b, r, kCentreY, l, kCentreY);
  c.Arc(l, t, r, b, l, kCentreY, r, kCentreY);
}

void Coil(Canvas& c) {
  Circle(c, kOuterRadius);
  Circle(c, kInnerRadius);
}

// Each leg as the wire's two edges and its cut end.
void Legs(Canvas& c) {
  const int bottom = kCentreY + kOuterRadius, bottomInner = kCentreY + kInnerRadius;
  Line(c, kCentreX, bottom, kLeg1EndX, bottom);
  Line(c, kCentreX, bottomInner, kLeg1EndX, bottomInner);
  Line(c, kLeg1EndX, bottomInner, kLeg1EndX, bottom);
  const int top = kCentreY - kOuterRadius, topInner = kCentreY - kInnerRadius;
  Line(c, kCentreX, top, kLeg2EndX, top);
  Line(c, kCentreX, topInner, kLeg2EndX, topInner);
  Line(c, kLeg2EndX, top, kLeg2EndX, topInner);
}

// The loaded leg's directions: the free one and the two turned ones, dashed from the centre.
void WorkingDirections(Canvas& c) {
  c.SetPenStyle(PenStyle::Dash);
  Line(c, kCentreX, kCentreY, kLeg2EndX, kCentreY);
  for (const auto& [degrees, radius] : {std::pair{kDrawnAngle1, 200}, {kDrawnAngle2, 110}}) {
    const PixelPoint end = AtAngle(radius, degrees);
    Line(c, kCentreX, kCentreY, end.x, end.y);
  }
  c.SetPenStyle(PenStyle::Solid);
}

// An arrowhead at `tip` pointing along (dx, dy).
void Arrowhead(Canvas& c, PixelPoint tip, double dx, double dy) {
  const double n = std::hypot(dx, dy);
  const double ux = dx / n, uy = dy / n;
  const double half = kArrowLength / 3.0;
  const std::array<PixelPoint, 3> head{tip,
                                       PixelPoint{Rounded(tip.x - kArrowLength * ux - half * uy),
                                                  Rounded(tip.y - kArrowLength * uy + half * ux)},
                                       PixelPoint{Rounded(tip.x - kArrowLength * ux + half * uy),
                                                  Rounded(tip.y - kArrowLength * uy - half * ux)}};
  c.Polygon(head);
}

// An angle dimension round the centre from the free direction to `degrees` clockwise.
void AngleDimension(Canvas& c, int radius, int degrees) {
  const int l = kCentreX - radius, r = kCentreX + radius + 1;
  const int t = kCentreY - radius, b = kCentreY + radius + 1;
  const PixelPoint from = AtAngle(radius, 0), to = AtAngle(radius, degrees);
  c.Arc(l, t, r, b, to.x, to.y, from.x, from.y);
  const double a = degrees * kPi / 180;
  Arrowhead(c, from, 0, -1);
  Arrowhead(c, to, -std::sin(a), std::cos(a));
}

void Dimensions(Canvas& c) {
  // Leg 1 from its end to the coil's centre, below it.
  Line(c, kLeg1EndX, kCentreY + kOuterRadius, kLeg1EndX, kLeg1ArrowY + kOvershoot);
  Line(c, kCentreX, kCentreY, kCentreX, kLeg1ArrowY + kOvershoot);
  illustration::HorizontalDimension(c, kLeg1EndX, kCentreX, kLeg1ArrowY);
  // Leg 2 from the coil's centre to its end, above it.
  Line(c, kCentreX, kCentreY, kCentreX, kLeg2ArrowY - kOvershoot);
  Line(c, kLeg2EndX, kCentreY - kOuterRadius, kLeg2EndX, kLeg2ArrowY - kOvershoot);
  illustration::HorizontalDimension(c, kCentreX, kLeg2EndX, kLeg2ArrowY);
  // The coil's outer diameter; its foot runs along leg 1.
  const int top = kCentreY - kOuterRadius, bottom = kCentreY + kOuterRadius;
  Line(c, kCentreX, top, kDiameterArrowX - kOvershoot, top);
  illustration::VerticalDimension(c, kDiameterArrowX, top, bottom);
  AngleDimension(c, kAngle1Radius, kDrawnAngle1);
  AngleDimension(c, kAngle2Radius, kDrawnAngle2);
}

}  // namespace

void DrawTorsionIllustration(Canvas& canvas) {
  illustration::DrawLineArt(canvas, [](Canvas& c) {
    Coil(c);
    Legs(c);
    WorkingDirections(c);
    Dimensions(c);
  });
}

}  // namespace coilspring
