// The worked example of the spring formulas: G 78500, d 2 (row 1 of material 0), D 18, Nt 10,
// Na 8, L0 40, L1 35, L2 30 in length mode, table stress 1500 N/mm^2 at d = 2, the shipped
// coefficients (q = 80).
#pragma once

#include "core/compression/design_record.h"
#include "support/example_material.h"

namespace coilspring {

inline void SetUpWorkedExample(MaterialTable& materials, CoefficientSettings& settings,
                               DesignRecord& r) {
  materials[0].ShearModulus = 78500;
  SetThreeRows(materials[0], {1.6, 2, 2.6}, &MaterialRecord::AllowableTorsion, {1550, 1500, 1450});
  settings = ShippedSettings();
  r.MaterialNo = 0;
  r.WireRow = 1;
  r.WireDiameter = 2;
  r.MeanDiameter = 18;
  r.TotalTurns = 10;
  r.ActiveTurns = 8;
  r.FreeLength = 40;
  r.Length1 = 35;
  r.Length2 = 30;
  r.InputMode = InputMode::Lengths;
}

}  // namespace coilspring
