// The side view construction and its picture. Golden values are the worked example of the
// drawing (mode 0, d 2, D 20, L 60, n 6 on 777 × 201) and hand calculations.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "core/compression/shape_builder.h"
#include "core/compression/shape_view.h"
#include "core/drawing/geometry.h"
#include "core/drawing/shape_view_sink.h"
#include "support/recording_canvas.h"

namespace coilspring {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDeg = 180 / std::numbers::pi;

void ExpectPoint(ModelPoint p, double x, double y, double tolerance = 1e-12) {
  EXPECT_NEAR(p.x, x, tolerance);
  EXPECT_NEAR(p.y, y, tolerance);
}

// ---- geometry helpers ---------------------------------------------------------------------

TEST(Geometry, LineIntersection) {
  ExpectPoint(LineIntersection({0, 0}, {2, 2}, {0, 2}, {2, 0}), 1, 1);
  ExpectPoint(LineIntersection({0, 1}, {4, 1}, {2, -5}, {2, 5}), 2, 1);
  ExpectPoint(LineIntersection({-1, -3}, {1, 1}, {0, 4}, {4, 0}), 5.0 / 3, 7.0 / 3);
  const ModelPoint parallel = LineIntersection({0, 0}, {1, 1}, {0, 1}, {1, 2});
  EXPECT_FALSE(std::isfinite(parallel.x) && std::isfinite(parallel.y));
}

TEST(Geometry, PointsOnLine) {
  ExpectPoint(PointOnLineAtY({0, 0}, {2, 4}, 1), 0.5, 1);
  ExpectPoint(PointOnLineAtY({1, -1}, {3, -5}, -3), 2, -3);
  ExpectPoint(PointOnLineAtX({0, 0}, {2, 4}, 1), 1, 2);
  ExpectPoint(PointOnLineAtX({-2, 3}, {2, 1}, 0), 0, 2);
}

TEST(Geometry, WireEdges) {
  const double h = std::sqrt(0.5);
  // A band falling at 45°: the edges lie r along (cos 45°, sin 45°) on both sides.
  const WireEdges falling = WireEdgesFalling({0, 0}, {1, -1}, 1);
  ExpectPoint(falling.aPlus, h, h);
  ExpectPoint(falling.aMinus, -h, -h);
  ExpectPoint(falling.bPlus, 1 + h, -1 + h);
  ExpectPoint(falling.bMinus, 1 - h, -1 - h);
  // A band rising to the right: u = (cos φ, −sin φ).
  const WireEdges rising = WireEdgesRising({0, 0}, {1, 1}, 2);
  ExpectPoint(rising.aPlus, 2 * h, -2 * h);
  ExpectPoint(rising.aMinus, -2 * h, 2 * h);
  ExpectPoint(rising.bPlus, 1 + 2 * h, 1 - 2 * h);
  ExpectPoint(rising.bMinus, 1 - 2 * h, 1 + 2 * h);
  // Steep band: φ = atan(1/3) from the vertical drop of 3 over 1.
  const double phi = std::atan(1.0 / 3);
  const WireEdges steep = WireEdgesFalling({0, 0}, {1, -3}, 0.5);
  ExpectPoint(steep.aPlus, 0.5 * std::cos(phi), 0.5 * std::sin(phi));
}

TEST(Geometry, DirectionAngle) {
  struct Case {
    ModelPoint c, a;
    double degrees;
  };
  const Case cases[] = {
      {{0, 0}, {1, 0}, 0},      {{0, 0}, {0, 1}, 90},   {{0, 0}, {-1, 0}, 180},
      {{0, 0}, {0, -1}, 270},   {{0, 0}, {1, -1}, 315}, {{5, 5}, {4, 6}, 135},
      {{0, 0}, {1, -1e-20}, 0},  // just below +x: stays below 360
  };
  for (const Case& c : cases) {
    const double angle = DirectionAngle(c.c, c.a);
    EXPECT_NEAR(angle, c.degrees, 1e-12) << c.a.x << "," << c.a.y;
    EXPECT_GE(angle, 0);
    EXPECT_LT(angle, 360);
  }
}

// ---- derived quantities and the worked example --------------------------------------------

const ShapeInputs kWorked{kOpenEnd, 2, 20, 6, 60};

TEST(ShapeBuilder, WorkedExampleDerivedQuantities) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build(kWorked), ShapeStatus::Built);
  const ShapeDerived& v = b.Derived();
  EXPECT_DOUBLE_EQ(v.Lw, 54);
  EXPECT_DOUBLE_EQ(v.cx, 27);
  EXPECT_DOUBLE_EQ(v.cy, -10);
  EXPECT_NEAR(v.p, 8.307692, 5e-7);
  EXPECT_NEAR(v.theta * kDeg, 11.7331, 5e-5);
  EXPECT_NEAR(v.c, 0.979106, 5e-7);
  EXPECT_NEAR(v.s, 0.203353, 5e-7);
  EXPECT_NEAR(v.h, 15.0824, 5e-5);
  EXPECT_EQ(v.bodyTurns, 6);
  EXPECT_EQ(b.Primitives().size(), 52u);

  const std::optional<ShapeView> view = FitShapeView(777, 201, v.cx, v.cy, 60, 20, 2);
  ASSERT_TRUE(view);
  EXPECT_NEAR(view->q, 8.30579, 5e-6);
  EXPECT_NEAR(view->x0, -19.7746, 5e-5);
  EXPECT_NEAR(view->y0, -22.1, 1e-12);
  EXPECT_NEAR(view->Hv, 24.2, 1e-12);
}

