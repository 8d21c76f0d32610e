// A wire as its centre line (straight runs and circular arcs in model millimetres) and the
// outline a side view draws of it. The hooks and legs of the spring kinds are built as centre
// lines first, so that the picture, the drawing file and the 3D model sweep one construction.
#pragma once

#include <vector>

#include "core/drawing/geometry.h"
#include "core/drawing/shape_primitives.h"

namespace coilspring {

// A straight run from `from` to `to`, or, when `radius` > 0, the arc of that radius about
// `centre` from `startDegrees` turning by `sweepDegrees` (counter-clockwise when positive);
// `from` and `to` are then its end points.
struct WirePiece {
  ModelPoint from, to;
  ModelPoint centre;
  double radius = 0;
  double startDegrees = 0, sweepDegrees = 0;

  static WirePiece Straight(ModelPoint from, ModelPoint to);
  static WirePiece Bend(ModelPoint centre, double radius, double startDegrees, double sweepDegrees);
  bool IsArc() const { return radius > 0; }
};

using WirePath = std::vector<WirePiece>;

// The two edges of a wire of diameter d along every piece of the path: two lines for a straight
// run, two concentric arcs for a bend (the inner one left out when d reaches its radius).
void AppendWireOutline(std::vector<ShapePrimitive>& out, const WirePath& path, double d);

// A close or opened helix seen from the side: `bands` bands of wire from the top line y = top to
// the bottom line y = top − D, the first touching x = left, the last x = left + length, each
// outlined by its two edges and the round ends of its cut. A right-hand coil's bands fall to the
// right from the top, a left-hand coil's rise.
void AppendCoilBands(std::vector<ShapePrimitive>& out, double left, double length, int bands,
                     double top, double D, double d, bool leftHand);

// The primitives reflected across the horizontal line y = axis (a right-hand coil becomes a
// left-hand one); arcs keep running counter-clockwise, from the image of their old end point.
void ReflectAcross(std::vector<ShapePrimitive>& primitives, double axis);
// The same for a centre line: bends turn the other way round.
void ReflectAcross(WirePath& path, double axis);

}  // namespace coilspring
