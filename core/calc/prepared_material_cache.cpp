#include "core/calc/prepared_material_cache.h"

#include <cstring>

namespace coilspring {

namespace {

// Bytes, not values: a NaN matches itself, and 0 and -0 differ as the tables they make do.
bool SameRows(const MaterialColumn& a, const MaterialColumn& b, int rows) {
  return std::memcmp(a.data(), b.data(), sizeof(double) * static_cast<std::size_t>(rows)) == 0;
}

}  // namespace

PreparedMaterialCache::Source PreparedMaterialCache::SourceOf(const MaterialRecord& m) {
  return {m.RowCount, m.TorsionRatio, m.WireDiameters, m.TensileStrengths, m.AllowableTorsion};
}

// Only what BuildAllowableStressTable reads is compared, as every calculation pays for it.
bool PreparedMaterialCache::Matches(const Source& s, const MaterialRecord& m) {
  const int rows = m.UsableRows();
  if (s.rowCount != m.RowCount || !SameRows(s.torsion, m.AllowableTorsion, 1) ||
      !SameRows(s.diameters, m.WireDiameters, rows))
    return false;
  if (HasOwnStressTable(m)) return SameRows(s.torsion, m.AllowableTorsion, rows);
  return s.torsionRatio == m.TorsionRatio && SameRows(s.tensile, m.TensileStrengths, rows);
}

const PreparedMaterial& PreparedMaterialCache::Refresh(Entry& e, const MaterialRecord& m,
                                                       const CoefficientSettings& settings) {
  if (e.checkedIn != generation_) {
    if (!e.prepared || !Matches(e.source, m)) {
      e.source = SourceOf(m);
      e.material = PrepareMaterial(m);
      e.prepared = true;
    }
    e.checkedIn = generation_;
  }
  // The shear modulus and the row diameters are read from the record at each use, and a copied
  // state brings entries that point into the materials it was copied from.
  e.material.material = &m;
  // The coefficients are edited without a word to the cache; one comparison keeps up with them.
  if (!PreparedForRatio(e.material, settings)) PrepareCompressionAllowable(e.material, settings);
  return e.material;
}

}  // namespace coilspring
