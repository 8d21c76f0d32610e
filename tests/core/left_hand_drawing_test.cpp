// A left-hand spring is the right-hand one's mirror image across its axis in every kind's views
// (and so DXF). Compression and extension: d 2, D 18 (axis −9); conical: D 8 to 14 (axis 0);
// torsion: the example (axis 0).
#include <gtest/gtest.h>

#include "core/compression/shape_builder.h"
#include "core/conical/conical_shape.h"
#include "core/extension/extension_shape.h"
#include "core/torsion/torsion_views.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

std::vector<ShapePrimitive> Compression(bool left) {
  ShapeBuilder b;
  b.Build({3, 2, 18, 8, 40, left});
  return {b.Primitives().begin(), b.Primitives().end()};
}

std::vector<ShapePrimitive> Extension(bool left) {
  return BuildExtensionShape(
             {.WireDiameter = 2, .MeanDiameter = 18, .FreeLength = 60, .LeftHand = left}, 70)
      .primitives;
}

std::vector<ShapePrimitive> Conical(bool left) {
  ConicalDesign r;  // the default design (d 1, D 8 to 14, L0 20) as calculated
  std::tie(r.LeftHand, r.SmallMean, r.LargeMean, r.ActiveTurns, r.Pitch, r.SolidHeight) =
      std::tuple(left, 8, 14, 5, 3.4, 8);
  return BuildConicalShape(r, 16).primitives;
}

std::vector<ShapePrimitive> Torsion(bool left) {
  MaterialTable materials;
  TorsionDesign t;
  SetUpTorsionExample(materials, t);
  t.LeftHand = left;
  return AllPrimitives(BuildTorsionViews(t));
}

TEST(LeftHandDrawing, EveryKindIsMirroredAcrossItsAxis) {
  for (const auto& [draw, axis] :
       {std::pair{&Compression, -9}, {&Extension, -9}, {&Conical, 0}, {&Torsion, 0}}) {
    const std::vector<ShapePrimitive> right = draw(false), left = draw(true);
    ASSERT_EQ(left.size(), right.size());
    ASSERT_FALSE(right.empty());
    for (std::size_t i = 0; i < right.size(); ++i)
      if (const auto* line = std::get_if<ShapeLine>(&right[i]))
        for (const auto end : {&ShapeLine::from, &ShapeLine::to}) {
          const ModelPoint mirrored = std::get<ShapeLine>(left[i]).*end;
          EXPECT_DOUBLE_EQ(mirrored.x, (line->*end).x);
          EXPECT_NEAR(mirrored.y, 2 * axis - (line->*end).y, 1e-9) << axis << " " << i;
        }
  }
}

}  // namespace
}  // namespace coilspring
