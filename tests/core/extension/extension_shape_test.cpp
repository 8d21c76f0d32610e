#include "core/extension/extension_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/extension/extension_sheet.h"
#include "support/extension_example.h"
#include "support/line_arc_count.h"

namespace coilspring {
namespace {

// The worked example (support/extension_example.h) at L0 25: d 1, D 8, Nt 10, so the closed body
// is (10 + 1)·1 = 11 mm and the hooks (25 − 11)/2 = 7 mm high.
ExtensionDesign Example() {
  ExtensionDesign r = WorkedExtensionResults();
  r.FreeLength = 25;
  return r;
}

TEST(BuildExtensionShape, BandsAndHooks) {
  // Each band: two edges, two round ends. Each hook: a run out of the coil (two edges) and a loop
  // of the coil's size (two bends of two arcs), half a loop, or half a loop and a second leg; its
  // inner side 7 mm out, so the spring spans −8 to 11 + 8 and stays within the coil's 8 + 1 mm.
  const struct {
    HookKind hook;
    std::size_t lines, arcs;
  } cases[] = {{HookKind::Round, 20 + 4, 20 + 8},
               {HookKind::HalfRound, 20 + 4, 20 + 4},
               {HookKind::ReverseRound, 20 + 4, 20 + 8},
               {HookKind::U, 20 + 8, 20 + 4}};
  for (const auto& c : cases) {
    ExtensionDesign r = Example();
    r.HookKind = c.hook;
    const ExtensionShape shape = BuildExtensionShape(r, r.FreeLength);
    ASSERT_EQ(shape.status, ShapeStatus::Built);
    EXPECT_EQ(CountOf(shape.primitives), (LineArcCount{c.lines, c.arcs}));
    EXPECT_DOUBLE_EQ(shape.hookHeight, 7);
    EXPECT_DOUBLE_EQ(shape.bodyLength, 11);
    EXPECT_DOUBLE_EQ(shape.frame.L, 27);
    EXPECT_DOUBLE_EQ(shape.frame.D, 8);
  }
}

// Extended to 35 mm the body grows by 10 mm to 21; the hooks keep their 7 mm.
TEST(BuildExtensionShape, ExtensionOpensTheBody) {
  const ExtensionShape shape = BuildExtensionShape(Example(), 35);
  EXPECT_DOUBLE_EQ(shape.bodyLength, 21);
  EXPECT_DOUBLE_EQ(shape.hookHeight, 7);
  // The first band's left edge: (0, 0) to (p/2, −8) with p = (21 − 1)/10 = 2.
  const auto& edge = std::get<ShapeLine>(shape.primitives[0]);
  EXPECT_EQ(edge.from, (ModelPoint{0, 0}));
  EXPECT_EQ(edge.to, (ModelPoint{1, -8}));
}

TEST(BuildExtensionShape, Refusals) {
  const struct {
    const char* name;
    void (*change)(ExtensionDesign&);
    ShapeStatus status;
  } cases[] = {
      {"no wire", [](ExtensionDesign& r) { r.WireDiameter = 0; }, ShapeStatus::NoWire},
      {"wire fills coil", [](ExtensionDesign& r) { r.MeanDiameter = 1; },
       ShapeStatus::WireFillsCoil},
      {"no coil", [](ExtensionDesign& r) { r.MeanDiameter = 0; }, ShapeStatus::NoCoil},
      {"free length below the body", [](ExtensionDesign& r) { r.FreeLength = 11; },
       ShapeStatus::NoBodyLength},
      {"too many turns", [](ExtensionDesign& r) { r.TotalTurns = 20000, r.FreeLength = 1e5; },
       ShapeStatus::TooManyTurns},
      {"NaN", [](ExtensionDesign& r) { r.FreeLength = NAN; }, ShapeStatus::NonFiniteInput},
  };
  for (const auto& c : cases) {
    ExtensionDesign r = Example();
    c.change(r);
    const ExtensionShape shape = BuildExtensionShape(r, r.FreeLength);
    EXPECT_EQ(shape.status, c.status) << c.name;
    EXPECT_TRUE(shape.primitives.empty()) << c.name;
    ShapeStatus dxf;
    const std::string text = ExtensionDxfText(r, &dxf);
    EXPECT_EQ(dxf, c.status) << c.name;
    EXPECT_EQ(CountOfDxf(text), LineArcCount{}) << c.name;
  }
}

// The picture and the DXF file are the same construction: every primitive reaches the canvas
// once (the picture fits it whole, so nothing is clipped) and the file once.
TEST(BuildExtensionShape, PictureAndFileFromOneConstruction) {
  const ExtensionDesign r = Example();
  const ExtensionShape shape = BuildExtensionShape(r, r.FreeLength);
  RecordingCanvas canvas(777, 201);
  DrawExtensionShape(canvas, r, r.FreeLength);
  EXPECT_EQ(CountOf(canvas), CountOf(shape.primitives));
  const LineArcCount one = CountOf(shape.primitives);  // the file: free, L1, L2, centre lines
  EXPECT_EQ(CountOfDxf(ExtensionDxfText(r)), (LineArcCount{3 * one.lines + 3, 3 * one.arcs}));
  for (const auto& p : canvas.primitives)
    for (const PixelPoint& q : p.points) {
      EXPECT_GE(q.x, 0);
      EXPECT_LE(q.x, 777);
      EXPECT_GE(q.y, 0);
      EXPECT_LE(q.y, 201);
    }
}

TEST(MakeExtensionDataSheet, ItemsAndIllustration) {
  MaterialTable materials;
  materials[0] = ExtensionExampleMaterial();
  const DataSheet sheet = MakeExtensionDataSheet(Example(), materials, false);
  const struct {
    int row;
    const char* name;
    const char* value;
  } rows[] = {
      {1, " 材質", "SWP-B"},
      {8, " 初張力", "3.923"},             // Pi 0.4 · 9.807
      {9, " ばね定数", "1.917"},           // k 0.19543 · 9.8066
      {13, " 指定長さ２の荷重", "23.09"},  // P2 2.3543 · 9.807
      {14, " フック形状", "丸フック"},
      {15, " 最大許容引張長さ", "42.03"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(sheet.cells[row.row][1], row.name);
    EXPECT_EQ(sheet.cells[row.row][3], row.value);
  }
  EXPECT_EQ(sheet.labels[0], "自由長= 25mm");
  EXPECT_EQ(sheet.illustration, &DrawExtensionIllustration);
  RecordingCanvas canvas(360, 200);
  sheet.illustration(canvas);
  EXPECT_FALSE(canvas.Arcs().empty());  // the two hooks
}

}  // namespace
}  // namespace coilspring
