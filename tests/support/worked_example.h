// The worked example of the spring formulas: G 78500, d 2 (row 1 of material 0), D 18, Nt 10,
// Na 8, L0 40, L1 35, L2 30 in length mode, table stress 1500 N/mm^2 at d = 2, q = 80.
#pragma once

#include "core/records/coefficient_settings.h"
#include "core/records/design_record.h"
#include "core/records/material_table.h"

namespace coilspring {

inline void SetUpWorkedExample(MaterialTable& materials, CoefficientSettings& settings,
                               DesignRecord& r) {
  MaterialRecord& m = materials[0];
  m.ShearModulus = 78500;
  m.RowCount = 3;
  m.WireDiameters = {1.6, 2, 2.6};
  m.AllowableTorsion = {1550, 1500, 1450};
  settings.CompressionStressRatio = 80;
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
