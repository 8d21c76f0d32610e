#include "ui/render/qt_canvas.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QImage>
#include <set>
#include <string>
#include <vector>

#include "core/drawing/fatigue_diagram.h"

namespace coilspring {
namespace {

bool Is(const QImage& image, int x, int y, Rgb c) {
  return image.pixel(x, y) == qRgb(c.r, c.g, c.b);
}

bool IsInk(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

TEST(QtCanvasTest, AThinLineLeavesOutItsLastPixel) {
  QImage image = QtCanvas::MakeImage(40, 20);
  QtCanvas c(image);
  c.MoveTo(10, 10);
  c.LineTo(20, 10);
  for (int x = 5; x < 26; ++x) {
    EXPECT_EQ(Is(image, x, 10, kBlack), x >= 10 && x < 20) << x;
    EXPECT_TRUE(Is(image, x, 9, kWhite)) << x;
    EXPECT_TRUE(Is(image, x, 11, kWhite)) << x;
  }
  // Continuing from the end draws the next segment.
  c.LineTo(20, 15);
  for (int y = 10; y < 15; ++y) EXPECT_TRUE(Is(image, 20, y, kBlack)) << y;
  EXPECT_TRUE(Is(image, 20, 15, kWhite));
}

TEST(QtCanvasTest, FillRectCoversLeftTopButNotRightBottom) {
  QImage image = QtCanvas::MakeImage(40, 40);
  QtCanvas c(image);
  c.SetBrushColour(kRed);
  c.FillRect(5, 10, 15, 17);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 5 && x < 15 && y >= 10 && y < 17;
      EXPECT_TRUE(Is(image, x, y, inside ? kRed : kWhite)) << x << "," << y;
    }
  }
}

TEST(QtCanvasTest, RectangleHasAPenOutlineAndABrushInside) {
  QImage image = QtCanvas::MakeImage(60, 60);
  QtCanvas c(image);
  c.SetBrushColour(kBlue);
  c.Rectangle(40, 40, 50, 46);
  for (auto [x, y] : std::vector<std::pair<int, int>>{
           {40, 40}, {49, 40}, {40, 45}, {49, 45}, {45, 40}, {40, 43}}) {
    EXPECT_TRUE(Is(image, x, y, kBlack)) << x << "," << y;
  }
  EXPECT_TRUE(Is(image, 45, 43, kBlue));
  EXPECT_TRUE(Is(image, 41, 41, kBlue));
  for (auto [x, y] : std::vector<std::pair<int, int>>{{50, 45}, {49, 46}, {50, 46}, {39, 40}}) {
    EXPECT_TRUE(Is(image, x, y, kWhite)) << x << "," << y;
  }
}

enum Quadrant { UpperRight, UpperLeft, LowerLeft, LowerRight };

// Quadrants of the box (100,100)-(200,200) that hold ink, ignoring the pixels near the axes.
std::set<Quadrant> InkedQuadrants(const QImage& image) {
  std::set<Quadrant> found;
  for (int y = 95; y < 205; ++y) {
    for (int x = 95; x < 205; ++x) {
      if (!IsInk(image, x, y) || (x > 146 && x < 153) || (y > 146 && y < 153)) continue;
      const bool right = x >= 153, upper = y <= 146;
      found.insert(upper ? (right ? UpperRight : UpperLeft) : (right ? LowerRight : LowerLeft));
    }
  }
  return found;
}

struct ArcCase {
  const char* name;
  PixelPoint start, end;
  std::set<Quadrant> quadrants;
};

TEST(QtCanvasTest, ArcsRunCounterClockwiseFromTheStartRayToTheEndRay) {
  const PixelPoint east{200, 150}, north{150, 100}, west{100, 150}, south{150, 200};
  const std::vector<ArcCase> cases = {
      {"east to north", east, north, {UpperRight}},
      {"north to west", north, west, {UpperLeft}},
      {"west to south", west, south, {LowerLeft}},
      {"south to east", south, east, {LowerRight}},
      {"east to west", east, west, {UpperRight, UpperLeft}},
      {"north to east", north, east, {UpperLeft, LowerLeft, LowerRight}},
      // Points far out on the rays name the same directions.
      {"far east to far north", {400, 150}, {150, -300}, {UpperRight}},
      {"same ray", east, {260, 150}, {UpperRight, UpperLeft, LowerLeft, LowerRight}},
  };
  for (const ArcCase& a : cases) {
    QImage image = QtCanvas::MakeImage(300, 300);
    QtCanvas c(image);
    c.Arc(100, 100, 200, 200, a.start.x, a.start.y, a.end.x, a.end.y);
    EXPECT_EQ(InkedQuadrants(image), a.quadrants) << a.name;
  }
}

TEST(QtCanvasTest, AFullEllipseCoversItsBoxWithoutTheRightAndBottomEdge) {
  QImage image = QtCanvas::MakeImage(300, 300);
  QtCanvas c(image);
  c.Arc(100, 100, 200, 200, 200, 150, 200, 150);
  int minX = 999, maxX = -1, minY = 999, maxY = -1;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) {
      if (!IsInk(image, x, y)) continue;
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
    }
  }
  EXPECT_EQ(minX, 100);
  EXPECT_EQ(maxX, 199);
  EXPECT_EQ(minY, 100);
  EXPECT_EQ(maxY, 199);
}

