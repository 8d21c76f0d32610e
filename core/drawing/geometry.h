// Points of the spring side view in model millimetres (x along the axis to the right, y up) and
// the small constructions the view is built from.
#pragma once

#include <array>
#include <cstddef>

namespace coilspring {

struct ModelPoint {
  double x = 0, y = 0;
  bool operator==(const ModelPoint&) const = default;
};

// The construction points of the side view, addressed by slot number 0..64; slots 0..9 hold the
// body turn being drawn, the others the end turns. Both the picture and the DXF file are built
// from the same slots.
class ShapePoints {
 public:
  static constexpr std::size_t kSlots = 65;
  ModelPoint& operator[](std::size_t slot) { return slots_.at(slot); }
  const ModelPoint& operator[](std::size_t slot) const { return slots_.at(slot); }

 private:
  std::array<ModelPoint, kSlots> slots_{};
};

// The two edge lines of a wire band of half-width r around the segment A-B: aPlus-bPlus is one
// edge, aMinus-bMinus the other.
struct WireEdges {
  ModelPoint aPlus, aMinus, bPlus, bMinus;
};

// Intersection of line AB with line CE. Parallel lines give a non-finite point.
ModelPoint LineIntersection(ModelPoint a, ModelPoint b, ModelPoint c, ModelPoint e);
// The point of line AB at height y / at abscissa x.
ModelPoint PointOnLineAtY(ModelPoint a, ModelPoint b, double y);
ModelPoint PointOnLineAtX(ModelPoint a, ModelPoint b, double x);
// Edges of the band around A (the upper point) to B falling to the right, and around a segment
// rising to the right.
WireEdges WireEdgesFalling(ModelPoint a, ModelPoint b, double r);
WireEdges WireEdgesRising(ModelPoint a, ModelPoint b, double r);
// Direction of A seen from C in degrees counter-clockwise from +x, 0 <= angle < 360.
double DirectionAngle(ModelPoint c, ModelPoint a);

// Degrees per radian, the literal the drawing file's angles are defined with.
inline constexpr double kDegreesPerRadian = 57.29577951308232;

}  // namespace coilspring
