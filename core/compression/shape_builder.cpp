#include "core/compression/shape_builder.h"

#include <cmath>
#include <iterator>

#include "core/compression/spring_calc.h"
#include "core/drawing/wire_path.h"

namespace coilspring {
namespace {

constexpr std::size_t kPrimitivesPerBodyTurn = 6;
constexpr std::size_t kEndPrimitivesAtMost = 64;

// sin 60°, taken from the radian literal the ground faces of closed ends are defined with.
const double kSin60 = std::sin(1.0471975511965977);

}  // namespace

ShapeInputs ShapeInputsOf(const DesignRecord& design, double length) {
  return {EndDrawModeOf(design.EndKind), design.WireDiameter, design.MeanDiameter,
          BodyTurnsOf(design.TotalTurns), length};
}

ShapeStatus ShapeBuilder::Build(const ShapeInputs& inputs) {
  in_ = inputs;
  r_ = inputs.d / 2;
  primitives_.clear();
  derived_ = {};
  const ShapeStatus status = CheckShapeInputs(inputs);
  if (status != ShapeStatus::Built) return status;
  derived_ = DeriveShape(inputs);
  const ShapeDerived& v = derived_;
  if (!std::isfinite(v.p) || v.p == 0 || !std::isfinite(v.c) || !std::isfinite(v.s))
    return ShapeStatus::UndefinedPoint;

  // Six primitives a body turn and a few dozen for the ends: one allocation, so a long spring
  // costs the same per turn as a short one.
  primitives_.reserve(kPrimitivesPerBodyTurn * static_cast<std::size_t>(v.bodyTurns + 1) +
                      kEndPrimitivesAtMost);
  BuildBody();
  switch (in_.mode) {
    case kOpenEnd:
      BuildOpenEnds();
      break;
    case kOpenGroundEnd:
      BuildOpenGroundEnds();
      break;
    case kClosedEnd:
      BuildClosedLeftEnd();
      BuildClosedRightEnd();
      break;
    default:
      BuildClosedGroundEnds();
      break;
  }
  if (in_.leftHand) ReflectAcross(primitives_, v.cy);
  if (!AllPrimitivesFinite(primitives_)) {
    primitives_.clear();
    return ShapeStatus::UndefinedPoint;
  }
  return ShapeStatus::Built;
}

void ShapeBuilder::Emit(ShapeSink& sink) const { EmitPrimitives(primitives_, sink); }

// Every refusal is decided here, before a single point is computed, except for points that
// turn out infinite, which Build catches before anything is emitted.
ShapeStatus CheckShapeInputs(const ShapeInputs& i) {
  if (!std::isfinite(i.d) || !std::isfinite(i.D) || !std::isfinite(i.n) || !std::isfinite(i.L))
    return ShapeStatus::NonFiniteInput;
  if (i.mode < kOpenEnd || i.mode > kClosedGroundEnd) return ShapeStatus::UnknownEndMode;
  if (!(i.d > 0)) return ShapeStatus::NoWire;
  if (!(i.D > 0)) return ShapeStatus::NoCoil;
  if (i.n > kMaxBodyTurns) return ShapeStatus::TooManyTurns;
  const double bodyLength =
      i.mode == kOpenGroundEnd ? i.L : i.L - (i.mode == kClosedGroundEnd ? 1.5 : 3) * i.d;
  if (!(bodyLength > 0)) return ShapeStatus::NoBodyLength;
  if (i.mode == kOpenGroundEnd && i.d >= i.D) return ShapeStatus::WireFillsCoil;
  return ShapeStatus::Built;
}

ShapeDerived DeriveShape(const ShapeInputs& i) {
  ShapeDerived v;
  const double r = i.d / 2;
  switch (i.mode) {
    case kOpenEnd:
      v.Lw = i.L - 3 * i.d;
      v.cx = v.Lw / 2;
      break;
    case kOpenGroundEnd:
      v.Lw = i.L;
      v.cx = i.L / 2;
      break;
    case kClosedEnd:
      v.Lw = i.L - 3 * i.d;
      v.cx = i.d + v.Lw / 2;
      break;
    default:
      v.Lw = i.L - 1.5 * i.d;
      v.cx = v.Lw / 2;
      break;
  }
  v.cy = -i.D / 2;
  v.p = v.Lw / (i.n + 0.5);
  v.theta = std::atan((v.p / 2) / i.D);
  v.c = r * std::cos(v.theta);
  v.s = r * std::sin(v.theta);
  v.h = (v.p - 2 * v.c) * std::cos(v.theta) / (2 * std::sin(v.theta)) - v.s;
  // n is at most kMaxBodyTurns here, so the cast is safe; a negative count means no body.
  const double turns = std::trunc(i.n);
  v.bodyTurns = turns < 0 ? -1 : static_cast<int>(turns);
  return v;
}

void ShapeBuilder::BuildBody() {
  const ShapeDerived& v = derived_;
  const double D = in_.D;
  const double thetaDegrees = v.theta * kDegreesPerRadian;
  for (int j = 0; j <= v.bodyTurns; ++j) {
    const double x = j * v.p;
    S(0) = {x, 0};
    S(1) = {x + v.c, v.s};
    S(2) = {x - v.c, -v.s};
    S(3) = {x + v.p / 2, -D};
    S(4) = {x + v.p / 2 - v.c, -D - v.s};
    S(5) = {x + v.p / 2 + v.c, -D + v.s};
    S(6) = {x + v.p - v.c, v.s};
    S(7) = {x + v.p / 2, -v.h};
    S(8) = {x + v.p / 2 + v.c, -D - v.s};
    S(9) = {x + v.p, -D + v.h};
    Line(S(2), S(4));
    Line(S(5), S(1), true);
    Arc(S(0), S(1), S(2), ArcAngle::At(thetaDegrees), ArcAngle::At(180 + thetaDegrees));
    Arc(S(3), S(4), S(5), ArcAngle::At(180 + thetaDegrees), ArcAngle::At(360 + thetaDegrees));
    if (j < v.bodyTurns) {
      Line(S(6), S(7));
      Line(S(8), S(9));
    }
  }
}

void ShapeBuilder::BuildOpenEnds() {
  const double d = in_.d, D = in_.D, Lw = derived_.Lw, p = derived_.p;
  // Left end: the wire is cut at mid-height left of the body.
  S(10) = {0, 0};
  S(20) = {p / 2, -D};
  S(40) = {-d, -D / 2};
  S(30) = {-2 * d / 3, -D};
  SetEdges(WireEdgesFalling(S(40), S(30), r_), 41, 44, 31, 34);
  SetEdges(WireEdgesRising(S(10), S(30), r_), 13, 12, 33, 32);
  SetEdges(WireEdgesFalling(S(10), S(20), r_), 11, 14, 21, 24);
  S(51) = LineIntersection(S(14), S(24), S(13), S(33));
  Line(S(51), S(33));
  S(52) = LineIntersection(S(41), S(44), S(12), S(32));
  Line(S(52), S(12));
  Line(S(41), S(31));
  Arc(S(30), S(34), S(31), ArcAngle::Toward(360), ArcAngle::Toward());
  Line(S(44), S(34));
  Line(S(44), S(41), true);

  // Right end, the mirror image.
  S(10) = {Lw, -D};
  S(20) = {Lw - p / 2, 0};
  S(40) = {Lw + d, -D / 2};
  S(30) = {Lw + 2 * d / 3, 0};
  SetEdges(WireEdgesFalling(S(30), S(40), r_), 31, 34, 41, 44);
  SetEdges(WireEdgesRising(S(30), S(10), r_), 33, 32, 13, 12);
  SetEdges(WireEdgesFalling(S(20), S(10), r_), 21, 24, 11, 14);
  S(51) = LineIntersection(S(21), S(11), S(12), S(32));
  Line(S(51), S(32));
  S(52) = LineIntersection(S(41), S(44), S(13), S(33));
  Line(S(52), S(13));
  Line(S(41), S(31));
  Arc(S(30), S(31), S(34), ArcAngle::Toward(), ArcAngle::Toward());
  Line(S(44), S(34));
  Line(S(44), S(41), true);
}

void ShapeBuilder::BuildOpenGroundEnds() {
  const double r = r_, D = in_.D, d = in_.d, Lw = derived_.Lw, p = derived_.p;
  const double psi = std::atan(r / std::sqrt(D * D / 4 - d * d / 4));
  const ModelPoint toFace{r * std::cos(psi), r * std::sin(psi)};

  S(10) = {0, 0};
  S(20) = {p / 2, -D};
  S(30) = {-r, -D};
  SetEdges(WireEdgesRising(S(10), S(30), r_), 13, 12, 33, 32);
  SetEdges(WireEdgesFalling(S(10), S(20), r_), 11, 14, 21, 24);
  S(51) = LineIntersection(S(14), S(24), S(13), S(33));
  Line(S(51), S(33));
  S(31) = {S(30).x + toFace.x, S(30).y + toFace.y};
  S(40) = {S(30).x, -D / 2};
  Line(S(40), S(31));
  S(33) = {S(30).x, S(30).y - r};
  Arc(S(30), S(33), S(31), ArcAngle::At(270), ArcAngle::Toward(360));
  Line({-r, 0}, S(33));  // the ground face

  S(10) = {Lw, -D};
  S(20) = {Lw - p / 2, 0};
  S(30) = {Lw + r, 0};
  S(40) = {S(30).x, -D / 2};
  SetEdges(WireEdgesRising(S(10), S(30), r_), 13, 12, 33, 32);
  SetEdges(WireEdgesFalling(S(20), S(10), r_), 21, 24, 11, 14);
  S(51) = LineIntersection(S(11), S(21), S(12), S(32));
  Line(S(51), S(32));
  S(34) = {S(30).x - toFace.x, S(30).y - toFace.y};
  Line(S(40), S(34));
  S(31) = {S(30).x, r};
  Arc(S(30), S(31), S(34), ArcAngle::At(90), ArcAngle::Toward());
  Line({Lw + r, -D}, S(31));  // the ground face
}

void ShapeBuilder::BuildClosedLeftEnd() {
  const double r = r_, d = in_.d, D = in_.D, p = derived_.p;
  S(10) = {0, 0};
  S(20) = {p / 2, -D};
  SetEdges(WireEdgesFalling(S(10), S(20), r_), 11, 14, 21, 24);
  S(41) = PointOnLineAtY(S(14), S(24), -D / 2);
  S(40) = {S(41).x - r, -D / 2};
  S(42) = {S(41).x - d, -D / 2};
  if (S(40).x >= 0) {
    // The end turn stands upright at x = 0.
    S(40).x = 0;
    S(41).x = r;
    S(42).x = -r;
    S(30) = {0, -D};
    S(31) = {r, -D};
    S(32) = {-r, -D};
    S(12) = {-r, 0};
    S(51) = PointOnLineAtX(S(14), S(24), r);
    Line(S(41), S(42));
    Line(S(51), S(31));
    Line(S(12), S(32));
    Arc(S(30), S(32), S(31), ArcAngle::At(180), ArcAngle::At(360));
    return;
  }
  S(30) = {S(40).x, -D};
  S(31) = {S(41).x, -D};
  S(32) = {S(42).x, -D};
  Line(S(41), S(42));
  Line(S(41), S(31));
  Line(S(42), S(32), true);
  Arc(S(30), S(32), S(31), ArcAngle::At(180), ArcAngle::At(360));
  SetEdges(WireEdgesRising(S(10), S(30), r_), 13, 12, 33, 32);
  S(45) = PointOnLineAtY(S(12), S(32), -D / 2);
  Line(S(12), S(45));
  S(52) = LineIntersection(S(13), S(33), S(14), S(24));
  Line(S(33), S(52));
}

void ShapeBuilder::BuildClosedRightEnd() {
  const double r = r_, d = in_.d, D = in_.D, Lw = derived_.Lw, p = derived_.p;
  S(30) = {Lw, -D};
  S(20) = {Lw + p / 2, 0};
  S(60) = {Lw - p / 2, 0};
  S(40) = {Lw, -D / 2};
  SetEdges(WireEdgesRising(S(20), S(30), r_), 23, 22, 33, 32);
  SetEdges(WireEdgesFalling(S(60), S(30), r_), 61, 64, 31, 34);
  S(52) = LineIntersection(S(61), S(31), S(22), S(32));
  Line(S(52), S(22));
  S(42) = PointOnLineAtY(S(23), S(33), -D / 2);
  S(40) = {S(42).x + r, -D / 2};
  S(41) = {S(42).x + d, -D / 2};
  const double endX = S(20).x;
  if (S(40).x <= endX) {
    // The end turn stands upright at x = S20.x.
    S(10) = {endX, -D};
    S(11) = {endX + r, -D};
    S(12) = {endX - r, -D};
    S(51) = PointOnLineAtX(S(23), S(33), S(12).x);
    Line(S(33), S(51));
    Line({endX + r, 0}, S(11));
    Line({endX - r, 0}, S(12));
    Arc({endX, 0}, {endX + r, 0}, {endX - r, 0}, ArcAngle::At(0), ArcAngle::At(180));
    Arc(S(10), S(12), S(11), ArcAngle::At(180), ArcAngle::At(360));
    return;
  }
  S(10) = {S(40).x, -D};
  SetEdges(WireEdgesFalling(S(20), S(10), r_), 21, 24, 11, 14);
  S(52) = LineIntersection(S(23), S(33), S(24), S(14));
  Line(S(52), S(33));
  Line(S(21), S(11));
  Line(S(24), S(14));
  Arc(S(20), S(21), S(24), ArcAngle::Toward(), ArcAngle::Toward());
  Arc(S(10), S(14), S(11), ArcAngle::Toward(), ArcAngle::Toward(360));
  S(42) = PointOnLineAtY(S(11), S(21), -D / 2);
  const ModelPoint cut{S(41).x, -D / 2};
  Line(S(42), cut);
  Line(cut, {S(40).x + r, -D});
}

void ShapeBuilder::BuildClosedGroundEnds() {
  const double r = r_, d = in_.d, D = in_.D, Lw = derived_.Lw, p = derived_.p;
  const double k = kSin60;
  // The ground faces pass through the 60° point of the upper and the 240° point of the lower
  // end section.
  S(10) = {0, 0};
  S(20) = {p / 2, -D};
  S(40) = {-d, 0};
  S(45) = {S(40).x + d / 4, k * r};
  S(30) = {S(40).x + r, -D};
  S(36) = {S(30).x - d / 4, S(30).y - k * r};
  SetEdges(WireEdgesFalling(S(10), S(20), r_), 11, 14, 21, 24);
  SetEdges(WireEdgesRising(S(10), S(30), r_), 13, 12, 33, 32);
  S(51) = LineIntersection(S(14), S(24), S(13), S(33));
  Line(S(51), S(33));
  SetEdges(WireEdgesFalling(S(40), S(30), r_), 41, 44, 31, 34);
  Line(S(41), S(31));
  Arc(S(30), S(36), S(31), ArcAngle::Toward(), ArcAngle::Toward(360));
  Arc(S(40), S(41), S(45), ArcAngle::Toward(), ArcAngle::Toward());
  Line(S(45), S(36));

  S(10) = {Lw, -D};
  S(20) = {Lw - p / 2, 0};
  S(40) = {Lw + d, -D};
  S(46) = {S(40).x - d / 4, -D - k * r};
  S(30) = {S(40).x - r, 0};
  S(35) = {S(30).x + d / 4, k * r};
  SetEdges(WireEdgesFalling(S(20), S(10), r_), 21, 24, 11, 14);
  SetEdges(WireEdgesRising(S(30), S(10), r_), 33, 32, 13, 12);
  S(51) = LineIntersection(S(11), S(21), S(12), S(32));
  Line(S(51), S(32));
  SetEdges(WireEdgesFalling(S(30), S(40), r_), 31, 34, 41, 44);
  Line(S(44), S(34));
  Arc(S(30), S(35), S(34), ArcAngle::Toward(), ArcAngle::Toward());
  Arc(S(40), S(44), S(46), ArcAngle::Toward(), ArcAngle::Toward());
  Line(S(46), S(35));
}

void ShapeBuilder::Line(ModelPoint from, ModelPoint to, bool reversedInFile) {
  primitives_.emplace_back(ShapeLine{from, to, reversedInFile});
}

void ShapeBuilder::Arc(ModelPoint centre, ModelPoint from, ModelPoint to, ArcAngle start,
                       ArcAngle end) {
  primitives_.emplace_back(ShapeArc{centre, r_, from, to, start, end});
}

void ShapeBuilder::SetEdges(const WireEdges& edges, int aPlus, int aMinus, int bPlus, int bMinus) {
  S(aPlus) = edges.aPlus;
  S(aMinus) = edges.aMinus;
  S(bPlus) = edges.bPlus;
  S(bMinus) = edges.bMinus;
}

}  // namespace coilspring
