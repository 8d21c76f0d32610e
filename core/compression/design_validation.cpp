#include "core/compression/design_validation.h"

#include <cmath>
#include <string_view>
#include <type_traits>

#include "core/records/file_io.h"
#include "core/text/excerpt.h"
#include "core/text/number_format.h"
#include "core/text/user_error.h"

namespace coilspring {

namespace {

std::string Named(const FieldInfo& f) { return std::string(f.label) + " " + f.name; }

// The numbers the calculation starts from; the others are its results.
bool IsInput(std::string_view name) {
  for (const char* input : {"WireDiameter", "InnerDiameter", "MeanDiameter", "OuterDiameter",
                            "TotalTurns", "FreeLength", "Load1", "Load2", "Length1", "Length2"})
    if (name == input) return true;
  return false;
}

std::optional<std::string> CodeProblem(const DesignRecord& r) {
  std::optional<std::string> bad;
  DesignRecord::VisitFields(r, [&](const FieldInfo& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (StoredCode<T>)
      if (!bad && !IsValid(value))
        bad = Named(f) + " = " + std::to_string(RawOf(value)) + " が 0〜" +
              std::to_string(LastRawOf<T>()) + " の外です";
  });
  return bad;
}

std::optional<std::string> NumberProblem(const DesignRecord& r) {
  std::optional<std::string> bad;
  DesignRecord::VisitFields(r, [&](const FieldInfo& f, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
      if (!bad && IsInput(f.name) && !std::isfinite(value))
        bad = Named(f) + " が有限の数ではありません";
    }
  });
  return bad;
}

std::optional<std::string> RecordNumberProblem(const DesignRecord& r,
                                               const MaterialTable* materials) {
  const std::string material = "材料番号 MaterialNo = " + std::to_string(r.MaterialNo);
  if (r.MaterialNo < 0 || r.MaterialNo >= kMaterialCount)
    return material + " が 0〜" + std::to_string(kMaterialCount - 1) + " の外です";
  const std::string row = "線径の行 WireRow = " + std::to_string(r.WireRow);
  if (r.WireRow < 0 || r.WireRow >= kMaterialRows)
    return row + " が 0〜" + std::to_string(kMaterialRows - 1) + " の外です";
  if (!materials) return std::nullopt;
  const MaterialRecord& m = (*materials)[static_cast<std::size_t>(r.MaterialNo)];
  if (m.KindNo == kEmptyKindNo) return material + " の材料が材料データベースにありません";
  // The row names the wire; a row beyond the table leaves the stored diameter, which must then
  // be one of the table's.
  if (r.WireRow < m.UsableRows()) return std::nullopt;
  for (int i = 0; i < m.UsableRows(); ++i)
    if (m.WireDiameters[static_cast<std::size_t>(i)] == r.WireDiameter) return std::nullopt;
  return "線径 WireDiameter = " + FormatFull(r.WireDiameter) + " が材料 " +
         std::to_string(r.MaterialNo) + " の線径の表になく、" + row + " も表（" +
         std::to_string(m.UsableRows()) + " 行）の外です";
}

}  // namespace

std::optional<std::string> ValidateStoredDesign(const DesignRecord& design,
                                                const MaterialTable* materials) {
  if (auto bad = RecordNumberProblem(design, materials)) return bad;
  if (auto bad = CodeProblem(design)) return bad;
  return NumberProblem(design);
}

std::string DesignRecordName(int slot) {
  return slot == 0 ? "現在の設計（記録 0）" : "履歴 " + std::to_string(slot) + " ";
}

std::optional<std::string> ValidateDesignSlot(const SpringDesign& design, int slot,
                                              const MaterialTable* materials) {
  const DesignRecord& r = design[static_cast<std::size_t>(slot)];
  if (slot > 0 && r.InUse != 1)
    return "履歴 " + std::to_string(slot) + " は空です（設計が入っていません）";
  if (const auto damage = ValidateStoredDesign(r, materials))
    return DesignRecordName(slot) + "の設計が壊れています: " + *damage;
  return std::nullopt;
}

std::optional<std::string> ValidateDesignState(const SpringDesign& design,
                                               const MaterialTable* materials) {
  for (int slot = 0; slot <= kHistorySlots; ++slot) {
    if (slot > 0 && design[static_cast<std::size_t>(slot)].InUse != 1) continue;
    if (auto bad = ValidateDesignSlot(design, slot, materials)) return bad;
  }
  return std::nullopt;
}

void RequireDesignRecord(const std::string& path, int slot, std::size_t length) {
  const std::size_t needed = DesignRecord::kSize * static_cast<std::size_t>(slot + 1);
  if (length >= needed) return;
  throw UserError("ファイル " + ShownPath(path) + " は短すぎます: " + DesignRecordName(slot) +
                  "を読むには " + std::to_string(needed) + " バイト必要ですが " +
                  std::to_string(length) + " バイトしかありません");
}

SpringDesign ReadDesignFile(const std::string& path, const SpringDesign& design,
                            const MaterialTable& materials) {
  const Bytes bytes = ReadWholeFile(path, SpringDesign::kSize);
  if (bytes.empty())
    throw UserError("ファイル " + ShownPath(path) + " は空です（設計がありません）");
  RequireDesignRecord(path, 0, bytes.size());
  SpringDesign read = design;
  OverlayBytes(read, bytes);
  if (const auto bad = ValidateDesignState(read, &materials))
    throw UserError("ファイル " + ShownPath(path) + ": " + *bad);
  return read;
}

}  // namespace coilspring
