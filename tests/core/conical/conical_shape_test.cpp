// The conical side view of the worked example (conical_calc_test.cpp): at the free length every
// active turn stands at the free pitch 3.4 mm and the end turns close-wound at d = 1; at the solid
// height 8 mm every turn is close-wound.
#include "core/conical/conical_shape.h"

#include <gtest/gtest.h>

#include "core/conical/conical_calc.h"
#include "core/conical/load_curve_diagram.h"
#include "support/extension_example.h"
#include "support/recording_canvas.h"

namespace coilspring {
namespace {

// The x of each band's top, from its left edge line (four primitives a band).
std::vector<double> BandTops(const ConicalShape& shape) {
  std::vector<double> tops;
  for (std::size_t i = 0; i < shape.primitives.size(); i += 4)
    tops.push_back(std::get<ShapeLine>(shape.primitives[i]).from.x + 0.5);
  return tops;
}

TEST(ConicalShape, TurnsStandAtTheirPitchAndCloseAtSolid) {
  ConicalDesign r;
  CalculateConical(r, ExtensionExampleMaterial(), ShippedSettings());
  // Seven bands: the end turn (θ 0 to 2π) close-wound, five active turns, the other end turn.
  const std::vector<double> free = BandTops(BuildConicalShape(r, 20));
  const std::vector<double> solid = BandTops(BuildConicalShape(r, 8));
  ASSERT_EQ(free.size(), 7u);
  ASSERT_EQ(solid.size(), 7u);
  const double freeSteps[] = {1, 3.4, 3.4, 3.4, 3.4, 3.4};
  for (std::size_t j = 0; j + 1 < free.size(); ++j) {
    EXPECT_NEAR(free[j + 1] - free[j], freeSteps[j], 1e-9) << j;
    EXPECT_NEAR(solid[j + 1] - solid[j], 1, 1e-9) << j;
  }
}

// The load–deflection diagram's names meet no other and no line, with the working points (L1, L2)
// on the straight part, astride first contact (L 13.75), near solid (8) and near the origin.
TEST(LoadCurveDiagram, LabelsKeepClearOfEachOtherAndTheLines) {
  const double cases[][2] = {{16, 12},  {14, 13.6},   {18, 17.5},
                             {16, 8.5}, {19.8, 19.5}, {13.8, 13.7}};
  for (const auto& [L1, L2] : cases) {
    ConicalDesign r;
    std::tie(r.Length1, r.Length2) = std::pair(L1, L2);
    CalculateConical(r, ExtensionExampleMaterial(), ShippedSettings());
    RecordingCanvas canvas(kLoadCurveWidth, kLoadCurveHeight);
    DrawLoadCurveDiagram(canvas, r, ExtensionExampleMaterial(), UnitSystem::Gravitational);
    EXPECT_EQ(canvas.CrowdedLabels(), std::vector<std::string>()) << L1 << " " << L2;
  }
}

}  // namespace
}  // namespace coilspring
