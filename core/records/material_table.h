// The material database: 30 records of wire data, and the grouping of materials by kind.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/byte_image.h"

namespace coilspring {

constexpr int kMaterialCount = 30;
constexpr int kMaterialRows = 50;
constexpr int kKindCount = 10;         // kind numbers 0..9
constexpr int kMembersPerKind = 8;
constexpr std::int32_t kEmptyKindNo = 10;

using MaterialColumn = std::array<double, kMaterialRows>;

struct MaterialRecord {
  ShortString<50> KindName;            // Shift-JIS
  ShortString<50> Symbol;              // Shift-JIS
  std::array<std::uint8_t, 2> Padding{};
  double ShearModulus = 0;             // G, N/mm^2
  std::int32_t RowCount = 0;           // used rows 0..50
  std::int32_t KindNo = 0;             // 0..9; 10 = empty record
  double YoungModulus = 0;             // E, N/mm^2
  std::int32_t TorsionRatio = 0;       // percent
  std::int32_t BendingRatio = 0;       // percent
  MaterialColumn WireDiameters{};      // mm, ascending
  MaterialColumn TensileStrengths{};   // N/mm^2
  MaterialColumn AllowableTorsion{};   // N/mm^2, all zero when the material has none
  MaterialColumn AllowableBending{};   // N/mm^2

  static constexpr std::size_t kSize = 1736;

  template <class Self, class Visitor>
  static void VisitFields(Self& r, Visitor&& v) {
    v({0, "KindName"}, r.KindName);
    v({51, "Symbol"}, r.Symbol);
    v({102, "Padding"}, r.Padding);
    v({104, "ShearModulus"}, r.ShearModulus);
    v({112, "RowCount"}, r.RowCount);
    v({116, "KindNo"}, r.KindNo);
    v({120, "YoungModulus"}, r.YoungModulus);
    v({128, "TorsionRatio"}, r.TorsionRatio);
    v({132, "BendingRatio"}, r.BendingRatio);
    v({136, "WireDiameters"}, r.WireDiameters);
    v({536, "TensileStrengths"}, r.TensileStrengths);
    v({936, "AllowableTorsion"}, r.AllowableTorsion);
    v({1336, "AllowableBending"}, r.AllowableBending);
  }
  bool operator==(const MaterialRecord&) const = default;

  // RowCount limited to the table's capacity, so a damaged count never reads past a column.
  int UsableRows() const;
};

using MaterialTable = RecordArray<MaterialRecord, kMaterialCount>;
static_assert(MaterialTable::kSize == 52080);

struct KindMembers {
  std::int32_t Count = 0;
  std::array<std::int32_t, kMembersPerKind> Members{-1, -1, -1, -1, -1, -1, -1, -1};
};

// Materials grouped by kind number. Built once at start-up. A kind that already holds eight
// materials takes no more: the lists of the main window have no place for a ninth.
struct KindIndex {
  std::array<KindMembers, kKindCount> kinds{};

  // The kind numbers that have materials, in ascending order: position i of the kind list
  // stands for kinds()[i]. Without gaps in the kind numbers this is the kind number itself.
  std::vector<int> ListedKinds() const;
  // The material at a position of the kind list and a position of the symbol list.
  std::optional<int> MaterialAt(int kindPosition, int symbolPosition) const;
  // Kind-list position and symbol position of a material; the last kind holding it wins.
  struct Place {
    int kindPosition;
    int symbolPosition;
  };
  std::optional<Place> PlaceOf(int materialNo) const;
};

KindIndex BuildKindIndex(const MaterialTable& table);

// Whether any material can be chosen in the lists and has a wire diameter to offer: a database
// that is empty, all zero or all 0xFF has none, and nothing could be calculated with it.
bool HasUsableMaterial(const MaterialTable& table);

// Texts of the lists, still as raw Shift-JIS bytes.
std::vector<std::string> KindListEntries(const KindIndex& index, const MaterialTable& table);
std::vector<std::string> SymbolListEntries(const KindIndex& index, const MaterialTable& table,
                                           int kindPosition);
// The wire-diameter list of a material, in the full number format.
std::vector<std::string> WireListEntries(const MaterialRecord& material);
// The first row whose diameter is not smaller than `previous`, if any.
std::optional<int> FirstRowNotBelow(const MaterialRecord& material, double previous);

// The diameter at a row of a material, or nothing where the row or material does not exist.
std::optional<double> WireDiameterAt(const MaterialTable& table, int materialNo, int row);

}  // namespace coilspring