TEST(ShapeBuilder, DerivedLengthsPerMode) {
  struct Case {
    int mode;
    double Lw, cx;
  };
  // d 2, L 60.
  const Case cases[] = {{kOpenEnd, 54, 27},
                        {kOpenGroundEnd, 60, 30},
                        {kClosedEnd, 54, 29},
                        {kClosedGroundEnd, 57, 28.5}};
  for (const Case& c : cases) {
    ShapeBuilder b;
    ASSERT_EQ(b.Build({c.mode, 2, 20, 6, 60}), ShapeStatus::Built) << c.mode;
    EXPECT_DOUBLE_EQ(b.Derived().Lw, c.Lw) << c.mode;
    EXPECT_DOUBLE_EQ(b.Derived().cx, c.cx) << c.mode;
    EXPECT_DOUBLE_EQ(b.Derived().p, c.Lw / 6.5) << c.mode;
  }
}

std::vector<Primitive> Drawn(const RecordingCanvas& canvas) {
  std::vector<Primitive> drawn;
  for (const Primitive& p : canvas.primitives)
    if (p.kind != PrimitiveKind::FillRect) drawn.push_back(p);
  return drawn;
}

TEST(DrawSpringShape, WorkedExamplePixels) {
  RecordingCanvas canvas(777, 201);
  DrawSpringShape(canvas, kWorked);
  ASSERT_FALSE(canvas.primitives.empty());
  const Primitive& clear = canvas.primitives.front();
  EXPECT_EQ(clear.kind, PrimitiveKind::FillRect);
  EXPECT_EQ(clear.brush, kWhite);
  EXPECT_EQ(clear.points, (std::vector<PixelPoint>{{0, 0}, {777, 201}}));

  const std::vector<Primitive> drawn = Drawn(canvas);
  ASSERT_EQ(drawn.size(), 52u);
  struct Expected {
    PrimitiveKind kind;
    std::vector<PixelPoint> points;
  };
  const Expected first[] = {
      {PrimitiveKind::Line, {{156, 19}, {191, 185}}},
      {PrimitiveKind::Line, {{207, 182}, {172, 16}}},
      {PrimitiveKind::Arc, {{173, 26}, {156, 9}, {172, 16}, {156, 19}}},
      {PrimitiveKind::Arc, {{207, 192}, {190, 175}, {191, 185}, {207, 182}}},
      {PrimitiveKind::Line, {{225, 16}, {199, 143}}},
      {PrimitiveKind::Line, {{207, 185}, {233, 58}}},
  };
  for (std::size_t i = 0; i < std::size(first); ++i) {
    EXPECT_EQ(drawn[i].kind, first[i].kind) << i;
    EXPECT_EQ(drawn[i].points, first[i].points) << i;
  }
  for (const Primitive& p : drawn) {
    EXPECT_EQ(p.pen, kRed);
    EXPECT_EQ(p.penWidth, 1);
    EXPECT_EQ(p.penStyle, PenStyle::Solid);
  }
}

