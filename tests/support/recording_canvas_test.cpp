#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace coilspring {
namespace {

TEST(RecordingCanvasTest, StartsLikeAFreshBitmapCanvas) {
  const RecordingCanvas c(400, 417);
  EXPECT_EQ(c.Width(), 400);
  EXPECT_EQ(c.Height(), 417);
  EXPECT_EQ(c.PenColour(), kBlack);
  EXPECT_EQ(c.PenWidth(), 1);
  EXPECT_EQ(c.CurrentPenStyle(), PenStyle::Solid);
  EXPECT_EQ(c.BrushColour(), kWhite);
  EXPECT_EQ(c.FontColour(), kBlack);
  EXPECT_TRUE(c.primitives.empty());
}

TEST(RecordingCanvasTest, KeepsTheStateOfEachPrimitiveAtTheTimeItWasDrawn) {
  RecordingCanvas c(100, 100);
  c.SetPenColour(kBlue);
  c.SetPenWidth(3);
  c.SetPenStyle(PenStyle::Dash);
  c.MoveTo(1, 2);
  c.LineTo(3, 4);
  c.SetPenColour(kRed);
  c.SetBrushColour(kSilver);
  c.SetFontColour(kBlue);
  c.TextOut(5, 6, "τ2");
  ASSERT_EQ(c.primitives.size(), 2u);
  const Primitive& line = c.primitives[0];
  EXPECT_EQ(line.kind, PrimitiveKind::Line);
  EXPECT_EQ(line.pen, kBlue);
  EXPECT_EQ(line.penWidth, 3);
  EXPECT_EQ(line.penStyle, PenStyle::Dash);
  EXPECT_EQ(line.brush, kWhite);
  EXPECT_EQ(line.points, (std::vector<PixelPoint>{{1, 2}, {3, 4}}));
  const Primitive& text = c.primitives[1];
  EXPECT_EQ(text.kind, PrimitiveKind::Text);
  EXPECT_EQ(text.pen, kRed);
  EXPECT_EQ(text.brush, kSilver);
  EXPECT_EQ(text.font, kBlue);
  EXPECT_EQ(text.text, "τ2");
  EXPECT_EQ(text.points, (std::vector<PixelPoint>{{5, 6}}));
}

TEST(RecordingCanvasTest, LinesContinueFromTheCurrentPositionAndMoveItNothingElseDoes) {
  RecordingCanvas c(100, 100);
  c.MoveTo(10, 10);
  c.LineTo(20, 10);
  c.LineTo(20, 30);
  c.Arc(0, 0, 10, 10, 10, 5, 5, 0);
  c.Rectangle(1, 1, 5, 5);
  c.TextOut(50, 50, "x");
  EXPECT_EQ(c.CurrentPosition(), (PixelPoint{20, 30}));
  const auto lines = c.Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].points, (std::vector<PixelPoint>{{20, 10}, {20, 30}}));
  EXPECT_EQ(c.LinesBetween({20, 30}, {20, 10}).size(), 1u);
  EXPECT_EQ(c.LinesBetween({10, 10}, {20, 30}).size(), 0u);
  const auto arcs = c.Arcs();
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_EQ(arcs[0].points, (std::vector<PixelPoint>{{0, 0}, {10, 10}, {10, 5}, {5, 0}}));
}

TEST(RecordingCanvasTest, FiltersByKindAndText) {
  RecordingCanvas c(100, 100);
  const PixelPoint triangle[] = {{0, 0}, {10, 0}, {0, 10}};
  c.FillRect(0, 0, 100, 100);
  c.Polygon(triangle);
  c.TextOut(1, 1, "a");
  c.TextOut(2, 2, "b");
  c.TextOut(3, 3, "a");
  EXPECT_EQ(c.OfKind(PrimitiveKind::FillRect).size(), 1u);
  ASSERT_EQ(c.Polygons().size(), 1u);
  EXPECT_EQ(c.Polygons()[0].points.size(), 3u);
  EXPECT_EQ(c.Texts().size(), 3u);
  const auto as = c.TextsEqual("a");
  ASSERT_EQ(as.size(), 2u);
  EXPECT_EQ(as[1].points[0], (PixelPoint{3, 3}));
}

}  // namespace
}  // namespace coilspring
