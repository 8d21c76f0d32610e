// The data sheet (要目表) of a torsion spring: the items by which a cold-coiled torsion spring
// is ordered (material, coil, legs, angles and moments at the working points), in
// N, N·mm and N/mm^2 as the compression spring's sheet shows its loads and stresses.
#pragma once

#include <string>
#include <vector>

#include "core/records/material_table.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

struct TorsionSheetRow {
  std::string item;  // UTF-8
  std::string unit;
  std::string value;  // the short number format, the material symbol, or "―"
};

std::vector<TorsionSheetRow> TorsionSheetRows(const TorsionDesign& design,
                                              const MaterialTable& materials);

}  // namespace coilspring
