#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include "core/drawing/dxf_writer.h"
#include "core/torsion/moment_angle_diagram.h"
#include "core/torsion/torsion_calc.h"
#include "core/torsion/torsion_views.h"
#include "support/line_arc_count.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

using TorsionDrawingTest = CalculatedTorsionExample;

// The example: d 2, D 16 (coil 14..18), 6 turns, legs of 25 mm.
//   end view: two circles of two half arcs each, leg 1 and leg 2 free (3 lines each), leg 2 at
//   θ1 and θ2 (3 lines each);
//   side view: the body's outline (4 lines), a line between turns at every 2 mm of the 14 mm
//   body (6 lines: x0 + 2 … x0 + 12), both legs (3 lines each).
TEST_F(TorsionDrawingTest, PartsOfBothViews) {
  const TorsionViews v = BuildTorsionViews(t);
  ASSERT_EQ(v.groups.size(), 3u);
  EXPECT_EQ(v.groups[0].part, TorsionViewPart::Spring);
  EXPECT_EQ(v.groups[1].part, TorsionViewPart::Working1);
  EXPECT_EQ(v.groups[2].part, TorsionViewPart::Working2);
  EXPECT_EQ(CountOf(v.groups[0].primitives), (LineArcCount{6 + 4 + 6 + 6, 4}));
  EXPECT_EQ(CountOf(v.groups[1].primitives), (LineArcCount{3, 0}));
  EXPECT_EQ(CountOf(v.groups[2].primitives), (LineArcCount{3, 0}));
  // Leg 1 reaches 25 mm to the left, leg 2 of the side view 25 mm up; x0 = 25 + 9/2 + 4.
  EXPECT_DOUBLE_EQ(v.low.x, -25);
  EXPECT_DOUBLE_EQ(v.high.y, 25);
  EXPECT_DOUBLE_EQ(v.low.y, -25);
  EXPECT_DOUBLE_EQ(v.high.x, 25 + 4.5 + 4 + 14);
}

TEST_F(TorsionDrawingTest, TheWoundLegTurnsClockwiseByTheAngle) {
  // Leg 2 at θ2 = 60°: its far corners lie 25 mm out at −60°, ±1 mm across.
  const TorsionViews v = BuildTorsionViews(t);
  const ShapeLine first = std::get<ShapeLine>(v.groups[2].primitives.front());
  const double a = -60 / kDegreesPerRadian;
  EXPECT_NEAR(first.to.x, 25 * std::cos(a) - std::sin(a), 1e-12);
  EXPECT_NEAR(first.to.y, 25 * std::sin(a) + std::cos(a), 1e-12);
}

TEST_F(TorsionDrawingTest, UndrawableDesignsGiveNothing) {
  struct Case {
    const char* what;
    void (*change)(TorsionDesign&);
  };
  for (const Case& c :
       {Case{"no wire", [](TorsionDesign& x) { x.WireDiameter = 0; }},
        Case{"coil no wider than the wire", [](TorsionDesign& x) { x.MeanDiameter = 2; }},
        Case{"no turns", [](TorsionDesign& x) { x.TotalTurns = 0; }},
        Case{"too many turns", [](TorsionDesign& x) { x.TotalTurns = 1e6; }},
        Case{"NaN angle",
             [](TorsionDesign& x) { x.Angle2 = std::numeric_limits<double>::quiet_NaN(); }}}) {
    SCOPED_TRACE(c.what);
    TorsionDesign x = t;
    c.change(x);
    EXPECT_TRUE(BuildTorsionViews(x).groups.empty());
    RecordingCanvas canvas(200, 100);
    DrawTorsionViews(canvas, x);
    EXPECT_EQ(canvas.primitives.size(), 1u);  // the white fill
  }
}

TEST_F(TorsionDrawingTest, ALegFarLongerThanTheBodyKeepsOneLineBetweenTurns) {
  // So long that adding d to a point beside it no longer moves the point.
  TorsionDesign x = t;
  x.Leg1 = 1e17;
  EXPECT_EQ(CountOf(BuildTorsionViews(x).groups.at(0).primitives),
            (LineArcCount{6 + 4 + 6 + 6, 4}));
}