// ---- primitive counts of all modes and branches -------------------------------------------

struct CountCase {
  ShapeInputs in;
  std::size_t body, ends;
};

TEST(ShapeBuilder, PrimitiveCounts) {
  const CountCase cases[] = {
      {{kOpenEnd, 2, 20, 6, 60}, 40, 12},
      {{kOpenGroundEnd, 2, 20, 6, 60}, 40, 8},
      {{kClosedEnd, 2, 20, 6, 60}, 40, 4 + 6},   // both end turns upright
      {{kClosedEnd, 2, 20, 10, 60}, 64, 6 + 8},  // both slanted: the 14 of the worst case
      {{kClosedGroundEnd, 2, 20, 6, 60}, 40, 10},
      {{kOpenEnd, 2, 20, 0, 60}, 4, 12},  // one front half-turn, no back lines
      {{kClosedGroundEnd, 2, 20, 0, 60}, 4, 10},
      {{kOpenEnd, 2, 20, -1, 60}, 0, 12},  // Trunc(n) < 0: only the end turns
      {{kOpenGroundEnd, 2, 20, -3, 60}, 0, 8},
      {{kOpenEnd, 1, 10, kMaxBodyTurns, 1e5}, 6 * (10000 + 1) - 2, 12},
  };
  for (const CountCase& c : cases) {
    ShapeBuilder b;
    ASSERT_EQ(b.Build(c.in), ShapeStatus::Built) << c.in.mode << " n " << c.in.n;
    EXPECT_EQ(b.Primitives().size(), c.body + c.ends) << c.in.mode << " n " << c.in.n;
  }
}

TEST(ShapeBuilder, ZeroBodyTurnsSpansTheBodyWithOneHalfTurn) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build({kOpenEnd, 2, 20, 0, 60}), ShapeStatus::Built);
  EXPECT_DOUBLE_EQ(b.Derived().p, 2 * 54);
  const auto& lowerCap = std::get<ShapeArc>(b.Primitives()[3]);
  ExpectPoint(lowerCap.centre, 54, -20);  // the last lower section sits at x = Lw
}

TEST(ShapeBuilder, NegativeBodyTurnsKeepTheEnds) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build({kOpenEnd, 2, 20, -1, 60}), ShapeStatus::Built);
  EXPECT_EQ(b.Derived().bodyTurns, -1);
  EXPECT_DOUBLE_EQ(b.Derived().p, -2 * 54);
  // The first primitive is the left end's S51 -> S33, not a body line.
  const auto& first = std::get<ShapeLine>(b.Primitives()[0]);
  EXPECT_LT(first.to.x, 0);
}

template <class T>
const T& PrimitiveAt(const ShapeBuilder& b, std::size_t i) {
  return std::get<T>(b.Primitives()[i]);
}

// ---- end constructions against hand calculation -------------------------------------------