TEST(QtCanvasTest, AnEllipticArcEndsWhereItsEndRayMeetsTheEllipse) {
  // Box (0,0)-(200,100): centre (100,50), half axes 100 and 50. The ray towards the corner
  // (200,0) meets the ellipse at (100 + 100/sqrt2, 50 - 50/sqrt2) = (170.7, 14.6).
  QImage image = QtCanvas::MakeImage(220, 120);
  QtCanvas c(image);
  c.Arc(0, 0, 200, 100, 200, 50, 200, 0);
  int topY = 999, topX = -1, leftX = 999;
  for (int y = 0; y < 120; ++y) {
    for (int x = 0; x < 220; ++x) {
      if (!IsInk(image, x, y)) continue;
      if (y < topY) topY = y, topX = x;
      leftX = std::min(leftX, x);
    }
  }
  EXPECT_NEAR(topY, 14.6, 1.0);
  EXPECT_NEAR(topX, 170.7, 1.5);
  EXPECT_GE(leftX, 168);
}

TEST(QtCanvasTest, PolygonIsFilledWithTheBrushAndOutlinedWithThePen) {
  QImage image = QtCanvas::MakeImage(60, 60);
  QtCanvas c(image);
  c.SetBrushColour(kRed);
  c.SetPenColour(kBlue);
  const PixelPoint triangle[] = {{10, 10}, {50, 10}, {10, 50}};
  c.Polygon(triangle);
  EXPECT_TRUE(Is(image, 20, 20, kRed));
  EXPECT_TRUE(Is(image, 30, 10, kBlue));
  EXPECT_TRUE(Is(image, 10, 30, kBlue));
  EXPECT_TRUE(Is(image, 45, 45, kWhite));
}

TEST(QtCanvasTest, DashedPenLeavesGaps) {
  QImage image = QtCanvas::MakeImage(120, 20);
  QtCanvas c(image);
  c.SetPenStyle(PenStyle::Dash);
  c.MoveTo(0, 10);
  c.LineTo(100, 10);
  int ink = 0;
  for (int x = 0; x < 100; ++x) ink += IsInk(image, x, 10) ? 1 : 0;
  EXPECT_GT(ink, 20);
  EXPECT_LT(ink, 90);
}

TEST(QtCanvasTest, TextIsDrawnInTheFontColourOnAnOpaqueBrushBackground) {
  QImage image = QtCanvas::MakeImage(120, 40);
  QtCanvas c(image);
  QFont font("IPAPGothic");
  font.setPixelSize(12);
  c.SetFont(font);
  c.SetBrushColour(kRed);
  c.FillRect(0, 0, 120, 40);
  c.SetBrushColour(kWhite);
  c.SetFontColour(kBlue);
  c.TextOut(20, 10, "万回 0.5");
  int blue = 0, white = 0, right = 20, bottom = 10;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (Is(image, x, y, kRed)) continue;
      // Nothing of the text reaches left of or above its corner.
      EXPECT_GE(x, 20);
      EXPECT_GE(y, 10);
      blue += Is(image, x, y, kBlue) ? 1 : 0;
      white += Is(image, x, y, kWhite) ? 1 : 0;
      right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  EXPECT_TRUE(Is(image, 20, 10, kWhite)) << "the background starts at the corner";
  EXPECT_GT(blue, 30);
  EXPECT_GT(white, blue);
  EXPECT_GT(right, 50);
  EXPECT_LT(bottom, 10 + 20);
}

TEST(QtCanvasTest, TheFatigueDiagramLandsOnTheImage) {
  QImage image = QtCanvas::MakeImage(kFatigueDiagramWidth, kFatigueDiagramHeight);
  QtCanvas c(image);
  EXPECT_FALSE(DrawFatigueDiagram(c, true, 0.1, 0.4));
  EXPECT_TRUE(Is(image, 100, 100, kRed)) << "the marker around (100, 100)";
  EXPECT_TRUE(Is(image, 97, 97, kRed));
  EXPECT_TRUE(Is(image, 30, 300, kBlue)) << "the left side of the permitted region";
  EXPECT_TRUE(Is(image, 200, 30, kBlack)) << "the frame";
  EXPECT_TRUE(Is(image, 200, 379, kBlack)) << "the frame";
  EXPECT_TRUE(Is(image, 379, 200, kBlack)) << "the frame";
  // The first gamma ray crosses row 205 at x = 47.5.
  bool silver = false;
  for (int x = 44; x <= 51; ++x) silver = silver || Is(image, x, 205, kSilver);
  EXPECT_TRUE(silver);
  EXPECT_TRUE(Is(image, 2, 2, kWhite));
  EXPECT_TRUE(Is(image, 395, 410, kWhite));
}

}  // namespace
}  // namespace coilspring