TEST_F(TorsionDrawingTest, ScreenAndDrawingFileShowTheSameConstruction) {
  RecordingCanvas canvas(400, 200);
  DrawTorsionViews(canvas, t);
  EXPECT_EQ(CountOf(canvas), CountOf(AllPrimitives(BuildTorsionViews(t))));
  const std::string dxf = TorsionDxfText(t);
  EXPECT_EQ(CountOfDxf(dxf), CountOf(canvas));
  EXPECT_TRUE(dxf.ends_with("  0\r\nEOF\r\n"));
}

TEST_F(TorsionDrawingTest, PensOfTheParts) {
  RecordingCanvas canvas(400, 200);
  DrawTorsionViews(canvas, t);
  int red = 0, dashedBlue = 0, solidBlue = 0;
  for (const Primitive& p : canvas.Lines()) {
    red += p.pen == kRed && p.penStyle == PenStyle::Solid;
    dashedBlue += p.pen == kBlue && p.penStyle == PenStyle::Dash;
    solidBlue += p.pen == kBlue && p.penStyle == PenStyle::Solid;
  }
  EXPECT_EQ(red, 22);
  EXPECT_EQ(dashedBlue, 3);
  EXPECT_EQ(solidBlue, 3);
}

// Layout of the 400 × 300 diagram: plot area x 56..384, y 24..268; θmax 112.95° is the largest
// angle, so the right edge is 1.1·θmax. A point (θ, M) lies at x = 56 + 328·θ/(1.1·θmax),
// y = 268 − 244·M/(kT·1.1·θmax), which for M = kT·θ is y = 268 − 244·θ/(1.1·θmax).
TEST_F(TorsionDrawingTest, DiagramPutsTheWorkingPointsOnTheLine) {
  const auto layout = LayoutMomentDiagram(t, kMomentDiagramWidth, kMomentDiagramHeight);
  ASSERT_TRUE(layout.has_value());
  EXPECT_DOUBLE_EQ(layout->maxAngle, 1.1 * t.MaxAngle);
  struct Case {
    double angle;
    PixelPoint at;
  };
  // θ1 = 30: 328·30/124.241 = 79.20, 244·30/124.241 = 58.92; θ2 = 60: 158.40, 117.83.
  for (const Case& c :
       {Case{30, {56 + 79, 268 - 59}}, Case{60, {56 + 158, 268 - 118}}, Case{0, {56, 268}}})
    EXPECT_EQ(layout->At(c.angle, t.SpringRate * c.angle), c.at);
  RecordingCanvas canvas(kMomentDiagramWidth, kMomentDiagramHeight);
  DrawMomentDiagram(canvas, t, UnitSystem::Gravitational);
  const std::vector<Primitive> squares = canvas.OfKind(PrimitiveKind::Rectangle);
  ASSERT_EQ(squares.size(), 2u);
  EXPECT_EQ(squares[0].points[0], (PixelPoint{135 - 3, 209 - 3}));
  EXPECT_EQ(squares[1].points[0], (PixelPoint{214 - 3, 150 - 3}));
  EXPECT_EQ(canvas.TextsEqual("θmax").size(), 1u);
  EXPECT_EQ(canvas.TextsEqual("M (kgf·mm)").size(), 1u);
  RecordingCanvas si(kMomentDiagramWidth, kMomentDiagramHeight);
  DrawMomentDiagram(si, t, UnitSystem::SI);
  EXPECT_EQ(si.TextsEqual("M (N·mm)").size(), 1u);
}

TEST_F(TorsionDrawingTest, DiagramWithoutAnythingToShowDrawsTheAxesOnly) {
  t.SpringRate = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(LayoutMomentDiagram(t, 400, 300).has_value());
  RecordingCanvas canvas(400, 300);
  DrawMomentDiagram(canvas, t, UnitSystem::Gravitational);
  EXPECT_EQ(canvas.Lines().size(), 2u);
  EXPECT_TRUE(canvas.OfKind(PrimitiveKind::Rectangle).empty());
}

}  // namespace
}  // namespace coilspring