TEST(ShapeBuilder, BodyTurnTemplate) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build(kWorked), ShapeStatus::Built);
  const double p = 54 / 6.5, th = std::atan(p / 2 / 20), c = std::cos(th), s = std::sin(th);
  const double h = (p - 2 * c) * std::cos(th) / (2 * std::sin(th)) - s;
  // Turn 1 (j = 1) starts at primitive 6.
  const auto& left = PrimitiveAt<ShapeLine>(b, 6);
  ExpectPoint(left.from, p - c, -s);
  ExpectPoint(left.to, 1.5 * p - c, -20 - s);
  const auto& right = PrimitiveAt<ShapeLine>(b, 7);
  EXPECT_TRUE(right.reversedInFile);
  ExpectPoint(right.from, 1.5 * p + c, -20 + s);
  ExpectPoint(right.to, p + c, s);
  const auto& back1 = PrimitiveAt<ShapeLine>(b, 10);
  ExpectPoint(back1.from, 2 * p - c, s);
  ExpectPoint(back1.to, 1.5 * p, -h);
  const auto& back2 = PrimitiveAt<ShapeLine>(b, 11);
  ExpectPoint(back2.from, 1.5 * p + c, -20 - s);
  ExpectPoint(back2.to, 2 * p, -20 + h);
  // S7 lies on this turn's right front edge, (p + c, s) -> (1.5p + c, -D + s).
  const double t = (1.5 * p - (p + c)) / (0.5 * p);
  EXPECT_NEAR(-h, s + t * (-20), 1e-9);
}

TEST(ShapeBuilder, OpenGroundFacesAreVerticalAtTheWireEdge) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build({kOpenGroundEnd, 2, 20, 6, 60}), ShapeStatus::Built);
  const auto prims = b.Primitives();
  const auto& leftFace = std::get<ShapeLine>(prims[40 + 3]);
  ExpectPoint(leftFace.from, -1, 0);
  ExpectPoint(leftFace.to, -1, -21);
  const auto& leftArc = std::get<ShapeArc>(prims[40 + 2]);
  const double psi = std::atan(1 / std::sqrt(100.0 - 1));
  ExpectPoint(leftArc.to, -1 + std::cos(psi), -20 + std::sin(psi));
  EXPECT_EQ(leftArc.start.kind, ArcAngle::Kind::Fixed);
  EXPECT_EQ(leftArc.start.degrees, 270);
  const auto& rightFace = std::get<ShapeLine>(prims.back());
  ExpectPoint(rightFace.from, 61, -20);
  ExpectPoint(rightFace.to, 61, 1);
}

TEST(ShapeBuilder, ClosedGroundFacesAtThreeQuartersOfTheWire) {
  for (double d : {2.0, 3.0}) {
    ShapeBuilder b;
    const double L = 60, D = 20, r = d / 2, k = std::sqrt(3.0) / 2;
    ASSERT_EQ(b.Build({kClosedGroundEnd, d, D, 6, L}), ShapeStatus::Built);
    const double Lw = L - 1.5 * d;
    const auto prims = b.Primitives();
    const auto& left = std::get<ShapeLine>(prims[40 + 4]);
    ExpectPoint(left.from, -3 * d / 4, k * r);
    ExpectPoint(left.to, -3 * d / 4, -D - k * r);
    const auto& right = std::get<ShapeLine>(prims.back());
    ExpectPoint(right.from, Lw + 3 * d / 4, -D - k * r);
    ExpectPoint(right.to, Lw + 3 * d / 4, k * r);
    EXPECT_EQ(prims.size(), 50u);
  }
}

TEST(ShapeBuilder, ClosedEndUprightBranches) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build({kClosedEnd, 2, 20, 6, 60}), ShapeStatus::Built);
  const auto prims = b.Primitives();
  // Left: mid-height bar, edge down to the bottom, outer edge at x = -r, bottom cap.
  const auto& bar = std::get<ShapeLine>(prims[40]);
  ExpectPoint(bar.from, 1, -10);
  ExpectPoint(bar.to, -1, -10);
  const auto& outer = std::get<ShapeLine>(prims[42]);
  ExpectPoint(outer.from, -1, 0);
  ExpectPoint(outer.to, -1, -20);
  const auto& cap = std::get<ShapeArc>(prims[43]);
  ExpectPoint(cap.centre, 0, -20);
  ExpectPoint(cap.from, -1, -20);
  ExpectPoint(cap.to, 1, -20);
  // Right: upright at x = Lw + p/2 with vertical edges r either side.
  const double x = 54 + 54 / 6.5 / 2;
  const auto& edge1 = std::get<ShapeLine>(prims[46]);
  const auto& edge2 = std::get<ShapeLine>(prims[47]);
  ExpectPoint(edge1.from, x + 1, 0);
  ExpectPoint(edge1.to, x + 1, -20);
  ExpectPoint(edge2.from, x - 1, 0);
  ExpectPoint(edge2.to, x - 1, -20);
  const auto& upperCap = std::get<ShapeArc>(prims[48]);
  ExpectPoint(upperCap.centre, x, 0);
  EXPECT_EQ(upperCap.start.degrees, 0);
  EXPECT_EQ(upperCap.end.degrees, 180);
}

