// The material editor's work on one record, free of any window: what its controls show of a
// record, how their texts go back into it, and the row, erase and kind-count operations.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/records/material_table.h"

namespace coilspring {

// The four table columns in the order of the editor's grid columns 1 to 4.
inline constexpr int kTableColumnCount = 4;
inline constexpr std::array<MaterialColumn MaterialRecord::*, kTableColumnCount> kTableColumns{
    &MaterialRecord::WireDiameters, &MaterialRecord::TensileStrengths,
    &MaterialRecord::AllowableTorsion, &MaterialRecord::AllowableBending};

// A wire-diameter cell reading exactly this ends the record's table; "0.0" or " 0" do not.
inline constexpr std::string_view kEndMarkerText = "0";

// The lowest and highest value of the kind-number spin box; the highest marks an empty record.
inline constexpr int kKindSpinMin = 0;
inline constexpr int kKindSpinMax = kEmptyKindNo;

using TableRowTexts = std::array<std::string, kTableColumnCount>;

// The texts of the editor's controls for one record (UTF-8).
struct MaterialTexts {
  std::string kindName;                           // Edit1
  std::string symbol;                             // Edit2
  std::string shearModulus;                       // Edit3
  std::string youngModulus;                       // Edit5
  std::string rowCount;                           // Edit4, shown only
  int kindNo = 0;                                 // SE1
  std::string torsionRatio;                       // Edit10
  std::string bendingRatio;                       // Edit11
  std::array<TableRowTexts, kMaterialRows> rows;  // grid rows 2..51, columns 1..4
  bool operator==(const MaterialTexts&) const = default;
};

// What the editor shows of a record. The kind number is the spin box's value: a number outside
// 0..10 is shown at the nearer bound, so the next store writes that bound.
MaterialTexts TextsOfRecord(const MaterialRecord& record);

int ClampKindNo(std::int32_t kindNo);

// Takes the texts back into `record` in the editor's order: names, the two moduli, the kind
// number, the two ratios, then the table rows up to and including the first whose diameter
// reads exactly "0"; that row's index becomes RowCount (50 when no row reads "0") and every
// entry from RowCount on is cleared. Throws UserError at the first text that does not convert;
// everything taken before it stays in the record.
void StoreTexts(const MaterialTexts& texts, MaterialRecord& record);

// A name goes into the record as Shift-JIS cut to its first 50 bytes (a two-byte character cut
// there keeps its first byte). A text equal to what the record shows leaves the record's bytes
// as they are, so names the code page cannot show exactly survive an unedited store.
void StoreName(std::string_view utf8, ShortString<50>& name);

// Row insert and delete on all four columns at `entry` (0..49, clamped). Insert drops the last
// entry and leaves a zero entry at `entry`; delete leaves a zero entry at the end. RowCount is
// not touched: the next store derives it.
void InsertTableRow(MaterialRecord& record, int entry);
void DeleteTableRow(MaterialRecord& record, int entry);

// Empties the record: no names, zero numbers and table, kind number 10.
void EraseRecord(MaterialRecord& record);

// Every record whose first wire diameter is 0 is empty and gets kind number 10.
void ApplyEmptyRecordRule(MaterialTable& table);

// The kind count shown beside the spin box: 1 for the record being edited plus the records of
// the table that already hold `kindNo`.
int KindCountWithShown(const MaterialTable& table, int kindNo);

// The warning line for a kind count above eight, or nothing; never for the empty mark 10.
std::optional<std::string> KindCountWarning(int kindNo, int count);

}  // namespace coilspring
