// The allowable torsional stress of a material at a wire diameter, from its table or from its
// tensile strengths, and the material a design refers to: what every spring kind looks up.
#pragma once

#include <array>
#include <cstdint>

#include "core/calc/reference_values.h"
#include "core/records/material_table.h"

namespace coilspring {

// kgf to N as the results are defined: the rate with 9.8066, the allowable stress with 9.807.
inline constexpr double kKgfForRate = 9.8066;
inline constexpr double kKgfForAllowable = 9.807;

struct AllowableStressTable {
  MaterialColumn diameters{};  // mm
  MaterialColumn stresses{};   // N/mm^2
  std::int32_t count = 0;
};

// Whether the allowable-torsion column is the material's stress table (its first entry is not
// 0); otherwise the table is TorsionRatio percent of the tensile strengths.
inline bool HasOwnStressTable(const MaterialRecord& m) { return m.AllowableTorsion[0] != 0; }

// Reads RowCount, the diameters and, by HasOwnStressTable, the allowable-torsion column or
// TorsionRatio and the tensile strengths; no more: PreparedMaterialCache prepares a material
// again when one of these changes.
void BuildAllowableStressTable(const MaterialRecord& material, AllowableStressTable& table);

// The allowable bending stress by the same rule over the allowable-bending column, with
// BendingRatio in place of TorsionRatio: what a torsion spring's legs and coil are held to.
void BuildAllowableBendingTable(const MaterialRecord& material, AllowableStressTable& table);

// Linear interpolation over the first `count` pairs; a later matching segment wins. Where no
// segment holds x (x beyond either end, or fewer than two pairs) the nearest end value is used,
// and 0 for an empty table; TableCovers tells the design checks about it.
double InterpolateTable(const MaterialColumn& diameters, const MaterialColumn& stresses, int count,
                        double x);
bool TableCovers(const AllowableStressTable& table, double x);

// A material's allowable-stress table built once, with the stress and the coverage at each of
// the material's own wire diameters worked out in advance: a design search calculates millions
// of designs of the same few materials, and rebuilding and interpolating the table each time
// would be most of the cost. Results are those of the rebuilding path, bit for bit.
struct PreparedMaterial {
  const MaterialRecord* material = nullptr;
  AllowableStressTable table;
  int rows = 0;
  MaterialColumn rowStress{};  // InterpolateTable at WireDiameters[row], N/mm^2
  std::array<bool, kMaterialRows> rowCovered{};
  // The compression spring's allowable stress (kgf/mm^2) at each row, worked out with the stress
  // ratio `allowableRatio` (PrepareCompressionAllowable). Its two divisions stand first on the
  // longest chain of the calculation, so the window's key presses and the search do not repeat
  // them.
  bool allowablePrepared = false;
  double allowableRatio = 0;
  MaterialColumn rowAllowable{};
  // The allowable bending table (BuildAllowableBendingTable) the same way, for the torsion
  // spring.
  AllowableStressTable bendingTable;
  MaterialColumn rowBending{};
  std::array<bool, kMaterialRows> rowBendingCovered{};
  WireClass wireClass = WireClass::Other;  // WireClassOf, for the extension spring
};
// `material` must outlive the result and stay unchanged while it is used.
PreparedMaterial PrepareMaterial(const MaterialRecord& material);

// The row of the prepared material whose diameter is `d`, or -1. Bits, not values, are compared:
// 0 and -0 interpolate to zeros of different signs.
int PreparedRowOf(const PreparedMaterial& material, double d);

// A table's stress (N/mm^2) at a wire diameter and whether the table covers it: taken from the
// row of that diameter when it is one, worked out otherwise; bit for bit what InterpolateTable
// and TableCovers give on a table built afresh.
struct TableValue {
  double stress = 0;
  bool covered = false;
};
TableValue PreparedTorsionAt(const PreparedMaterial& material, double d);
TableValue PreparedBendingAt(const PreparedMaterial& material, double d);
// The same from a table built for the one call.
TableValue TableValueAt(const AllowableStressTable& table, double d);

// What MaterialOf gives for a number that names no material: all zeros.
extern const MaterialRecord kNoMaterial;

// The material a design refers to; an all-zero record when MaterialNo names none. Inline, as
// every calculation starts with it.
inline const MaterialRecord& MaterialOf(const MaterialTable& table, std::int32_t materialNo) {
  if (materialNo < 0 || materialNo >= kMaterialCount) return kNoMaterial;
  return table[materialNo];
}

}  // namespace coilspring