TEST(ShapeBuilder, ClosedEndSlantedBranches) {
  const double d = 2, r = 1, D = 20, Lw = 54, p = Lw / 10.5;
  const double th = std::atan(p / 2 / D), c = r * std::cos(th), s = r * std::sin(th);
  ShapeBuilder b;
  ASSERT_EQ(b.Build({kClosedEnd, d, D, 10, 60}), ShapeStatus::Built);
  const auto prims = b.Primitives();
  ASSERT_EQ(prims.size(), 78u);
  // Left: the front band's left edge (-c, -s) -> (p/2 - c, -D - s) crosses mid-height at x41.
  const double x41 = -c + (p / 2) * (D / 2 - s) / D;
  ASSERT_LT(x41 - r, 0);
  const auto& bar = std::get<ShapeLine>(prims[64]);
  ExpectPoint(bar.from, x41, -D / 2, 1e-9);
  ExpectPoint(bar.to, x41 - d, -D / 2, 1e-9);
  const auto& outer = std::get<ShapeLine>(prims[66]);
  EXPECT_TRUE(outer.reversedInFile);
  ExpectPoint(outer.from, x41 - d, -D / 2, 1e-9);
  ExpectPoint(outer.to, x41 - d, -D, 1e-9);
  // Right: the end band's left edge (Lw + p/2 + c, -s) -> (Lw + c, -D - s) crosses mid-height
  // at edgeX; the last line closes the cut end straight down to the bottom.
  const double edgeX = Lw + p / 2 + c - (p / 2) * (D / 2 - s) / D;
  ASSERT_GT(edgeX + r, Lw + p / 2);
  const auto& last = std::get<ShapeLine>(prims.back());
  ExpectPoint(last.from, edgeX + d, -D / 2, 1e-9);
  ExpectPoint(last.to, edgeX + d, -D, 1e-9);
}

// ---- degenerate inputs --------------------------------------------------------------------

struct DegenerateCase {
  ShapeInputs in;
  ShapeStatus status;
};

const DegenerateCase kDegenerate[] = {
    {{kOpenEnd, kNaN, 20, 6, 60}, ShapeStatus::NonFiniteInput},
    {{kOpenEnd, 2, -kInf, 6, 60}, ShapeStatus::NonFiniteInput},
    {{kOpenEnd, 2, 20, kNaN, 60}, ShapeStatus::NonFiniteInput},
    {{kClosedEnd, 2, 20, 6, kInf}, ShapeStatus::NonFiniteInput},
    {{4, 2, 20, 6, 60}, ShapeStatus::UnknownEndMode},
    {{-1, 2, 20, 6, 60}, ShapeStatus::UnknownEndMode},
    {{kOpenEnd, 0, 20, 6, 60}, ShapeStatus::NoWire},
    {{kClosedGroundEnd, -2, 20, 6, 60}, ShapeStatus::NoWire},
    {{kOpenEnd, 2, 0, 6, 60}, ShapeStatus::NoCoil},
    {{kClosedEnd, 2, -20, 6, 60}, ShapeStatus::NoCoil},
    {{kOpenEnd, 2, 20, kMaxBodyTurns + 1, 1e6}, ShapeStatus::TooManyTurns},
    {{kOpenEnd, 2, 20, 1e300, 60}, ShapeStatus::TooManyTurns},
    {{kOpenEnd, 2, 20, 6, 6}, ShapeStatus::NoBodyLength},
    {{kClosedEnd, 2, 20, 6, 5}, ShapeStatus::NoBodyLength},
    {{kClosedGroundEnd, 2, 20, 6, 3}, ShapeStatus::NoBodyLength},
    {{kOpenGroundEnd, 2, 20, 6, 0}, ShapeStatus::NoBodyLength},
    {{kOpenGroundEnd, 2, 20, 6, -60}, ShapeStatus::NoBodyLength},
    {{kOpenGroundEnd, 20, 20, 6, 60}, ShapeStatus::WireFillsCoil},
    {{kOpenGroundEnd, 25, 20, 6, 100}, ShapeStatus::WireFillsCoil},
    {{kOpenEnd, 2, 20, -0.5, 60}, ShapeStatus::UndefinedPoint},  // pitch Lw / 0
};

