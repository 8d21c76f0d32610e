#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <string>

#include "core/calc/prepared_material_cache.h"
#include "core/compression/spring_calc.h"
#include "core/records/file_io.h"
#include "support/extension_example.h"

namespace coilspring {
namespace {

bool SameBits(const DesignRecord& a, const DesignRecord& b) {
  return Encode(a) == Encode(b);  // NaN results too
}

// Every row of the shipped materials, plus rows the prepared table cannot answer from its cache
// (a diameter between rows, a stale row number, an explicit table with gaps at both ends): the
// prepared path gives the rebuilding path's record, bit for bit, and the same check lines,
// whether its allowable stresses were worked out for these coefficients, for others or not yet.
TEST(PreparedMaterial, GivesTheRebuildingPathsResultsBitForBit) {
  MaterialTable materials;
  ReadRecordFile(std::string(COILSPRING_BIN_DIR) + "/" + kMaterialFileName, materials);
  MaterialRecord& gaps = materials[29];
  gaps.ShearModulus = 78500;
  gaps.RowCount = 5;
  gaps.WireDiameters = {1, 2, 3, 4, 5};
  gaps.AllowableTorsion = {0, 900, 0, 860, 0};
  gaps.TensileStrengths = {2000, 1900, 1800, 1700, 1600};
  CoefficientSettings settings;
  settings.CompressionStressRatio = 80;
  int compared = 0;
  for (int n = 0; n < kMaterialCount; ++n) {
    const PreparedMaterial plain = PrepareMaterial(materials[n]);
    PreparedMaterial forSettings = plain;
    PrepareCompressionAllowable(forSettings, settings);
    PreparedMaterial forOthers = plain;
    PrepareCompressionAllowable(forOthers, CoefficientSettings{.CompressionStressRatio = 70});
    const std::array<const PreparedMaterial*, 3> preparations = {&plain, &forSettings, &forOthers};
    for (int row = -1; row <= materials[n].UsableRows(); ++row) {
      for (double offset : {0.0, 0.05}) {
        DesignRecord r;
        r.MaterialNo = n;
        r.WireRow = row;
        r.WireDiameter =
            (row >= 0 && row < kMaterialRows ? materials[n].WireDiameters[row] : 1.3) + offset;
        r.MeanDiameter = 9 * r.WireDiameter;
        r.TotalTurns = 10;
        r.ActiveTurns = 8;
        r.FreeLength = 40;
        r.Length1 = 35;
        r.Length2 = 30;
        r.InputMode = row % 2 == 0 ? InputMode::Lengths : InputMode::Loads;
        r.Load1 = 1;
        r.Load2 = 2;
        DesignRecord rebuilt = r;
        AllowableStressTable table;
        CalculateSpring(rebuilt, materials, settings, table);
        for (const PreparedMaterial* prepared : preparations) {
          DesignRecord calculated = r;
          CalculateSpring(calculated, *prepared, settings);
          EXPECT_TRUE(SameBits(calculated, rebuilt)) << n << " row " << row << " +" << offset;
          EXPECT_EQ(ValidateDesign(calculated, *prepared).lines.Texts(),
                    ValidateDesign(rebuilt, table).lines.Texts())
              << n << " row " << row;
          ++compared;
        }
      }
    }
  }
  EXPECT_GT(compared, 1200);
}

// A diameter of -0 is not the row of 0: with a strength of -0 there, the interpolation makes
// zeros of different signs from the two, and the prepared path keeps the sign the rebuilding
// path gives.
TEST(PreparedMaterial, NegativeZeroDiameterKeepsTheRebuildingPathsSign) {
  MaterialTable materials;
  MaterialRecord& m = materials[0];
  m.RowCount = 2;
  m.WireDiameters = {0, 1};
  m.TensileStrengths = {-0.0, 1000};
  m.TorsionRatio = 50;
  CoefficientSettings settings;
  settings.CompressionStressRatio = 80;
  DesignRecord r;
  r.WireRow = 0;
  r.WireDiameter = -0.0;
  DesignRecord rebuilt = r;
  AllowableStressTable table;
  CalculateSpring(rebuilt, materials, settings, table);
  CalculateSpring(r, PrepareMaterial(m), settings);
  EXPECT_TRUE(std::signbit(rebuilt.AllowableStress));
  EXPECT_TRUE(SameBits(r, rebuilt));
}

// What only the other kinds read is followed too: the names the wire class comes from and the
// bending column.
TEST(PreparedMaterialCache, PreparesAgainForNamesAndBendingColumn) {
  MaterialTable materials;
  materials[0] = ExtensionExampleMaterial();
  materials[0].AllowableBending = {900, 800, 700};
  PreparedMaterialCache cache;
  EXPECT_EQ(cache.Of(materials, 0, {}).wireClass, WireClass::PianoWire);
  materials[0].KindName.AssignRaw(Utf8ToSjis("硬鋼線"));
  materials[0].AllowableBending[1] = 750;
  cache.MaterialsMayHaveChanged();
  const PreparedMaterial& p = cache.Of(materials, 0, {});
  EXPECT_EQ(p.wireClass, WireClass::HardDrawn);
  EXPECT_EQ(p.rowBending[1], 750);
}

}  // namespace
}  // namespace coilspring
