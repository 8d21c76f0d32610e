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
  return {m.RowCount,         m.TorsionRatio,     m.BendingRatio,
          m.WireDiameters,    m.TensileStrengths, m.AllowableTorsion,
          m.AllowableBending, m.KindName,         m.Symbol};
}

namespace {

// Whether a table built by BuildStressTable from `own` (or from `ratio` percent of the tensile
// strengths) is the one the source's columns made.
bool SameStressTable(const MaterialColumn& sourceOwn, std::int32_t sourceRatio,
                     const MaterialColumn& sourceTensile, const MaterialColumn& own,
                     std::int32_t ratio, const MaterialRecord& m, int rows) {
  if (!SameRows(sourceOwn, own, 1)) return false;
  if (own[0] != 0) return SameRows(sourceOwn, own, rows);
  return sourceRatio == ratio && SameRows(sourceTensile, m.TensileStrengths, rows);
}

}  // namespace

// Only what PrepareMaterial reads is compared, once per generation.
bool PreparedMaterialCache::Matches(const Source& s, const MaterialRecord& m) {
  const int rows = m.UsableRows();
  return s.rowCount == m.RowCount && SameRows(s.diameters, m.WireDiameters, rows) &&
         s.kindName == m.KindName && s.symbol == m.Symbol &&
         SameStressTable(s.torsion, s.torsionRatio, s.tensile, m.AllowableTorsion, m.TorsionRatio,
                         m, rows) &&
         SameStressTable(s.bending, s.bendingRatio, s.tensile, m.AllowableBending, m.BendingRatio,
                         m, rows);
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
  // The moduli and the row diameters are read from the record at each use, and a copied
  // state brings entries that point into the materials it was copied from.
  e.material.material = &m;
  // The coefficients are edited without a word to the cache; one comparison keeps up with them.
  if (!PreparedForRatio(e.material, settings)) PrepareCompressionAllowable(e.material, settings);
  return e.material;
}

}  // namespace coilspring