TEST(ShapeBuilder, DegenerateInputsStopBeforeAnyPrimitive) {
  for (const DegenerateCase& c : kDegenerate) {
    ShapeBuilder b;
    EXPECT_EQ(b.Build(c.in), c.status)
        << c.in.mode << " " << c.in.d << " " << c.in.D << " " << c.in.n << " " << c.in.L;
    EXPECT_TRUE(b.Primitives().empty());
  }
}

TEST(DrawSpringShape, DegenerateInputsLeaveTheClearedPicture) {
  for (const DegenerateCase& c : kDegenerate) {
    RecordingCanvas canvas(777, 201);
    DrawSpringShape(canvas, c.in);
    ASSERT_EQ(canvas.primitives.size(), 1u) << c.in.mode << " " << c.in.L;
    EXPECT_EQ(canvas.primitives[0].kind, PrimitiveKind::FillRect);
  }
}

TEST(ShapeBuilder, ABuildAfterARefusalStartsClean) {
  ShapeBuilder b;
  ASSERT_EQ(b.Build(kWorked), ShapeStatus::Built);
  EXPECT_EQ(b.Build({kOpenEnd, 2, 20, 6, 1}), ShapeStatus::NoBodyLength);
  EXPECT_TRUE(b.Primitives().empty());
}

// Odd but finite inputs: whatever is built is finite, bounded, and stays on the canvas.
TEST(DrawSpringShape, OddInputsNeverLeaveTheIntRangeOrTheWindow) {
  const double values[] = {1e-300, 1e-9, 0.3, 1, 7, 1e6, 1e150, 1e300};
  const double turns[] = {-1e300, -2, 0, 3, 250};
  for (int mode = 0; mode <= 3; ++mode)
    for (double d : values)
      for (double D : values)
        for (double n : turns)
          for (double L : values) {
            ShapeBuilder b;
            if (b.Build({mode, d, D, n, L}) == ShapeStatus::Built) {
              // 6·(n + 1) - 2 body primitives and at most 14 for the two ends.
              const double body = n < 0 ? 0 : 6 * (n + 1) - 2;
              ASSERT_LE(b.Primitives().size(), static_cast<std::size_t>(body + 14));
            }
            RecordingCanvas canvas(777, 201);
            DrawSpringShape(canvas, {mode, d, D, n, L});
            for (const Primitive& p : Drawn(canvas))
              for (const PixelPoint& pt : p.points) {
                ASSERT_GE(pt.x, -4096);
                ASSERT_LE(pt.x, 777 + 4096);
                ASSERT_GE(pt.y, -4096);
                ASSERT_LE(pt.y, 201 + 4096);
              }
          }
}

// ---- the screen sink ----------------------------------------------------------------------

TEST(ShapeViewSink, RoundsHalvesToEven) {
  RecordingCanvas canvas(100, 100);
  ShapeViewSink sink(canvas, ShapeView{0, 0, 10, 1});
  sink.Line({{0.5, 9.5}, {2.5, 8.5}});
  sink.Line({{1.5, 6.5}, {-0.5, 7.5}});
  ASSERT_EQ(canvas.Lines().size(), 2u);
  EXPECT_EQ(canvas.Lines()[0].points, (std::vector<PixelPoint>{{0, 0}, {2, 2}}));
  EXPECT_EQ(canvas.Lines()[1].points, (std::vector<PixelPoint>{{2, 4}, {0, 2}}));
}

