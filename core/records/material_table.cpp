#include "core/records/material_table.h"

#include <algorithm>

#include "core/text/number_format.h"

namespace coilspring {

int MaterialRecord::UsableRows() const { return std::clamp(RowCount, 0, kMaterialRows); }

KindIndex BuildKindIndex(const MaterialTable& table) {
  KindIndex index;
  for (int r = 0; r < kMaterialCount; ++r) {
    const std::int32_t k = table[r].KindNo;
    if (k < 0 || k >= kKindCount) continue;
    KindMembers& kind = index.kinds[k];
    if (kind.Count >= kMembersPerKind) continue;
    kind.Members[kind.Count++] = r;
  }
  return index;
}

bool HasUsableMaterial(const MaterialTable& table) {
  const KindIndex index = BuildKindIndex(table);
  for (const KindMembers& kind : index.kinds)
    for (int i = 0; i < kind.Count; ++i)
      if (table[kind.Members[i]].UsableRows() > 0) return true;
  return false;
}

std::vector<int> KindIndex::ListedKinds() const {
  std::vector<int> listed;
  for (int k = 0; k < kKindCount; ++k)
    if (kinds[k].Count > 0) listed.push_back(k);
  return listed;
}

std::optional<int> KindIndex::MaterialAt(int kindPosition, int symbolPosition) const {
  const std::vector<int> listed = ListedKinds();
  if (kindPosition < 0 || kindPosition >= static_cast<int>(listed.size())) return std::nullopt;
  const KindMembers& kind = kinds[listed[kindPosition]];
  if (symbolPosition < 0 || symbolPosition >= kind.Count) return std::nullopt;
  return kind.Members[symbolPosition];
}

std::optional<KindIndex::Place> KindIndex::PlaceOf(int materialNo) const {
  std::optional<Place> found;
  const std::vector<int> listed = ListedKinds();
  for (int pos = 0; pos < static_cast<int>(listed.size()); ++pos) {
    const KindMembers& kind = kinds[listed[pos]];
    for (int j = 0; j < kind.Count; ++j) {
      if (kind.Members[j] == materialNo) {
        found = Place{pos, j};
        break;
      }
    }
  }
  return found;
}

std::vector<std::string> KindListEntries(const KindIndex& index, const MaterialTable& table) {
  std::vector<std::string> names;
  for (int k : index.ListedKinds())
    names.emplace_back(table[index.kinds[k].Members[0]].KindName.Raw());
  return names;
}

std::vector<std::string> SymbolListEntries(const KindIndex& index, const MaterialTable& table,
                                           int kindPosition) {
  std::vector<std::string> symbols;
  for (int j = 0;; ++j) {
    const std::optional<int> m = index.MaterialAt(kindPosition, j);
    if (!m) break;
    symbols.emplace_back(table[*m].Symbol.Raw());
  }
  return symbols;
}

std::vector<std::string> WireListEntries(const MaterialRecord& material) {
  std::vector<std::string> entries;
  for (int r = 0; r < material.UsableRows(); ++r)
    entries.push_back(FormatFull(material.WireDiameters[r]));
  return entries;
}

std::optional<int> FirstRowNotBelow(const MaterialRecord& material, double previous) {
  for (int r = 0; r < material.UsableRows(); ++r)
    if (!(material.WireDiameters[r] < previous)) return r;
  return std::nullopt;
}

std::optional<double> WireDiameterAt(const MaterialTable& table, int materialNo, int row) {
  if (materialNo < 0 || materialNo >= kMaterialCount) return std::nullopt;
  const MaterialRecord& m = table[materialNo];
  if (row < 0 || row >= m.UsableRows()) return std::nullopt;
  return m.WireDiameters[row];
}

}  // namespace coilspring
