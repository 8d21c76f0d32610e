#include "core/records/material_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/records/table_lines.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/text/text_number.h"
#include "core/text/trim.h"
#include "core/text/user_error.h"
#include "core/text/utf8.h"

namespace coilspring {
namespace {

// Export writes this header so that the shipped table is itself in canonical form; it explains
// the format and where the shipped values come from.
constexpr std::string_view kHeader =
    R"(# coilspring material database: the text form of zaidat.dst (30 material records).
# "coilspring-cli materials import THIS.tsv OUT.dst" builds a material file from it;
# "coilspring-cli materials export FILE.dst" writes any material file in this same canonical
# form: this header, then every record that holds anything, in record order.
#
# Format (UTF-8; lines whose first character is # and blank lines are ignored):
#   material<TAB>record number 0..29        starts a record; each number at most once
#   kind<TAB>kind number<TAB>kind name      0..9 lists the material under that kind (at most
#                                           8 materials per kind), 10 hides the record
#   symbol<TAB>material symbol
#   shear-modulus<TAB>G, N/mm^2
#   young-modulus<TAB>E, N/mm^2
#   torsion-ratio<TAB>allowable torsional stress in percent of the tensile strength
#   bending-ratio<TAB>allowable bending stress in percent of the tensile strength
#   then up to 50 rows, wire diameters strictly ascending:
#   diameter mm<TAB>tensile strength<TAB>allowable torsion<TAB>allowable bending (N/mm^2)
# A name is the text after its TAB, at most 50 bytes in Shift-JIS. Numbers are not negative and
# have at most 15 significant digits. Records not listed are empty (kind number 10, all zero).
# An allowable-torsion column whose first entry is 0 makes the calculation use torsion-ratio x
# tensile strength; a non-zero first entry makes the column the material's own stress table.
#
# Sources of the shipped data: JIS tables as reproduced by spring and wire makers.
#   ピアノ線 JIS G 3522: SWP-B (1991 values, 0.08-7.00 mm) and SWP-V complete; SWP-A only at
#     the diameters whose minimum was found (0.08, 0.50-2.30, 4.00, 10.0 mm).
#   硬鋼線 JIS G 3521 (1991): SW-A and SW-C as read; SW-B read for 0.08-0.40 mm, for 0.45-2.00 mm
#     from the published relation "SW-B minimum = SW-A maximum" at each diameter.
#   ステンレス鋼線 JIS G 4314: one strength range per diameter group; every standard diameter of
#     a group is listed with the group's value (the standard's rule: a diameter between
#     standard diameters takes the value of the larger one). SUS631J1-WPC values are those
#     before precipitation hardening (afterwards at least 250 N/mm^2 higher).
#   オイルテンパー線 SWOSC-V (JIS G 3561 grade): a wire maker's catalogue, the JIS table itself
#     was not available.
# Rules:
#   - Tensile strength is the MINIMUM of the standard's min-max range: the conservative value
#     that designers use.
#   - G and E are the JIS B 2704 design values: steel wires 78500 / 206000, SUS304 and SUS316
#     68500 / 186000, SUS631J1 73500 / 196000.
#   - torsion-ratio 45: the static allowable stress of 45 % of the minimum tensile strength
#     (a spring maker's worked example, equal to the 0.45 upper-stress coefficient of the JIS
#     shear fatigue diagram); bending-ratio 70: the upper-stress coefficient of the tensile
#     fatigue diagram. No tabulated allowable stresses were available, so both allowable
#     columns are 0 and the ratios apply.
#   - Diameters whose value was not found are left out; nothing is interpolated or invented.
)";

constexpr std::string_view kRowHeading =
    "# diameter\ttensile\tallowable torsion\tallowable bending\n";

// A table written on Windows ends its lines in CR LF; the CR is a blank too.
constexpr std::string_view kBlanks = " \t\r";

// Splits at the first TAB: the part before it and the verbatim rest (empty without a TAB).
std::pair<std::string_view, std::string_view> SplitAtTab(std::string_view s) {
  const std::size_t tab = s.find('\t');
  if (tab == std::string_view::npos) return {s, {}};
  return {s.substr(0, tab), s.substr(tab + 1)};
}

bool HasControlCharacter(std::string_view s) {
  for (const char c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

// A number the record holds exactly and the text writes back unchanged.
double ParseValue(TableLineNo lineNo, std::string_view text, const char* what) {
  double value = 0;
  try {
    value = ParseDecimal(text);
  } catch (const UserError&) {
    FailAtLine(lineNo, std::string(what) + ": " + NotADecimalMessage(std::string(text)));
  }
  if (!std::isfinite(value) || value < 0)
    FailAtLine(lineNo, std::string(what) + " は 0 以上の有限な数にしてください: " + Excerpt(text));
  RequireFullDigits(lineNo, what, value, text);
  return value + 0.0;  // -0 becomes 0
}

std::int32_t ParseWhole(TableLineNo lineNo, std::string_view text, const char* what, int lo,
                        int hi) {
  std::int32_t value = 0;
  try {
    value = ParseInteger(text);
  } catch (const UserError&) {
    FailAtLine(lineNo, std::string(what) + ": " + NotAnIntegerMessage(std::string(text)));
  }
  if (value < lo || value > hi)
    FailAtLine(lineNo, std::string(what) + " は " + std::to_string(lo) + " から " +
                           std::to_string(hi) + " までにしてください: " + Excerpt(text));
  return value;
}

// The record's bytes for a name: UTF-8 text converted, or, for a name that is no UTF-8 (a
// table saved in Shift-JIS), its own bytes as they are, so no two names ever become one.
std::string NameBytes(TableLineNo lineNo, std::string_view text) {
  if (IsValidUtf8(text)) {
    const std::string sjis = Utf8ToSjis(text);
    if (SjisToUtf8(sjis) != text)
      FailAtLine(lineNo, "名前 '" + Excerpt(text) + "' に Shift-JIS で表せない文字があります");
    return sjis;
  }
  const std::string utf8 = SjisToUtf8(text);
  if (Utf8ToSjis(utf8) != text || utf8.find("\xEF\xBF\xBD") != std::string::npos)
    FailAtLine(lineNo, "名前が UTF-8 でも Shift-JIS でもありません");
  return std::string(text);
}

template <std::size_t N>
void AssignName(TableLineNo lineNo, std::string_view text, ShortString<N>& target) {
  if (HasControlCharacter(text)) FailAtLine(lineNo, "名前に TAB や制御文字は使えません");
  const std::string sjis = NameBytes(lineNo, text);
  if (sjis.size() > N)
    FailAtLine(lineNo, "名前 '" + Excerpt(SjisToUtf8(sjis)) + "' は Shift-JIS で " +
                           std::to_string(sjis.size()) + " バイトあります（" + std::to_string(N) +
                           " バイトまで）");
  target.AssignRaw(sjis);
}

enum class Key { Kind, Symbol, ShearModulus, YoungModulus, TorsionRatio, BendingRatio };

struct KeySpec {
  std::string_view name;
  Key key;
};

constexpr std::array<KeySpec, 6> kKeys{{
    {"kind", Key::Kind},
    {"symbol", Key::Symbol},
    {"shear-modulus", Key::ShearModulus},
    {"young-modulus", Key::YoungModulus},
    {"torsion-ratio", Key::TorsionRatio},
    {"bending-ratio", Key::BendingRatio},
}};

// One material block while it is being read.
struct Block {
  TableLineNo startLine = 0;
  int recordNo = 0;
  MaterialRecord record = EmptyMaterialRecord();
  std::array<bool, kKeys.size()> seen{};
};

class MaterialTextParser {
 public:
  MaterialTable Parse(std::string_view text) {
    for (auto& r : table_.records) r = EmptyMaterialRecord();
    ForEachTableLine(
        text, [this](TableLineNo lineNo, std::string_view line) { ParseLine(lineNo, line); });
    FinishBlock();
    // An empty table would make a database without a single material.
    if (std::find(listed_.begin(), listed_.end(), true) == listed_.end())
      throw std::invalid_argument("表に材料が一つもありません");
    CheckKindCapacity();
    return table_;
  }

 private:
  void ParseLine(TableLineNo lineNo, std::string_view line) {
    const std::string_view trimmed = Trim(line, kBlanks);
    if (trimmed.empty() || trimmed.front() == '#') return;
    const auto [word, rest] = SplitAtTab(line);
    if (word == "material") return StartBlock(lineNo, Trim(rest, kBlanks));
    if (!block_) FailAtLine(lineNo, "ほかの行より前に 'material<TAB>材料番号' の行が必要です");
    for (std::size_t k = 0; k < kKeys.size(); ++k) {
      if (word != kKeys[k].name) continue;
      if (block_->seen[k])
        FailAtLine(lineNo, "'" + std::string(kKeys[k].name) + "' が二度あります");
      block_->seen[k] = true;
      return ApplyKey(lineNo, kKeys[k].key, rest);
    }
    const char first = trimmed.front();
    if ((first >= '0' && first <= '9') || first == '.' || first == '+' || first == '-')
      return AddRow(lineNo, trimmed);
    FailAtLine(lineNo, "不明な行 '" + Excerpt(word) + "'");
  }

  void StartBlock(TableLineNo lineNo, std::string_view number) {
    FinishBlock();
    const int recordNo = ParseWhole(lineNo, number, "材料番号", 0, kMaterialCount - 1);
    if (listed_[recordNo])
      FailAtLine(lineNo, "材料 " + std::to_string(recordNo) + " が二度あります");
    listed_[recordNo] = true;
    block_ = Block{lineNo, recordNo};
  }

  void ApplyKey(TableLineNo lineNo, Key key, std::string_view value) {
    MaterialRecord& r = block_->record;
    switch (key) {
      case Key::Kind: {
        const auto [number, name] = SplitAtTab(value);
        r.KindNo = ParseWhole(lineNo, Trim(number, kBlanks), "種類番号", 0, kEmptyKindNo);
        return AssignName(lineNo, name, r.KindName);
      }
      case Key::Symbol:
        return AssignName(lineNo, value, r.Symbol);
      case Key::ShearModulus:
        r.ShearModulus = ParseValue(lineNo, value, "横弾性係数");
        return;
      case Key::YoungModulus:
        r.YoungModulus = ParseValue(lineNo, value, "縦弾性係数");
        return;
      case Key::TorsionRatio:
        r.TorsionRatio = ParseWhole(lineNo, value, "ねじり応力比", 0, 100);
        return;
      case Key::BendingRatio:
        r.BendingRatio = ParseWhole(lineNo, value, "曲げ応力比", 0, 100);
        return;
    }
  }

  void AddRow(TableLineNo lineNo, std::string_view line) {
    MaterialRecord& r = block_->record;
    const std::vector<std::string_view> fields = SplitFields(line, " \t");
    if (fields.size() != 4)
      FailAtLine(lineNo,
                 "表の行には数が 4 "
                 "個（線径、引張強さ、許容ねじり応力、許容曲げ応力）必要ですが、この行は " +
                     std::to_string(fields.size()) + " 個です");
    if (r.RowCount == kMaterialRows)
      FailAtLine(lineNo, "表の行が " + std::to_string(kMaterialRows) + " 行を超えています");
    const int i = r.RowCount;
    r.WireDiameters[i] = ParseValue(lineNo, fields[0], "線径");
    r.TensileStrengths[i] = ParseValue(lineNo, fields[1], "引張強さ");
    r.AllowableTorsion[i] = ParseValue(lineNo, fields[2], "許容ねじり応力");
    r.AllowableBending[i] = ParseValue(lineNo, fields[3], "許容曲げ応力");
    if (r.WireDiameters[i] <= 0) FailAtLine(lineNo, "線径は 0 より大きくしてください");
    if (i > 0 && r.WireDiameters[i] <= r.WireDiameters[i - 1])
      FailAtLine(lineNo, "線径は昇順に並べてください: " + FormatFull(r.WireDiameters[i]) + " が " +
                             FormatFull(r.WireDiameters[i - 1]) + " の後にあります");
    ++r.RowCount;
  }

  void FinishBlock() {
    if (!block_) return;
    for (std::size_t k = 0; k < kKeys.size(); ++k)
      if (!block_->seen[k])
        FailAtLine(block_->startLine, "材料 " + std::to_string(block_->recordNo) + " に '" +
                                          std::string(kKeys[k].name) + "' がありません");
    table_[block_->recordNo] = block_->record;
    block_.reset();
  }

  // The kind lists have eight places per kind; a ninth material could never be chosen.
  void CheckKindCapacity() const {
    std::array<int, kKindCount> count{};
    for (int r = 0; r < kMaterialCount; ++r) {
      const std::int32_t k = table_[r].KindNo;
      if (k < 0 || k >= kKindCount) continue;
      if (++count[k] > kMembersPerKind)
        throw std::invalid_argument("種類番号 " + std::to_string(k) + " に入る材料は " +
                                    std::to_string(kMembersPerKind) + " つまでです（材料 " +
                                    std::to_string(r) + " で超えました）");
    }
  }

  MaterialTable table_;
  std::array<bool, kMaterialCount> listed_{};
  std::optional<Block> block_;
};

template <std::size_t N>
std::string NameText(int recordNo, const ShortString<N>& name) {
  std::string utf8 = SjisToUtf8(name.Raw());
  if (HasControlCharacter(utf8))
    throw std::invalid_argument("材料 " + std::to_string(recordNo) +
                                ": 名前に表へ書き出せない制御文字があります");
  return utf8;
}

bool HoldsAnything(const MaterialRecord& r) {
  return r.KindNo != kEmptyKindNo || r.KindName.length != 0 || r.Symbol.length != 0 ||
         r.ShearModulus != 0 || r.YoungModulus != 0 || r.TorsionRatio != 0 || r.BendingRatio != 0 ||
         r.UsableRows() != 0;
}

void AppendRecord(std::string& out, int recordNo, const MaterialRecord& r) {
  out += "\nmaterial\t" + std::to_string(recordNo) + "\n";
  out += "kind\t" + std::to_string(r.KindNo) + "\t" + NameText(recordNo, r.KindName) + "\n";
  out += "symbol\t" + NameText(recordNo, r.Symbol) + "\n";
  out += "shear-modulus\t" + FormatFull(r.ShearModulus) + "\n";
  out += "young-modulus\t" + FormatFull(r.YoungModulus) + "\n";
  out += "torsion-ratio\t" + std::to_string(r.TorsionRatio) + "\n";
  out += "bending-ratio\t" + std::to_string(r.BendingRatio) + "\n";
  out += kRowHeading;
  for (int i = 0; i < r.UsableRows(); ++i) {
    out += FormatFull(r.WireDiameters[i]) + "\t" + FormatFull(r.TensileStrengths[i]) + "\t" +
           FormatFull(r.AllowableTorsion[i]) + "\t" + FormatFull(r.AllowableBending[i]) + "\n";
  }
}

}  // namespace

MaterialRecord EmptyMaterialRecord() {
  MaterialRecord r;
  r.KindNo = kEmptyKindNo;
  return r;
}

MaterialTable ParseMaterialText(std::string_view utf8) { return MaterialTextParser().Parse(utf8); }

std::string FormatMaterialText(const MaterialTable& table) {
  std::string out(kHeader);
  for (int r = 0; r < kMaterialCount; ++r)
    if (HoldsAnything(table[r])) AppendRecord(out, r, table[r]);
  return out;
}

}  // namespace coilspring