TEST(ShapeViewSink, ArcUsesTheCircleSquareAndRadialPoints) {
  RecordingCanvas canvas(100, 100);
  ShapeViewSink sink(canvas, ShapeView{-10, -10, 20, 2});  // X = 2(x+10), Y = 2(10 - y)
  ShapeArc arc;
  arc.centre = {0, 0};
  arc.radius = 1;
  arc.from = {1, 0};
  arc.to = {-1, 0};
  sink.Arc(arc);
  ASSERT_EQ(canvas.Arcs().size(), 1u);
  EXPECT_EQ(canvas.Arcs()[0].points,
            (std::vector<PixelPoint>{{22, 22}, {18, 18}, {22, 20}, {18, 20}}));
}

TEST(ShapeViewSink, FarPointsAreClippedOrLeftOut) {
  RecordingCanvas canvas(777, 201);
  ShapeViewSink sink(canvas, ShapeView{0, 0, 201, 1});
  sink.Line({{100, 100}, {1e300, 100}});  // clipped at the window's right side
  sink.Line({{-1e300, -1e300}, {1e300, 1e300}});
  sink.Line({{1e7, 1e7}, {2e7, 2e7}});   // wholly outside: nothing
  sink.Line({{100, 100}, {kNaN, 0}});    // undefined: nothing
  sink.Line({{-1e308, 0}, {1e308, 0}});  // its length overflows: nothing
  ShapeArc far;
  far.centre = far.from = far.to = {1e12, 0};
  far.radius = 1;
  sink.Arc(far);
  ASSERT_EQ(canvas.Arcs().size(), 0u);
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].points, (std::vector<PixelPoint>{{100, 101}, {777 + 4096, 101}}));
  for (const PixelPoint& pt : lines[1].points) {
    EXPECT_GE(pt.x, -4096);
    EXPECT_LE(pt.x, 777 + 4096);
  }
}

TEST(FitShapeView, SlenderSpringIsFittedByWidthAndCentredOnTheAxis) {
  // L 100 > 3.54·(D + d) = 21.2: fitted by width.
  const std::optional<ShapeView> v = FitShapeView(777, 201, 50, -2.5, 100, 5, 1);
  ASSERT_TRUE(v);
  EXPECT_DOUBLE_EQ(v->q, 777 / 120.0);
  EXPECT_DOUBLE_EQ(v->x0, 50 - 60.0);
  EXPECT_DOUBLE_EQ(v->Hv, 201 / v->q);
  // The axis y = -D/2 lands in the middle row of the picture.
  EXPECT_NEAR((v->Hv - (-2.5 - v->y0)) * v->q, 100.5, 1e-9);

  RecordingCanvas canvas(777, 201);
  DrawSpringShape(canvas, {kOpenGroundEnd, 1, 5, 20, 100});
  // Ground faces at x = -0.5 and 100.5: X = 9.5·6.475 = 61.5 -> 62 and 110.5·6.475 -> 715.
  int leftFaces = 0, rightFaces = 0;
  for (const Primitive& p : canvas.Lines()) {
    if (p.points[0].x == 62 && p.points[1].x == 62) ++leftFaces;
    if (p.points[0].x == 715 && p.points[1].x == 715) ++rightFaces;
  }
  EXPECT_EQ(leftFaces, 1);
  EXPECT_EQ(rightFaces, 1);
}

TEST(FitShapeView, UnusableScaleGivesNoView) {
  EXPECT_FALSE(FitShapeView(777, 201, 0, 0, 1e-320, 1e-320, 1e-320));
  EXPECT_FALSE(FitShapeView(777, 201, 0, -1e308, 1, 1e308, 1e308));
}

}  // namespace
}  // namespace coilspring
