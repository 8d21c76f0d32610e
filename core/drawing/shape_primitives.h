// What every spring kind's view construction hands to its sinks: lines and arcs in model
// millimetres, in drawing order, and the verdict on the inputs. The picture and the DXF file are
// two sinks of the same construction, so they can never disagree.
#pragma once

#include <span>
#include <string>
#include <variant>

#include "core/drawing/geometry.h"

namespace coilspring {

// A drawing of more body turns than this is refused: no real spring has them, and the
// primitive count (six per turn) would otherwise grow without bound.
inline constexpr double kMaxBodyTurns = 10000;

enum class ShapeStatus {
  Built,
  NonFiniteInput,  // NaN or infinity among the inputs
  UnknownEndMode,  // mode outside 0..3
  NoWire,          // d <= 0
  NoCoil,          // D <= 0
  TooManyTurns,    // n > kMaxBodyTurns
  NoBodyLength,    // Lw <= 0: the ends take up the whole length
  WireFillsCoil,   // d >= D: no coil holds the wire (a compression spring: with ground open ends)
  UndefinedPoint,  // a quantity or point of the construction came out infinite or NaN
};

// Why the side view of a spring cannot be drawn, for the user ("側面図を描けません: 線径が 0 以下
// です"); empty for Built.
std::string CannotDrawMessage(ShapeStatus status);
// The reason alone ("線径が 0 以下です"); empty for Built.
std::string ShapeStatusReason(ShapeStatus status);

// How the drawing file states one angle of an arc: a fixed value, or the direction of the
// arc's own end point seen from its centre plus an offset (0 or 360).
struct ArcAngle {
  enum class Kind { Fixed, TowardPoint };
  Kind kind = Kind::Fixed;
  double degrees = 0;

  static ArcAngle At(double degrees) { return {Kind::Fixed, degrees}; }
  static ArcAngle Toward(double plus = 0) { return {Kind::TowardPoint, plus}; }
};

struct ShapeLine {
  ModelPoint from, to;
  bool reversedInFile = false;  // the drawing file runs it from `to` to `from`
};

// Counter-clockwise from the ray through `from` to the ray through `to`.
struct ShapeArc {
  ModelPoint centre;
  double radius = 0;
  ModelPoint from, to;
  ArcAngle start, end;  // as written to the drawing file
};

using ShapePrimitive = std::variant<ShapeLine, ShapeArc>;

class ShapeSink {
 public:
  virtual ~ShapeSink() = default;
  virtual void Line(const ShapeLine& line) = 0;
  virtual void Arc(const ShapeArc& arc) = 0;
};

// Sends primitives to a sink in their order.
void EmitPrimitives(std::span<const ShapePrimitive> primitives, ShapeSink& sink);
// Whether every point, radius and fixed angle of the primitives is a finite number.
bool AllPrimitivesFinite(std::span<const ShapePrimitive> primitives);

// Moves the primitives by `dy` along y.
void ShiftVertically(std::span<ShapePrimitive> primitives, double dy);

}  // namespace coilspring
