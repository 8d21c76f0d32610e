// The construction of the spring's side view in model millimetres. It runs once per drawing and
// hands its lines and arcs, in drawing order, to a sink: the picture and the DXF file are two
// sinks of the same construction, so they can never disagree.
#pragma once

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "core/compression/design_record.h"
#include "core/drawing/geometry.h"
#include "core/drawing/shape_primitives.h"

namespace coilspring {

// End styles of the drawing (EndDrawMode).
inline constexpr int kOpenEnd = 0;
inline constexpr int kOpenGroundEnd = 1;
inline constexpr int kClosedEnd = 2;
inline constexpr int kClosedGroundEnd = 3;

struct ShapeInputs {
  int mode = 0;           // EndDrawMode 0..3
  double d = 0;           // wire diameter, mm
  double D = 0;           // mean coil diameter, mm
  double n = 0;           // body turns, a whole number
  double L = 0;           // the length drawn, mm
  bool leftHand = false;  // 左巻: the construction reflected across the axis
};

// The drawing inputs of a design shown at `length` (the free length or a working length).
ShapeInputs ShapeInputsOf(const DesignRecord& design, double length);

struct ShapeDerived {
  double Lw = 0;  // body length
  double cx = 0;  // view centre
  double cy = 0;
  double p = 0;      // pitch of the drawing
  double theta = 0;  // slant of the wire, radians
  double c = 0, s = 0, h = 0;
  int bodyTurns = -1;  // Trunc(n); below 0 no body is drawn
};

// The construction data the side view and the 3D centre line share: every refusal, decided
// before a point is computed, and the body's length and pitch for the end style.
ShapeStatus CheckShapeInputs(const ShapeInputs& inputs);
ShapeDerived DeriveShape(const ShapeInputs& inputs);

class ShapeBuilder {
 public:
  // Runs the whole construction. Anything but Built leaves no primitives, so a refused input
  // never reaches a sink half-drawn.
  ShapeStatus Build(const ShapeInputs& inputs);
  // Sends the primitives of the last successful Build, in drawing order.
  void Emit(ShapeSink& sink) const;

  const ShapeDerived& Derived() const { return derived_; }
  const ShapePoints& Points() const { return points_; }
  std::span<const ShapePrimitive> Primitives() const { return primitives_; }

 private:
  void BuildBody();
  void BuildOpenEnds();
  void BuildOpenGroundEnds();
  void BuildClosedLeftEnd();
  void BuildClosedRightEnd();
  void BuildClosedGroundEnds();

  void Line(ModelPoint from, ModelPoint to, bool reversedInFile = false);
  void Arc(ModelPoint centre, ModelPoint from, ModelPoint to, ArcAngle start, ArcAngle end);
  void SetEdges(const WireEdges& edges, int aPlus, int aMinus, int bPlus, int bMinus);
  ModelPoint& S(int slot) { return points_[static_cast<std::size_t>(slot)]; }

  ShapeInputs in_;
  double r_ = 0;
  ShapeDerived derived_;
  ShapePoints points_;
  std::vector<ShapePrimitive> primitives_;
};

}  // namespace coilspring
