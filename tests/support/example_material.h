// What the worked examples share: the coefficients the program ships with and a material of
// three table rows, the example's wire in the middle one.
#pragma once

#include <array>

#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"

namespace coilspring {

// The seven coefficients of data/settings.tsv: 80 %, 80 %, hook factor 1.25, 15, 25, 25, 20 %.
inline CoefficientSettings ShippedSettings() {
  return {.CompressionStressRatio = 80,
          .ExtensionStressRatio = 80,
          .HookStressFactor = 1.25,
          .StainlessTensionReduction = 15,
          .PianoWireTensionReduction = 25,
          .HardDrawnTensionReduction = 25,
          .AnnealedStainlessTensionReduction = 20};
}

// Three rows of wire diameters and the stress column the example's calculation reads.
inline void SetThreeRows(MaterialRecord& m, const std::array<double, 3>& diameters,
                         MaterialColumn MaterialRecord::*column,
                         const std::array<double, 3>& stresses) {
  m.RowCount = 3;
  m.WireDiameters = {diameters[0], diameters[1], diameters[2]};
  m.*column = {stresses[0], stresses[1], stresses[2]};
}

}  // namespace coilspring
