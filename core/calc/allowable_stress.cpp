#include "core/calc/allowable_stress.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace coilspring {

namespace {

// The material's own column when its first entry is not 0 (zero entries left out), otherwise
// `ratioPercent` of the tensile strengths.
void BuildStressTable(const MaterialRecord& m, const MaterialColumn& own, std::int32_t ratioPercent,
                      AllowableStressTable& table) {
  table.count = 0;
  const int n = m.UsableRows();
  const bool explicitTable = own[0] != 0;
  for (int j = 0; j < n; ++j) {
    if (explicitTable) {
      if (own[j] == 0) continue;
      table.diameters[table.count] = m.WireDiameters[j];
      table.stresses[table.count] = own[j];
    } else {
      table.diameters[table.count] = m.WireDiameters[j];
      table.stresses[table.count] = ratioPercent * m.TensileStrengths[j] / 100;
    }
    ++table.count;
  }
}

}  // namespace

void BuildAllowableStressTable(const MaterialRecord& m, AllowableStressTable& table) {
  BuildStressTable(m, m.AllowableTorsion, m.TorsionRatio, table);
}

void BuildAllowableBendingTable(const MaterialRecord& m, AllowableStressTable& table) {
  BuildStressTable(m, m.AllowableBending, m.BendingRatio, table);
}

double InterpolateTable(const MaterialColumn& diameters, const MaterialColumn& stresses, int count,
                        double x) {
  count = std::min(count, kMaterialRows);
  if (count <= 0) return 0;
  bool matched = false;
  double result = 0;
  for (int i = 0; i + 1 < count; ++i) {
    if (diameters[i] <= x && x <= diameters[i + 1]) {
      const double span = diameters[i + 1] - diameters[i];
      // Two equal diameters only match when x is that diameter: take the later entry.
      result = span == 0
                   ? stresses[i + 1]
                   : stresses[i] + (stresses[i + 1] - stresses[i]) / span * (x - diameters[i]);
      matched = true;
    }
  }
  if (matched) return result;
  return x < diameters[0] ? stresses[0] : stresses[count - 1];
}

bool TableCovers(const AllowableStressTable& t, double x) {
  for (int i = 0; i + 1 < t.count; ++i)
    if (t.diameters[i] <= x && x <= t.diameters[i + 1]) return true;
  return false;
}

const MaterialRecord kNoMaterial{};

PreparedMaterial PrepareMaterial(const MaterialRecord& m) {
  PreparedMaterial p;
  p.material = &m;
  BuildAllowableStressTable(m, p.table);
  BuildAllowableBendingTable(m, p.bendingTable);
  p.rows = m.UsableRows();
  for (int j = 0; j < p.rows; ++j) {
    const double d = m.WireDiameters[j];
    p.rowStress[j] = InterpolateTable(p.table.diameters, p.table.stresses, p.table.count, d);
    p.rowCovered[j] = TableCovers(p.table, d);
    p.rowBending[j] = InterpolateTable(p.bendingTable.diameters, p.bendingTable.stresses,
                                       p.bendingTable.count, d);
    p.rowBendingCovered[j] = TableCovers(p.bendingTable, d);
  }
  p.wireClass = WireClassOf(m);
  return p;
}

int PreparedRowOf(const PreparedMaterial& p, double d) {
  const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
  for (int row = 0; row < p.rows; ++row)
    if (bits(p.material->WireDiameters[row]) == bits(d)) return row;
  return -1;
}

TableValue TableValueAt(const AllowableStressTable& table, double d) {
  return {InterpolateTable(table.diameters, table.stresses, table.count, d), TableCovers(table, d)};
}

TableValue PreparedTorsionAt(const PreparedMaterial& p, double d) {
  const int row = PreparedRowOf(p, d);
  return row >= 0 ? TableValue{p.rowStress[row], p.rowCovered[row]} : TableValueAt(p.table, d);
}

TableValue PreparedBendingAt(const PreparedMaterial& p, double d) {
  const int row = PreparedRowOf(p, d);
  return row >= 0 ? TableValue{p.rowBending[row], p.rowBendingCovered[row]}
                  : TableValueAt(p.bendingTable, d);
}

}  // namespace coilspring
