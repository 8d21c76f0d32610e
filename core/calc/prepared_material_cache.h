// The prepared allowable-stress tables of the calculate cycle, one per material, each made the
// first time its material is calculated and made again whenever the material's table has
// changed since. After the materials may have changed (CalculatorState::EditMaterials says so,
// and it is the only way to change them) the cache looks at what each table is made of: a
// change that leaves a table's bytes as they were prepares nothing again.
#pragma once

#include <array>
#include <cstdint>

#include "core/calc/allowable_stress.h"
#include "core/calc/coil_formulas.h"
#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"

namespace coilspring {

class PreparedMaterialCache {
 public:
  // The prepared table of MaterialOf(materials, materialNo), prepared again when that material's
  // table is not the one it was prepared from, with the allowable stresses of `settings`. It
  // refers to `materials`, and stays valid until the next call for the same material.
  const PreparedMaterial& Of(const MaterialTable& materials, std::int32_t materialNo,
                             const CoefficientSettings& settings) {
    const MaterialRecord& m = MaterialOf(materials, materialNo);
    Entry& e = entries_[materialNo >= 0 && materialNo < kMaterialCount
                            ? static_cast<std::size_t>(materialNo)
                            : kMaterialCount];
    // Inline, as every calculation asks: a table checked in this generation, for this very
    // record and these coefficients, is taken as it is.
    if (e.checkedIn == generation_ && e.material.material == &m &&
        PreparedForRatio(e.material, settings)) [[likely]]
      return e.material;
    return Refresh(e, m, settings);
  }
  // Until then, a table checked against its material since the last such call is taken as it is.
  void MaterialsMayHaveChanged() { ++generation_; }

 private:
  // What PrepareMaterial reads of a material (the two stress tables and the names the wire class
  // comes from); materials that agree on these bytes have the same prepared material.
  struct Source {
    std::int32_t rowCount = 0;
    std::int32_t torsionRatio = 0;
    std::int32_t bendingRatio = 0;
    MaterialColumn diameters{};
    MaterialColumn tensile{};
    MaterialColumn torsion{};
    MaterialColumn bending{};
    ShortString<50> kindName;
    ShortString<50> symbol;
  };
  struct Entry {
    bool prepared = false;
    std::uint64_t checkedIn =
        0;  // the generation it was last compared with its material in (0: never)
    Source source;
    PreparedMaterial material;
  };
  const PreparedMaterial& Refresh(Entry& entry, const MaterialRecord& material,
                                  const CoefficientSettings& settings);
  static Source SourceOf(const MaterialRecord& material);
  static bool Matches(const Source& source, const MaterialRecord& material);

  // By material number; the last one for a number that names no material.
  std::array<Entry, kMaterialCount + 1> entries_{};
  std::uint64_t generation_ = 1;
};

}  // namespace coilspring
