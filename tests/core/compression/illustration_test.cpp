#include "core/compression/illustration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/drawing/illustration.h"
#include "support/recording_canvas.h"

namespace coilspring {
namespace {

RecordingCanvas Drawn() {
  RecordingCanvas canvas(360, 200);
  DrawSpringIllustration(canvas);
  return canvas;
}

// A line with an arrowhead tip at both of its ends: a dimension line.
struct Dimension {
  PixelPoint a, b;
};

bool IsTipOfSomeArrow(const std::vector<Primitive>& polygons, PixelPoint p) {
  return std::ranges::any_of(polygons, [p](const Primitive& poly) {
    return std::ranges::find(poly.points, p) != poly.points.end();
  });
}

std::vector<Dimension> Dimensions(const RecordingCanvas& c) {
  const auto polygons = c.Polygons();
  std::vector<Dimension> found;
  for (const Primitive& line : c.Lines())
    if (IsTipOfSomeArrow(polygons, line.points[0]) && IsTipOfSomeArrow(polygons, line.points[1]))
      found.push_back({line.points[0], line.points[1]});
  return found;
}

std::vector<Dimension> Horizontal(const std::vector<Dimension>& all) {
  std::vector<Dimension> h;
  std::ranges::copy_if(all, std::back_inserter(h),
                       [](const Dimension& d) { return d.a.y == d.b.y; });
  std::ranges::sort(h, {}, [](const Dimension& d) { return d.a.y; });
  return h;
}

bool HasVerticalLineThrough(const RecordingCanvas& c, int x, int fromY, int toY) {
  return std::ranges::any_of(c.Lines(), [&](const Primitive& p) {
    const int top = std::min(p.points[0].y, p.points[1].y);
    const int bottom = std::max(p.points[0].y, p.points[1].y);
    return p.points[0].x == x && p.points[1].x == x && top <= fromY && bottom >= toY;
  });
}

TEST(Illustration, BlueLineArtOnWhiteInsideThePicture) {
  const RecordingCanvas c = Drawn();
  ASSERT_FALSE(c.primitives.empty());
  const Primitive& first = c.primitives.front();
  EXPECT_EQ(first.kind, PrimitiveKind::FillRect);
  EXPECT_EQ(first.brush, kWhite);
  EXPECT_EQ(first.points, (std::vector<PixelPoint>{{0, 0}, {360, 200}}));
  for (std::size_t i = 1; i < c.primitives.size(); ++i) {
    const Primitive& p = c.primitives[i];
    SCOPED_TRACE(i);
    EXPECT_TRUE(p.kind == PrimitiveKind::Line || p.kind == PrimitiveKind::Polygon);
    EXPECT_EQ(p.pen, kBlue);
    EXPECT_EQ(p.penWidth, 1);
    if (p.kind == PrimitiveKind::Polygon) {
      EXPECT_EQ(p.brush, kBlue);
    }
    for (const PixelPoint& q : p.points) {
      EXPECT_GE(q.x, 0);
      EXPECT_LT(q.x, 360);
      EXPECT_GE(q.y, 0);
      EXPECT_LT(q.y, 200);
    }
  }
}

TEST(Illustration, ThreeLengthArrowsFromOneLineLongestOnTop) {
  const RecordingCanvas c = Drawn();
  const auto h = Horizontal(Dimensions(c));
  ASSERT_EQ(h.size(), 3u);
  const int left = std::min(h[0].a.x, h[0].b.x);
  int previousLength = 1000;
  for (const Dimension& d : h) {
    EXPECT_EQ(std::min(d.a.x, d.b.x), left);
    const int length = std::abs(d.b.x - d.a.x);
    EXPECT_LT(length, previousLength);
    previousLength = length;
  }
  // The common extension line rises from the spring's left end past the top arrow.
  EXPECT_TRUE(HasVerticalLineThrough(c, left, h[0].a.y - 2, illustration::kCoilTopY - 6));
  // The free-length and L1 arrows end at extension lines rising from the spring.
  const int freeRight = std::max(h[0].a.x, h[0].b.x);
  const int length1Right = std::max(h[1].a.x, h[1].b.x);
  EXPECT_TRUE(HasVerticalLineThrough(c, freeRight, h[0].a.y - 2, illustration::kCoilTopY - 6));
  EXPECT_TRUE(HasVerticalLineThrough(c, length1Right, h[1].a.y - 2, illustration::kCoilTopY - 6));
  // The L2 arrow ends at the left edge of the load diagram.
  const int length2Right = std::max(h[2].a.x, h[2].b.x);
  EXPECT_TRUE(
      HasVerticalLineThrough(c, length2Right, illustration::kLoadTopY, illustration::kLoadBottomY));
}

TEST(Illustration, LoadDiagramDiagonalAndLoadLevels) {
  using namespace illustration;
  const RecordingCanvas c = Drawn();
  EXPECT_EQ(c.LinesBetween({kLength2X, kLoadTopY}, {kFreeRightX, kLoadBottomY}).size(), 1u);
  EXPECT_EQ(c.LinesBetween({kLength2X, kLoadTopY}, {kFreeRightX, kLoadTopY}).size(), 1u);
  EXPECT_EQ(c.LinesBetween({kLength2X, kLoadBottomY}, {kFreeRightX, kLoadBottomY}).size(), 1u);
  // P1 sits where the L1 extension line meets the diagonal: hand-computed 78 + 44 * 41 / 60.
  EXPECT_EQ(kLoad1Y, 108);
  EXPECT_EQ(c.LinesBetween({kLength1X, kLoad1Y}, {kFreeRightX, kLoad1Y}).size(), 1u);
  // Ordered as the loads are: P2 above P1 above zero.
  EXPECT_LT(kLoadTopY, kLoad1Y);
  EXPECT_LT(kLoad1Y, kLoadBottomY);
  EXPECT_LT(kLength2X, kLength1X);
  EXPECT_LT(kLength1X, kFreeRightX);
}

TEST(Illustration, DiameterArrowSpansTheCoils) {
  const RecordingCanvas c = Drawn();
  const auto all = Dimensions(c);
  std::vector<Dimension> vertical;
  std::ranges::copy_if(all, std::back_inserter(vertical),
                       [](const Dimension& d) { return d.a.x == d.b.x; });
  ASSERT_EQ(vertical.size(), 1u);
  const Dimension& d = vertical.front();
  EXPECT_EQ(std::min(d.a.y, d.b.y), illustration::kCoilTopY);
  EXPECT_EQ(std::max(d.a.y, d.b.y), illustration::kCoilBottomY);
  EXPECT_GT(d.a.x, illustration::kFreeRightX);
  // The coils themselves reach exactly from the top to the bottom line of the arrow.
  int top = 1000, bottom = -1;
  for (const Primitive& p : c.Lines()) {
    const bool axisParallel = p.points[0].x == p.points[1].x || p.points[0].y == p.points[1].y;
    if (axisParallel) continue;  // end plates and dimension work
    for (const PixelPoint& q : p.points) {
      if (q.y <= illustration::kLoadBottomY) continue;  // the load diagram's diagonal
      top = std::min(top, q.y);
      bottom = std::max(bottom, q.y);
    }
  }
  EXPECT_EQ(top, illustration::kCoilTopY);
  EXPECT_EQ(bottom, illustration::kCoilBottomY);
}

TEST(Illustration, CoilsStayBetweenTheEndLines) {
  const RecordingCanvas c = Drawn();
  for (const Primitive& p : c.Lines()) {
    const bool axisParallel = p.points[0].x == p.points[1].x || p.points[0].y == p.points[1].y;
    if (axisParallel || p.points[0].y <= illustration::kLoadBottomY) continue;
    for (const PixelPoint& q : p.points) {
      EXPECT_GT(q.x, illustration::kLeftX);
      EXPECT_LT(q.x, illustration::kFreeRightX);
    }
  }
}

TEST(Illustration, AboutFourteenCoils) {
  // Count the turns as the times the wire comes up to the top line of the coils.
  const RecordingCanvas c = Drawn();
  int tops = 0;
  for (const Primitive& p : c.Lines())
    if (p.points[1].y == illustration::kCoilTopY && p.points[0].y != illustration::kCoilTopY &&
        p.points[1].x > illustration::kLeftX && p.points[1].x < illustration::kFreeRightX)
      ++tops;
  EXPECT_EQ(tops, 14);
}

// Boxes, in picture pixels, where the panel and the sheet put texts over the picture: nothing
// may be drawn under them. Sheet labels are 19 pixels high; panel edits about 21.
struct Box {
  const char* what;
  int left, top, right, bottom;
};
constexpr Box kTextBoxes[] = {
    {"sheet Label1", 40, 16, 150, 35},    {"sheet Label2", 40, 48, 150, 67},
    {"sheet Label3", 40, 80, 150, 99},    {"sheet Label4", 280, 64, 360, 83},
    {"sheet Label5", 280, 96, 360, 115},  {"sheet Label6", 288, 152, 360, 171},
    {"panel Edit20", 80, 16, 145, 37},    {"panel Edit21", 80, 45, 145, 66},
    {"panel Edit22", 80, 77, 145, 98},    {"panel Edit24", 272, 61, 353, 82},
    {"panel Edit23", 272, 101, 353, 122}, {"panel Label48", 280, 144, 340, 157},
    {"panel Edit18", 280, 160, 353, 181}, {"panel Label28", 248, 8, 350, 38},
};

bool SegmentTouches(const Primitive& line, const Box& b) {
  const PixelPoint p = line.points[0], q = line.points[1];
  const int steps = std::max({std::abs(q.x - p.x), std::abs(q.y - p.y), 1});
  for (int i = 0; i <= steps; ++i) {
    const double x = p.x + (q.x - p.x) * static_cast<double>(i) / steps;
    const double y = p.y + (q.y - p.y) * static_cast<double>(i) / steps;
    if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return true;
  }
  return false;
}

TEST(Illustration, LabelsAndBoxesCoverNoLine) {
  const RecordingCanvas c = Drawn();
  for (const Box& b : kTextBoxes)
    for (const Primitive& line : c.Lines()) EXPECT_FALSE(SegmentTouches(line, b)) << b.what;
}

TEST(Illustration, EachLengthLabelSitsJustAboveItsArrow) {
  const auto h = Horizontal(Dimensions(Drawn()));
  ASSERT_EQ(h.size(), 3u);
  const int sheetLabelTops[] = {16, 48, 80};  // Label1..Label3 in picture pixels
  for (int i = 0; i < 3; ++i) {
    const int gap = h[i].a.y - (sheetLabelTops[i] + 19);
    EXPECT_GE(gap, 1) << i;
    EXPECT_LE(gap, 6) << i;
  }
}

}  // namespace
}  // namespace coilspring
