// A left-hand spring is drawn as the mirror image of the right-hand one across its axis, in
// every kind's views (and so in its drawing file, the same construction): every line end lies
// mirrored, and the wire's bands slant the other way.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/compression/shape_builder.h"
#include "core/extension/extension_shape.h"
#include "core/torsion/torsion_views.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

std::vector<ShapeLine> LinesOf(std::span<const ShapePrimitive> primitives) {
  std::vector<ShapeLine> lines;
  for (const ShapePrimitive& p : primitives)
    if (const auto* line = std::get_if<ShapeLine>(&p)) lines.push_back(*line);
  return lines;
}

TEST(LeftHandDrawing, EveryKindIsMirroredAcrossItsAxis) {
  MaterialTable materials;
  TorsionDesign torsion;
  SetUpTorsionExample(materials, torsion);
  const struct {
    const char* kind;
    double axis;  // d 2 and D 18 (compression, extension) or D 16 (torsion, axis at 0)
    std::function<std::vector<ShapePrimitive>(bool)> draw;
  } kinds[] = {
      {"compression", -9,
       [](bool left) {
         ShapeBuilder b;
         b.Build({3, 2, 18, 8, 40, left});
         return std::vector<ShapePrimitive>(b.Primitives().begin(), b.Primitives().end());
       }},
      {"extension", -9,
       [](bool left) {
         ExtensionDesign r{.WireDiameter = 2, .MeanDiameter = 18, .FreeLength = 60};
         r.LeftHand = left;
         return BuildExtensionShape(r, 70).primitives;
       }},
      {"torsion", 0,
       [&torsion](bool left) {
         TorsionDesign t = torsion;
         t.LeftHand = left;
         return AllPrimitives(BuildTorsionViews(t));
       }},
  };
  for (const auto& k : kinds) {
    SCOPED_TRACE(k.kind);
    const std::vector<ShapeLine> right = LinesOf(k.draw(false)), left = LinesOf(k.draw(true));
    ASSERT_EQ(left.size(), right.size());
    ASSERT_FALSE(right.empty());
    for (std::size_t i = 0; i < right.size(); ++i)
      for (const auto end : {&ShapeLine::from, &ShapeLine::to}) {
        EXPECT_DOUBLE_EQ((left[i].*end).x, (right[i].*end).x);
        EXPECT_NEAR((left[i].*end).y, 2 * k.axis - (right[i].*end).y, 1e-9);
      }
  }
}

}  // namespace
}  // namespace coilspring
