// The data sheet (要目表) of a torsion spring: the items by which a cold-coiled torsion spring
// is ordered (material, coil, legs, angles and moments at the working points), in
// N, N·mm and N/mm^2 as the compression spring's sheet shows its loads and stresses.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/drawing/canvas.h"
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

// A value written on the sheet's sketch (DrawTorsionIllustration): centred on its place on a
// dimension, or, for the diameter, ending just left of its arrow, where it clears the coil.
struct TorsionSketchLabel {
  PixelPoint place;
  bool leftOfPlace;
  std::string text;  // UTF-8
};

// The legs, the working points as entered (θ1 and θ2, or M1 and M2 in N·mm) and the coil's outer
// diameter, which the sketch's diameter dimension spans.
std::array<TorsionSketchLabel, 5> TorsionSketchLabels(const TorsionDesign& design);

}  // namespace coilspring
