// The prepared allowable-stress tables of the calculate cycle, one per material, each made the
// first time its material is calculated and made again whenever the material's table has
// changed since. The cache looks at what a table is made of instead of waiting to be told: the
// material editor, the file reads and the CLI all write the records in place, and one writer
// that forgot to tell would calculate on an old table without a sign.
#pragma once

#include <array>
#include <cstdint>

#include "core/calc/spring_calc.h"
#include "core/records/material_table.h"

namespace coilspring {

class PreparedMaterialCache {
 public:
  // The prepared table of MaterialOf(materials, materialNo), prepared again when that material's
  // table is not the one it was prepared from. It refers to `materials`, and stays valid until
  // the next call for the same material.
  const PreparedMaterial& Of(const MaterialTable& materials, std::int32_t materialNo);

 private:
  // What BuildAllowableStressTable reads of a material; materials that agree on these bytes
  // have the same prepared table.
  struct Source {
    std::int32_t rowCount = 0;
    std::int32_t torsionRatio = 0;
    MaterialColumn diameters{};
    MaterialColumn tensile{};
    MaterialColumn torsion{};
  };
  struct Entry {
    bool prepared = false;
    Source source;
    PreparedMaterial material;
  };
  static Source SourceOf(const MaterialRecord& material);
  static bool Matches(const Source& source, const MaterialRecord& material);

  // By material number; the last one for a number that names no material.
  std::array<Entry, kMaterialCount + 1> entries_{};
};

}  // namespace coilspring
