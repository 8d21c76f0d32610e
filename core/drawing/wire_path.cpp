#include "core/drawing/wire_path.h"

#include <cmath>
#include <utility>

namespace coilspring {

namespace {

ModelPoint OnCircle(ModelPoint c, double radius, double degrees) {
  const double a = degrees / kDegreesPerRadian;
  return {c.x + radius * std::cos(a), c.y + radius * std::sin(a)};
}

void AppendArc(std::vector<ShapePrimitive>& out, const WirePiece& piece, double radius) {
  const double low =
      piece.sweepDegrees >= 0 ? piece.startDegrees : piece.startDegrees + piece.sweepDegrees;
  const double high = low + std::fabs(piece.sweepDegrees);
  out.push_back(ShapeArc{piece.centre, radius, OnCircle(piece.centre, radius, low),
                         OnCircle(piece.centre, radius, high), ArcAngle::At(low),
                         ArcAngle::At(high)});
}

}  // namespace

WirePiece WirePiece::Straight(ModelPoint from, ModelPoint to) {
  WirePiece piece;
  piece.from = from;
  piece.to = to;
  return piece;
}

WirePiece WirePiece::Bend(ModelPoint centre, double radius, double startDegrees,
                          double sweepDegrees) {
  WirePiece piece;
  piece.centre = centre;
  piece.radius = radius;
  piece.startDegrees = startDegrees;
  piece.sweepDegrees = sweepDegrees;
  piece.from = OnCircle(centre, radius, startDegrees);
  piece.to = OnCircle(centre, radius, startDegrees + sweepDegrees);
  return piece;
}

void AppendWireOutline(std::vector<ShapePrimitive>& out, const WirePath& path, double d) {
  const double r = d / 2;
  for (const WirePiece& piece : path) {
    if (piece.IsArc()) {
      AppendArc(out, piece, piece.radius + r);
      if (piece.radius > r) AppendArc(out, piece, piece.radius - r);
      continue;
    }
    const double dx = piece.to.x - piece.from.x, dy = piece.to.y - piece.from.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) continue;
    const double nx = -dy / length * r, ny = dx / length * r;
    for (const double side : {1.0, -1.0})
      out.push_back(ShapeLine{{piece.from.x + side * nx, piece.from.y + side * ny},
                              {piece.to.x + side * nx, piece.to.y + side * ny}});
  }
}

void AppendCoilBands(std::vector<ShapePrimitive>& out, double left, double length, int bands,
                     double top, double D, double d, bool leftHand) {
  const double r = d / 2, bottomY = top - D;
  const double pitch = (length - d) / bands;
  for (int j = 0; j < bands; ++j) {
    const double start = left + r + j * pitch;
    const ModelPoint up{leftHand ? start + pitch / 2 : start, top};
    const ModelPoint down{leftHand ? start : start + pitch / 2, bottomY};
    out.push_back(ShapeLine{{up.x - r, top}, {down.x - r, bottomY}});
    out.push_back(ShapeLine{{up.x + r, top}, {down.x + r, bottomY}});
    out.push_back(
        ShapeArc{up, r, {up.x + r, top}, {up.x - r, top}, ArcAngle::Toward(), ArcAngle::Toward()});
    out.push_back(ShapeArc{down,
                           r,
                           {down.x - r, bottomY},
                           {down.x + r, bottomY},
                           ArcAngle::Toward(),
                           ArcAngle::Toward(360)});
  }
}

void ReflectAcross(std::vector<ShapePrimitive>& primitives, double axis) {
  const auto reflect = [axis](ModelPoint p) { return ModelPoint{p.x, 2 * axis - p.y}; };
  for (ShapePrimitive& primitive : primitives) {
    if (auto* line = std::get_if<ShapeLine>(&primitive)) {
      line->from = reflect(line->from);
      line->to = reflect(line->to);
      continue;
    }
    ShapeArc& arc = std::get<ShapeArc>(primitive);
    const ModelPoint centre = reflect(arc.centre);
    const ModelPoint from = reflect(arc.to), to = reflect(arc.from);
    // The drawing file states the mirrored arc by the directions of its new ends, the end
    // always past the start.
    const double start = DirectionAngle(centre, from);
    double end = DirectionAngle(centre, to);
    if (end <= start) end += 360;
    arc = ShapeArc{centre, arc.radius, from, to, ArcAngle::At(start), ArcAngle::At(end)};
  }
}

void ReflectAcross(WirePath& path, double axis) {
  const auto reflect = [axis](ModelPoint p) { return ModelPoint{p.x, 2 * axis - p.y}; };
  for (WirePiece& piece : path) {
    piece.from = reflect(piece.from);
    piece.to = reflect(piece.to);
    piece.centre = reflect(piece.centre);
    piece.startDegrees = -piece.startDegrees;
    piece.sweepDegrees = -piece.sweepDegrees;
  }
}

}  // namespace coilspring
