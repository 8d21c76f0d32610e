#include "core/drawing/fatigue_diagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "core/calc/fatigue.h"
#include "../param_names.h"
#include "support/recording_canvas.h"

namespace coilspring {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Drawn {
  RecordingCanvas canvas{kFatigueDiagramWidth, kFatigueDiagramHeight};
  bool over = false;
};

Drawn Draw(bool mark, double x, double y) {
  Drawn d;
  d.over = DrawFatigueDiagram(d.canvas, mark, x, y);
  return d;
}

using Segment = std::pair<PixelPoint, PixelPoint>;

std::vector<Segment> SegmentsOf(const std::vector<Primitive>& lines) {
  std::vector<Segment> out;
  for (const Primitive& p : lines) out.emplace_back(p.points[0], p.points[1]);
  return out;
}

std::vector<Primitive> LinesWith(const RecordingCanvas& c, Rgb pen, int width) {
  std::vector<Primitive> out;
  for (const Primitive& p : c.Lines()) {
    if (p.pen == pen && p.penWidth == width) out.push_back(p);
  }
  return out;
}

TEST(FatigueDiagramTest, StartsWithAWhitePictureAndABlackFrame) {
  const Drawn d = Draw(true, 0.1, 0.4);
  const auto& p = d.canvas.primitives;
  ASSERT_GE(p.size(), 2u);
  EXPECT_EQ(p[0].kind, PrimitiveKind::FillRect);
  EXPECT_EQ(p[0].brush, kWhite);
  EXPECT_EQ(p[0].points, (std::vector<PixelPoint>{{0, 0}, {400, 417}}));
  EXPECT_EQ(p[1].kind, PrimitiveKind::Rectangle);
  EXPECT_EQ(p[1].pen, kBlack);
  EXPECT_EQ(p[1].penWidth, 2);
  EXPECT_EQ(p[1].points, (std::vector<PixelPoint>{{30, 30}, {380, 380}}));
  EXPECT_EQ(d.canvas.OfKind(PrimitiveKind::FillRect).size(), 1u);
  EXPECT_EQ(d.canvas.OfKind(PrimitiveKind::Rectangle).size(), 1u);
  EXPECT_TRUE(d.canvas.Arcs().empty());
}

TEST(FatigueDiagramTest, DrawsGridThenTheEightLifeLinesInBlack) {
  const Drawn d = Draw(true, 0.1, 0.4);
  const std::vector<Segment> expected = {// Grid, vertical then horizontal.
                                         {{100, 30}, {100, 380}},
                                         {{170, 30}, {170, 380}},
                                         {{240, 30}, {240, 380}},
                                         {{310, 30}, {310, 380}},
                                         {{30, 100}, {380, 100}},
                                         {{30, 170}, {380, 170}},
                                         {{30, 240}, {380, 240}},
                                         {{30, 310}, {380, 310}},
                                         // Life lines 1000万 .. 1万.
                                         {{284, 30}, {30, 170}},
                                         {{267, 30}, {30, 150}},
                                         {{253, 30}, {30, 137}},
                                         {{240, 30}, {30, 126}},
                                         {{228, 30}, {30, 116}},
                                         {{214, 30}, {30, 106}},
                                         {{192, 30}, {30, 92}},
                                         {{138, 30}, {30, 65}},
                                         // The thin black piece of the 0.45 level.
                                         {{30, 65}, {221, 65}}};
  EXPECT_EQ(SegmentsOf(LinesWith(d.canvas, kBlack, 1)), expected);
  for (const Primitive& p : d.canvas.Lines()) EXPECT_EQ(p.penStyle, PenStyle::Solid);
}

TEST(FatigueDiagramTest, DrawsTenSilverStressRatioRaysFromTheOrigin) {
  const Drawn d = Draw(true, 0.1, 0.4);
  std::vector<Segment> expected;
  for (int j = 1; j <= 10; ++j) expected.push_back({{30, 380}, {30 + 35 * j, 30}});
  EXPECT_EQ(SegmentsOf(LinesWith(d.canvas, kSilver, 1)), expected);
}

TEST(FatigueDiagramTest, OutlinesThePermittedRegionInThickBlue) {
  const Drawn d = Draw(true, 0.1, 0.4);
  const std::vector<Segment> expected = {{{221, 65}, {30, 170}},
                                         {{221, 65}, {345, 65}},
                                         {{345, 65}, {30, 380}},
                                         {{30, 380}, {30, 170}}};
  EXPECT_EQ(SegmentsOf(LinesWith(d.canvas, kBlue, 2)), expected);
  // Nothing else: 8 grid + 8 life lines + 10 rays + 5 region lines.
  EXPECT_EQ(d.canvas.Lines().size(), 31u);
}

using PlacedText = std::tuple<std::string, int, int>;

TEST(FatigueDiagramTest, WritesEveryTextAtItsPlaceInBlackOnWhite) {
  const Drawn d = Draw(true, 0.1, 0.4);
  std::vector<PlacedText> expected = {// Grid labels.
                                      {"0.1", 96, 385},
                                      {"0.2", 166, 385},
                                      {"0.3", 236, 385},
                                      {"0.4", 306, 385},
                                      {"0.5", 380, 385},
                                      {"0.4", 382, 96},
                                      {"0.3", 382, 166},
                                      {"0.2", 382, 236},
                                      {"0.1", 382, 306},
                                      {"0.5", 382, 26},
                                      // Ray labels at 30 + int(35.2 j) - 5.
                                      {"0.1", 60, 15},
                                      {"0.2", 95, 15},
                                      {"0.3", 130, 15},
                                      {"0.4", 165, 15},
                                      {"0.5", 201, 15},
                                      {"0.6", 236, 15},
                                      {"0.7", 271, 15},
                                      {"0.8", 306, 15},
                                      {"0.9", 341, 15},
                                      {"1", 377, 15},
                                      {"γ=", 30, 15},
                                      // Axis and life labels.
                                      {"0", 16, 380},
                                      // Life labels: centred on their lines where the
                                      // 13-pixel boxes leave room, in two columns.
                                      {"1", 21, 62},
                                      {"2", 21, 85},
                                      {"3", 4, 100},
                                      {"4", 21, 110},
                                      {"6", 4, 120},
                                      {"10", 14, 130},
                                      {"100", 6, 144},
                                      {"1000", -1, 164},
                                      {"万回", 5, 183},
                                      {"下限応力係数 τ1/σB", 150, 400},
                                      {"上", 10, 200},
                                      {"限", 10, 214},
                                      {"応", 10, 228},
                                      {"力", 10, 242},
                                      {"係", 10, 256},
                                      {"数", 10, 270},
                                      {"τ2", 5, 288},
                                      {"─", 10, 298},
                                      {"σB", 5, 308}};
  std::vector<PlacedText> drawn;
  for (const Primitive& p : d.canvas.Texts()) {
    drawn.emplace_back(p.text, p.points[0].x, p.points[0].y);
    EXPECT_EQ(p.font, kBlack) << p.text;
    EXPECT_EQ(p.brush, kWhite) << p.text;
  }
  std::ranges::sort(expected);
  std::ranges::sort(drawn);
  EXPECT_EQ(drawn, expected);
}

std::vector<PixelPoint> MarkerCorners(const RecordingCanvas& c) {
  const auto polygons = c.Polygons();
  if (polygons.size() != 1) return {};
  EXPECT_EQ(polygons[0].pen, kRed);
  EXPECT_EQ(polygons[0].brush, kRed);
  EXPECT_EQ(c.primitives.back().kind, PrimitiveKind::Polygon) << "the marker is drawn last";
  return polygons[0].points;
}

struct MarkerCase {
  double x, y;
  std::vector<PixelPoint> corners;  // empty: no marker
  bool over;
};

void PrintTo(const MarkerCase& c, std::ostream* out) { *out << test_names::PointText(c.x, c.y); }

class FatigueMarkerTest : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(FatigueMarkerTest, MarksThePointOrReportsIt) {
  const MarkerCase c = GetParam();
  const Drawn d = Draw(true, c.x, c.y);
  EXPECT_EQ(MarkerCorners(d.canvas), c.corners);
  EXPECT_EQ(d.over, c.over);
  // Every drawing leaves a black pen behind.
  EXPECT_EQ(d.canvas.PenColour(), kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Points, FatigueMarkerTest,
    ::testing::Values(
        // a = 70, b = 280: x 97..103, y 97..103.
        MarkerCase{0.1, 0.4, {{97, 103}, {103, 103}, {103, 97}, {97, 97}}, false},
        // At the origin the square keeps to the plot: left edge 30, bottom edge 380.
        MarkerCase{0, 0, {{30, 380}, {33, 380}, {33, 377}, {30, 377}}, false},
        // 700 * 0.002 + 0.5 = 1.9 -> 1; 700 * 0.001 + 0.5 = 1.2 -> 1.
        MarkerCase{0.002, 0.001, {{30, 380}, {34, 380}, {34, 376}, {30, 376}}, false},
        // The top of the plot is still inside: b = 350.
        MarkerCase{0.2, 0.5, {{167, 33}, {173, 33}, {173, 27}, {167, 27}}, false},
        MarkerCase{0.2, 0.5001, {}, true}, MarkerCase{0.0, 3.0, {}, true},
        // x is not held against the plot: -69.5 has the integer part -69.
        MarkerCase{-0.1, 0.2, {{30, 243}, {-36, 243}, {-36, 237}, {30, 237}}, false},
        // Undefined points are not placed and are reported.
        MarkerCase{kNaN, kNaN, {}, true}, MarkerCase{0.1, kNaN, {}, true},
        MarkerCase{kNaN, 0.2, {}, true}, MarkerCase{kInf, 0.2, {}, true},
        MarkerCase{0.1, -kInf, {}, true}, MarkerCase{0.1, kInf, {}, true}),
    [](const auto& info) { return test_names::FromPoint(info.param.x, info.param.y); });

TEST(FatigueDiagramTest, WithoutMarkPointNothingIsMarkedButTheOverflowIsStillReported) {
  const Drawn inside = Draw(false, 0.1, 0.4);
  EXPECT_TRUE(inside.canvas.Polygons().empty());
  EXPECT_FALSE(inside.over);
  const Drawn above = Draw(false, 0.1, 0.6);
  EXPECT_TRUE(above.canvas.Polygons().empty());
  EXPECT_TRUE(above.over);
}

TEST(FatigueDiagramTest, HugeCoefficientsGiveBoundedPixelsNotOverflowedOnes) {
  for (double x : {1e300, -1e300, 1e9, -1e9}) {
    for (double y : {-1e300, -1e9, 0.49}) {
      const Drawn d = Draw(true, x, y);
      const auto corners = MarkerCorners(d.canvas);
      ASSERT_EQ(corners.size(), 4u) << x << " " << y;
      for (const PixelPoint& p : corners) {
        EXPECT_LT(std::abs(p.x), 1'000'000) << x;
        EXPECT_LT(std::abs(p.y), 1'000'000) << y;
      }
      // The square stays a square on the side that is not clamped to the axes.
      EXPECT_EQ(corners[1].x, corners[2].x);
      EXPECT_EQ(corners[2].y, corners[3].y);
    }
  }
}

TEST(FatigueDiagramTest, TheGraphAreaOverLineIsTheShownText) {
  EXPECT_STREQ(kGraphAreaOverLine, "グラフエリアオーバー");
}

}  // namespace
}  // namespace coilspring
