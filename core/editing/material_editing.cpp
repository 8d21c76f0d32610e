#include "core/editing/material_editing.h"

#include <algorithm>

#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/text/text_number.h"

namespace coilspring {
namespace {

int ClampEntry(int entry) { return std::clamp(entry, 0, kMaterialRows - 1); }

void ClearEntriesFrom(MaterialRecord& record, int first) {
  for (auto column : kTableColumns)
    std::fill((record.*column).begin() + first, (record.*column).end(), 0.0);
}

// Stores the table rows up to the end marker and returns the number of rows before it.
int StoreTableRows(const MaterialTexts& texts, MaterialRecord& record) {
  for (int i = 0; i < kMaterialRows; ++i) {
    for (int c = 0; c < kTableColumnCount; ++c)
      (record.*kTableColumns[c])[i] = ParseDecimal(texts.rows[i][c]);
    if (texts.rows[i][0] == kEndMarkerText) return i;
  }
  // Every row is in use: the table has no marker row left to end it.
  return kMaterialRows;
}

}  // namespace

int ClampKindNo(std::int32_t kindNo) { return std::clamp<int>(kindNo, kKindSpinMin, kKindSpinMax); }

MaterialTexts TextsOfRecord(const MaterialRecord& record) {
  MaterialTexts texts;
  texts.kindName = SjisToUtf8(record.KindName.Raw());
  texts.symbol = SjisToUtf8(record.Symbol.Raw());
  texts.shearModulus = FormatFull(record.ShearModulus);
  texts.youngModulus = FormatFull(record.YoungModulus);
  texts.rowCount = std::to_string(record.RowCount);
  texts.kindNo = ClampKindNo(record.KindNo);
  texts.torsionRatio = std::to_string(record.TorsionRatio);
  texts.bendingRatio = std::to_string(record.BendingRatio);
  for (int i = 0; i < kMaterialRows; ++i)
    for (int c = 0; c < kTableColumnCount; ++c)
      texts.rows[i][c] = FormatFull((record.*kTableColumns[c])[i]);
  return texts;
}

void StoreName(std::string_view utf8, ShortString<50>& name) {
  if (SjisToUtf8(name.Raw()) == utf8) return;
  name.AssignRaw(Utf8ToSjis(utf8));
}

void StoreTexts(const MaterialTexts& texts, MaterialRecord& record) {
  StoreName(texts.kindName, record.KindName);
  StoreName(texts.symbol, record.Symbol);
  record.ShearModulus = ParseDecimal(texts.shearModulus);
  record.YoungModulus = ParseDecimal(texts.youngModulus);
  record.KindNo = ClampKindNo(texts.kindNo);
  record.TorsionRatio = ParseInteger(texts.torsionRatio);
  record.BendingRatio = ParseInteger(texts.bendingRatio);
  record.RowCount = StoreTableRows(texts, record);
  ClearEntriesFrom(record, record.UsableRows());
}

void InsertTableRow(MaterialRecord& record, int entry) {
  const int i = ClampEntry(entry);
  for (auto column : kTableColumns) {
    MaterialColumn& values = record.*column;
    std::copy_backward(values.begin() + i, values.end() - 1, values.end());
    values[i] = 0.0;
  }
}

void DeleteTableRow(MaterialRecord& record, int entry) {
  const int i = ClampEntry(entry);
  for (auto column : kTableColumns) {
    MaterialColumn& values = record.*column;
    std::copy(values.begin() + i + 1, values.end(), values.begin() + i);
    values.back() = 0.0;
  }
}

void EraseRecord(MaterialRecord& record) {
  record.KindName = {};
  record.Symbol = {};
  record.ShearModulus = 0;
  record.YoungModulus = 0;
  record.RowCount = 0;
  record.TorsionRatio = 0;
  record.BendingRatio = 0;
  record.KindNo = kEmptyKindNo;
  ClearEntriesFrom(record, 0);
}

void ApplyEmptyRecordRule(MaterialTable& table) {
  for (MaterialRecord& record : table.records)
    if (record.WireDiameters[0] == 0) record.KindNo = kEmptyKindNo;
}

int KindCountWithShown(const MaterialTable& table, int kindNo) {
  return 1 + static_cast<int>(
                 std::count_if(table.records.begin(), table.records.end(),
                               [kindNo](const MaterialRecord& r) { return r.KindNo == kindNo; }));
}

std::optional<std::string> KindCountWarning(int kindNo, int count) {
  // Kind number 10 marks empty records, which no list shows: any number of them is fine.
  if (kindNo < 0 || kindNo >= kKindCount || count <= kMembersPerKind) return std::nullopt;
  return "種類番号＝ " + std::to_string(kindNo) + " は８以上登録できません！";
}

}  // namespace coilspring
