// The worked example of the torsion spring: E 206000, bending ratio 70 %, d 2 at tensile
// strength 2010 N/mm^2 (row 1 of material 0), mean diameter 16, 6 body turns, legs of 25 mm,
// wound up to 30° and 60°.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "core/torsion/torsion_calc.h"
#include "core/torsion/torsion_design.h"
#include "support/example_material.h"

namespace coilspring {

inline void SetUpTorsionExample(MaterialTable& materials, TorsionDesign& t) {
  MaterialRecord& m = materials[0];
  m.KindNo = 0;
  m.YoungModulus = 206000;
  m.BendingRatio = 70;
  SetThreeRows(m, {1.8, 2, 2.3}, &MaterialRecord::TensileStrengths, {2060, 2010, 1960});
  t = TorsionDesign{};
  t.MaterialNo = 0;
  t.WireDiameter = 2;
  t.DiameterKind = DiameterKind::Mean;
  t.MeanDiameter = 16;
  t.TotalTurns = 6;
  t.Leg1 = 25;
  t.Leg2 = 25;
  t.InputMode = kAnglesEntered;
  t.Angle1 = 30;
  t.Angle2 = 60;
}

// The example's material and design; Calculate() works them out.
class TorsionExample : public ::testing::Test {
 protected:
  void SetUp() override { SetUpTorsionExample(*materials, t); }
  void Calculate() { CalculateTorsion(t, *materials); }
  std::unique_ptr<MaterialTable> materials = std::make_unique<MaterialTable>();
  TorsionDesign t;
};

class CalculatedTorsionExample : public TorsionExample {
 protected:
  void SetUp() override {
    TorsionExample::SetUp();
    Calculate();
  }
};

}  // namespace coilspring
