#include "core/records/data_files.h"

#include <cmath>
#include <type_traits>

#include "core/records/file_io.h"
#include "core/records/settings_text.h"
#include "core/text/excerpt.h"
#include "core/text/number_format.h"

namespace coilspring {

namespace {

[[noreturn]] void Unusable(const std::string& path, const char* as, const std::string& problem) {
  throw UnusableDataFile("ファイル " + ShownPath(path) + " は" + as +
                         "として使えません: " + problem);
}

// The file's bytes; a file larger than the record is another kind of file.
template <class Record>
Bytes ReadNoLargerThanRecord(const std::string& path, const char* as) {
  Bytes bytes = ReadWholeFile(path, Record::kSize + 1);
  if (bytes.size() > Record::kSize)
    Unusable(path, as,
             "大きすぎます（" + FormatFull(static_cast<double>(Record::kSize)) + " バイトまで）");
  return bytes;
}

std::string OutOfRange(const std::string& what, double value, double min, double max) {
  return what + " = " + FormatFull(value) + " が " + FormatFull(min) + "〜" + FormatFull(max) +
         " の外です";
}

bool Within(double value, double min, double max) { return value >= min && value <= max; }

std::optional<std::string> RowProblem(const MaterialRecord& m, int row) {
  const std::string at = "の " + std::to_string(row + 1) + " 行目";
  const double d = m.WireDiameters[row];
  if (!(std::isfinite(d) && d > 0))
    return "線径" + at + " = " + FormatFull(d) + " が正の数ではありません";
  if (row > 0 && !(d > m.WireDiameters[row - 1])) return "線径" + at + " が昇順ではありません";
  for (const auto* column : {&m.TensileStrengths, &m.AllowableTorsion, &m.AllowableBending}) {
    const double v = (*column)[row];
    if (!(std::isfinite(v) && v >= 0))
      return "強さ" + at + " = " + FormatFull(v) + " が 0 以上の有限な数ではありません";
  }
  return std::nullopt;
}

std::optional<std::string> RecordProblem(const MaterialRecord& m) {
  if (!Within(m.KindNo, 0, kEmptyKindNo))
    return OutOfRange("種類番号 KindNo", m.KindNo, 0, kEmptyKindNo);
  if (!Within(m.RowCount, 0, kMaterialRows))
    return OutOfRange("データーの数 RowCount", m.RowCount, 0, kMaterialRows);
  if (!Within(m.TorsionRatio, 0, 100))
    return OutOfRange("ねじり応力比 TorsionRatio", m.TorsionRatio, 0, 100);
  if (!Within(m.BendingRatio, 0, 100))
    return OutOfRange("曲げ応力比 BendingRatio", m.BendingRatio, 0, 100);
  if (m.KindName.length > m.KindName.kCapacity || m.Symbol.length > m.Symbol.kCapacity)
    return "名前の長さが " + std::to_string(m.Symbol.kCapacity) + " バイトを超えています";
  for (const double modulus : {m.ShearModulus, m.YoungModulus})
    if (!(std::isfinite(modulus) && modulus >= 0))
      return "弾性係数 " + FormatFull(modulus) + " が 0 以上の有限な数ではありません";
  for (int row = 0; row < m.RowCount; ++row)
    if (auto bad = RowProblem(m, row)) return bad;
  return std::nullopt;
}

}  // namespace

std::optional<std::string> SettingsProblem(const CoefficientSettings& settings,
                                           std::size_t length) {
  std::optional<std::string> bad;
  CoefficientSettings::VisitFields(settings, [&](const FieldInfo& f, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
      // A shorter file leaves the rest of the record as it was: only what it holds is judged.
      if (bad || f.offset + sizeof(double) > length) return;
      const CoefficientRange range = RangeOfCoefficient(f.name);
      if (!Within(value, range.min, range.max))
        bad = OutOfRange(f.name, value, range.min, range.max);
    }
  });
  return bad;
}

std::optional<std::string> MaterialTableProblem(const MaterialTable& materials) {
  for (int n = 0; n < kMaterialCount; ++n)
    if (auto bad = RecordProblem(materials[static_cast<std::size_t>(n)]))
      return "材料 " + std::to_string(n) + " の" + *bad;
  return std::nullopt;
}

void ReadSettingsFile(const std::string& path, CoefficientSettings& settings) {
  constexpr const char* kAs = "設定ファイル";
  const Bytes bytes = ReadNoLargerThanRecord<CoefficientSettings>(path, kAs);
  CoefficientSettings read = settings;
  OverlayBytes(read, bytes);
  if (auto bad = SettingsProblem(read, bytes.size())) Unusable(path, kAs, *bad);
  settings = read;
}

void ReadMaterialFile(const std::string& path, MaterialTable& materials) {
  constexpr const char* kAs = "材料データベース";
  const Bytes bytes = ReadNoLargerThanRecord<MaterialTable>(path, kAs);
  MaterialTable read = materials;
  OverlayBytes(read, bytes);
  if (auto bad = MaterialTableProblem(read)) Unusable(path, kAs, *bad);
  materials = read;
}

}  // namespace coilspring
