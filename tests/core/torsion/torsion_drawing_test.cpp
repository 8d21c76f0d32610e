#include <gtest/gtest.h>

#include <array>
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

// The example: d 2, D 16 (coil 14..18), 6 turns, legs of 25 mm, D2 15.59 at θ2.
//   end view: two circles of two half arcs each, leg 1 and leg 2 free (3 lines each), leg 2 at
//   θ1 (3 lines), the coil at θ2 (two circles) with leg 2 (3 lines), a rod's circle;
//   side view: six bands of the helix (two edges and two round ends each), both legs (3 lines
//   each); centre lines: the end view's cross and the side view's axis.
TEST_F(TorsionDrawingTest, PartsOfBothViews) {
  t.Rod = 12;
  const TorsionViews v = BuildTorsionViews(t);
  using P = TorsionViewPart;
  const std::pair<P, LineArcCount> parts[] = {{P::Spring, {6 + 12 + 6, 4 + 12}},
                                              {P::Working1, {3, 0}},
                                              {P::Working2, {3, 4}},
                                              {P::Rod, {0, 2}},
                                              {P::Centre, {3, 0}}};
  ASSERT_EQ(v.groups.size(), std::size(parts));
  for (std::size_t i = 0; i < std::size(parts); ++i)
    EXPECT_EQ(std::pair(v.groups[i].part, CountOf(v.groups[i].primitives)), parts[i]) << i;
  EXPECT_NEAR(std::get<ShapeArc>(v.groups[2].primitives[0]).radius, (15.589632 + 2) / 2, 1e-6);
  // Leg 1 reaches 25 mm to the left, leg 2 of the side view 25 mm up; x0 = 25 + 9/2 + 4 and the
  // side view's axis a wire beyond its 14 mm body.
  EXPECT_DOUBLE_EQ(v.low.x, -25);
  EXPECT_DOUBLE_EQ(v.high.y, 25);
  EXPECT_DOUBLE_EQ(v.low.y, -25);
  EXPECT_DOUBLE_EQ(v.high.x, 25 + 4.5 + 4 + 14 + 2);
}

TEST_F(TorsionDrawingTest, TheWoundLegTurnsClockwiseByTheAngle) {
  // Leg 2 at θ2 = 60°, after the wound coil's arcs: its far corners 25 mm out at −60°, ±1 across.
  const TorsionViews v = BuildTorsionViews(t);
  const ShapeLine first = std::get<ShapeLine>(v.groups[2].primitives[4]);
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
            (LineArcCount{6 + 12 + 6, 4 + 12}));
}

TEST_F(TorsionDrawingTest, ScreenAndDrawingFileShowTheSameConstruction) {
  RecordingCanvas canvas(400, 200);
  DrawTorsionViews(canvas, t);
  const LineArcCount built = CountOf(AllPrimitives(BuildTorsionViews(t)));
  EXPECT_EQ(CountOf(canvas), (LineArcCount{built.lines + 3, built.arcs}));  // and the legend
  const std::string dxf = TorsionDxfText(t);
  EXPECT_EQ(CountOfDxf(dxf), built);
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
  EXPECT_EQ(red, 24 + 1);  // each with its line in the legend
  EXPECT_EQ(dashedBlue, 3 + 1);
  EXPECT_EQ(solidBlue, 3 + 1);
  for (const char* text : kTorsionLegendTexts) EXPECT_EQ(canvas.TextsEqual(text).size(), 1u);
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

// Labels meet no other and no line, with θ2
// below θmax, just and far beyond it (θmax's foot near the origin), and on θ1.
TEST_F(TorsionDrawingTest, DiagramLabelsKeepClearOfEachOtherAndTheLines) {
  for (const double angle2 : {60.0, 118.0, 400.0, 5000.0, 30.0}) {
    t.Moment2 = t.SpringRate * (t.Angle2 = angle2);
    RecordingCanvas canvas(kMomentDiagramWidth, kMomentDiagramHeight);
    DrawMomentDiagram(canvas, t, UnitSystem::Gravitational);
    EXPECT_EQ(canvas.CrowdedLabels(), std::vector<std::string>()) << angle2;
  }
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
