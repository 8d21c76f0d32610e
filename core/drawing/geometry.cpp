#include "core/drawing/geometry.h"

#include <cmath>

namespace coilspring {
namespace {

// Line AB as a·x + b·y = k.
struct LineEquation {
  double a, b, k;
};

LineEquation EquationOf(ModelPoint p, ModelPoint q) {
  return {q.y - p.y, p.x - q.x, p.x * q.y - q.x * p.y};
}

WireEdges EdgesAlong(ModelPoint a, ModelPoint b, double r, ModelPoint u) {
  const ModelPoint offset{r * u.x, r * u.y};
  return {{a.x + offset.x, a.y + offset.y},
          {a.x - offset.x, a.y - offset.y},
          {b.x + offset.x, b.y + offset.y},
          {b.x - offset.x, b.y - offset.y}};
}

}  // namespace

ModelPoint LineIntersection(ModelPoint a, ModelPoint b, ModelPoint c, ModelPoint e) {
  const LineEquation l1 = EquationOf(a, b);
  const LineEquation l2 = EquationOf(c, e);
  return {(l1.k * l2.b - l2.k * l1.b) / (l1.a * l2.b - l2.a * l1.b),
          (l1.k * l2.a - l2.k * l1.a) / (l2.a * l1.b - l1.a * l2.b)};
}

ModelPoint PointOnLineAtY(ModelPoint a, ModelPoint b, double y) {
  const LineEquation l = EquationOf(a, b);
  return {(l.k - l.b * y) / l.a, y};
}

ModelPoint PointOnLineAtX(ModelPoint a, ModelPoint b, double x) {
  const LineEquation l = EquationOf(a, b);
  return {x, (l.k - l.a * x) / l.b};
}

WireEdges WireEdgesFalling(ModelPoint a, ModelPoint b, double r) {
  const double phi = std::atan(std::fabs(a.x - b.x) / (a.y - b.y));
  return EdgesAlong(a, b, r, {std::cos(phi), std::sin(phi)});
}

WireEdges WireEdgesRising(ModelPoint a, ModelPoint b, double r) {
  const double phi = std::atan(std::fabs((a.x - b.x) / (a.y - b.y)));
  return EdgesAlong(a, b, r, {std::cos(phi), -std::sin(phi)});
}

double DirectionAngle(ModelPoint c, ModelPoint a) {
  double angle = std::atan2(a.y - c.y, a.x - c.x) * kDegreesPerRadian;
  if (angle < 0) angle += 360;
  // A direction a hair below +x would otherwise come out as exactly 360.
  return angle >= 360 ? 0 : angle;
}

}  // namespace coilspring
