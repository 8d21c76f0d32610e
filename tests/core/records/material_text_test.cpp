#include "core/records/material_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "../param_names.h"
#include "core/records/byte_image.h"
#include "core/text/sjis.h"

namespace coilspring {
namespace {

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// A complete block with the given rows; every key present once.
std::string Block(int recordNo, int kindNo, const std::string& rows,
                  const std::string& symbol = "SWP-B") {
  return "material\t" + std::to_string(recordNo) + "\nkind\t" + std::to_string(kindNo) +
         "\tピアノ線\nsymbol\t" + symbol +
         "\nshear-modulus\t78500\nyoung-modulus\t206000\ntorsion-ratio\t45\n"
         "bending-ratio\t70\n" +
         rows;
}

std::string HexAt(const Bytes& image, std::size_t offset, std::size_t count) {
  static const char* digits = "0123456789abcdef";
  std::string hex;
  for (std::size_t i = offset; i < offset + count; ++i) {
    hex += digits[image[i] >> 4];
    hex += digits[image[i] & 15];
  }
  return hex;
}

struct BadText {
  const char* what;
  std::string text;
  std::string expected;  // part of the message, the line number included
};

void PrintTo(const BadText& c, std::ostream* out) { *out << c.what; }

class MaterialTextErrorTest : public testing::TestWithParam<BadText> {};

TEST_P(MaterialTextErrorTest, NamesTheLineAndTheFault) {
  const BadText& c = GetParam();
  try {
    ParseMaterialText(c.text);
    FAIL() << "accepted: " << c.what;
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos)
        << c.what << ": " << e.what();
  }
}

std::string FiftyOneRows() {
  std::string rows;
  for (int i = 1; i <= 51; ++i) rows += std::to_string(i) + "\t1000\t0\t0\n";
  return rows;
}

std::string NineOfKindZero() {
  std::string text;
  for (int r = 0; r < 9; ++r) text += Block(r, 0, "1\t2000\t0\t0\n");
  return text;
}

const BadText kBadTexts[] = {
    BadText{"row before any material", "# c\n0.8\t2000\t0\t0\n",
            "2 行目: ほかの行より前に 'material<TAB>材料番号'"},
    BadText{"record number 30", "\nmaterial\t30\n",
            "2 行目: 材料番号 は 0 から 29 までにしてください"},
    BadText{"record number not a number", "material\tx\n", "1 行目: 材料番号: 'x' は整数"},
    BadText{"record twice", Block(4, 0, "") + Block(4, 1, ""), "8 行目: 材料 4 が二度あります"},
    BadText{"kind number 11", "material\t0\nkind\t11\tX\n", "2 行目: 種類番号 は 0 から"},
    BadText{"descending diameters", Block(0, 0, "0.8\t2000\t0\t0\n0.7\t2100\t0\t0\n"),
            "9 行目: 線径は昇順に並べてください: 0.7 が 0.8 の後にあります"},
    BadText{"repeated diameter", Block(0, 0, "0.8\t2000\t0\t0\n0.8\t2100\t0\t0\n"),
            "9 行目: 線径は昇順に並べてください"},
    BadText{"zero diameter", Block(0, 0, "0\t2000\t0\t0\n"), "8 行目: 線径は 0 より大きく"},
    BadText{"three numbers in a row", Block(0, 0, "0.8\t2000\t0\n"), "8 行目: 表の行には数が 4 個"},
    BadText{"51 rows", Block(0, 0, FiftyOneRows()), "58 行目: 表の行が 50 行を超えています"},
    BadText{"modulus not a number", "material\t0\nshear-modulus\t7850O\n",
            "2 行目: 横弾性係数: '7850O' は浮動小数点数ではありません"},
    BadText{"negative strength", Block(0, 0, "0.8\t-2000\t0\t0\n"),
            "8 行目: 引張強さ は 0 以上の有限な数にしてください"},
    BadText{"NAN strength", Block(0, 0, "0.8\tNAN\t0\t0\n"), "8 行目: 引張強さ は 0 以上"},
    BadText{"16 significant digits", Block(0, 0, "0.8000000000000001\t2000\t0\t0\n"),
            "8 行目: 線径 の有効数字が 15 桁を超えています"},
    BadText{"missing symbol",
            "material\t2\nkind\t0\tX\nshear-modulus\t1\nyoung-modulus\t1\n"
            "torsion-ratio\t1\nbending-ratio\t1\n",
            "1 行目: 材料 2 に 'symbol' がありません"},
    BadText{"key twice", Block(0, 0, "symbol\tSWP-A\n"), "8 行目: 'symbol' が二度あります"},
    BadText{"unknown key", "material\t0\nshear modulus\t78500\n",
            "2 行目: 不明な行 'shear modulus"},
    BadText{"ratio above 100", "material\t0\ntorsion-ratio\t101\n",
            "2 行目: ねじり応力比 は 0 から 100 までにしてください"},
    BadText{"name of 52 Shift-JIS bytes", "material\t0\nsymbol\t" + Repeat("線", 26) + "\n",
            "2 行目: 名前 '" + Repeat("線", 13) + "...' は Shift-JIS で 52 バイトあります"},
    BadText{"name without Shift-JIS form", "material\t0\nsymbol\tSWP\xF0\x9F\x99\x82\n",
            "2 行目: 名前 'SWP\xF0\x9F\x99\x82' に Shift-JIS で表せない文字"},
    BadText{"name neither UTF-8 nor Shift-JIS", "material\t0\nsymbol\tSWP\x81\n",
            "2 行目: 名前が UTF-8 でも Shift-JIS でもありません"},
    BadText{"huge value quoted short", "material\t0\nshear-modulus\t" + std::string(100000, 'x'),
            "2 行目: 横弾性係数: '" + std::string(40, 'x') + "...' は浮動小数点数ではありません"},
    BadText{"empty table", "# nothing\n", "表に材料が一つもありません"},
    BadText{"byte-order mark alone", "\xEF\xBB\xBF", "表に材料が一つもありません"},
    BadText{"TAB inside a name", "material\t0\nsymbol\tSWP\tB\n", "2 行目: 名前に TAB や制御文字"},
    BadText{"nine materials of one kind", NineOfKindZero(),
            "種類番号 0 に入る材料は 8 つまでです（材料 8 で"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MaterialTextErrorTest, testing::ValuesIn(kBadTexts),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

TEST(MaterialTextTest, TwoByteCharacterCutAtByte50KeepsItsFirstByte) {
  // "A" and 25 two-byte characters: 51 Shift-JIS bytes, the last character split by the cut.
  const std::string sjis = Utf8ToSjis("A" + Repeat("線", 25));
  ASSERT_EQ(sjis.size(), 51u);
  MaterialTable table;
  for (auto& r : table.records) r = EmptyMaterialRecord();
  table[0].Symbol.AssignRaw(sjis);
  EXPECT_EQ(table[0].Symbol.length, 50);
  EXPECT_EQ(table[0].Symbol.bytes[47], 0x90);  // the 24th 線 whole at bytes 47..48
  EXPECT_EQ(table[0].Symbol.bytes[48], 0xFC);
  EXPECT_EQ(table[0].Symbol.bytes[49], 0x90);  // first byte of the cut 25th 線, kept
  EXPECT_EQ(Encode(table)[51 + 1 + 49], 0x90);

  // The text shows the lone byte as U+FFFD; reading that back cannot restore the byte and the
  // text form refuses the 51-byte original name.
  const std::string text = FormatMaterialText(table);
  EXPECT_NE(text.find("symbol\tA" + Repeat("線", 24) + "\xEF\xBF\xBD\n"), std::string::npos);
  EXPECT_THROW(ParseMaterialText(Block(0, 0, "", "A" + Repeat("線", 25))), std::invalid_argument);
  // Exactly 50 bytes fit.
  const MaterialTable fifty = ParseMaterialText(Block(0, 0, "", Repeat("線", 25)));
  EXPECT_EQ(fifty[0].Symbol.length, 50);
}

TEST(MaterialTextTest, UnlistedRecordsAreEmpty) {
  const MaterialTable table = ParseMaterialText(Block(3, 1, "1\t2000\t0\t0\n"));
  const Bytes image = Encode(table);
  ASSERT_EQ(image.size(), 52080u);
  for (int r = 0; r < kMaterialCount; ++r) {
    if (r == 3) continue;
    EXPECT_EQ(table[r], EmptyMaterialRecord()) << r;
    for (std::size_t i = 0; i < MaterialRecord::kSize; ++i) {
      const std::uint8_t expected = (i == 116) ? 10 : 0;  // KindNo 10, little-endian
      ASSERT_EQ(image[1736 * r + i], expected) << "record " << r << " byte " << i;
    }
  }
  EXPECT_EQ(table[3].KindNo, 1);
}

// A table saved by a Windows editor: a byte-order mark, or names in Shift-JIS, which the record
// keeps byte for byte and the export writes as UTF-8.
TEST(MaterialTextTest, AcceptsAByteOrderMarkAndShiftJisNames) {
  const std::string utf8 = Block(0, 0, "0.8\t2350\t0\t0\n");
  const MaterialTable plain = ParseMaterialText(utf8);
  EXPECT_EQ(Encode(ParseMaterialText("\xEF\xBB\xBF" + utf8)), Encode(plain));
  const std::string sjisName = Utf8ToSjis("ピアノ線Ｂ");
  const MaterialTable sjis = ParseMaterialText(Block(0, 0, "0.8\t2350\t0\t0\n", sjisName));
  EXPECT_EQ(std::string(sjis[0].Symbol.Raw()), sjisName);
  const std::string exported = FormatMaterialText(sjis);
  EXPECT_NE(exported.find("\nsymbol\tピアノ線Ｂ\n"), std::string::npos);
  EXPECT_EQ(Encode(ParseMaterialText(exported)), Encode(sjis));
}

// A hand-written table in canonical form (after the header).
const std::string kSmallBlocks =
    "\nmaterial\t1\n"
    "kind\t0\tピアノ線\n"
    "symbol\tSWP-B\n"
    "shear-modulus\t78500\n"
    "young-modulus\t206000\n"
    "torsion-ratio\t45\n"
    "bending-ratio\t70\n"
    "# diameter\ttensile\tallowable torsion\tallowable bending\n"
    "0.5\t2550\t0\t0\n"
    "0.8\t2350\t0\t0\n"
    "1.5E-5\t1\t0.001\t123456789012345\n"
    "\nmaterial\t29\n"
    "kind\t10\t\n"
    "symbol\t予備 SUS\n"
    "shear-modulus\t0\n"
    "young-modulus\t0\n"
    "torsion-ratio\t0\n"
    "bending-ratio\t0\n"
    "# diameter\ttensile\tallowable torsion\tallowable bending\n";

TEST(MaterialTextTest, FieldsLandAtTheirByteOffsets) {
  // The diameters of material 1 would not ascend with 1.5E-5 last; use a table without it.
  std::string text = kSmallBlocks;
  text.erase(text.find("1.5E-5"), std::string("1.5E-5\t1\t0.001\t123456789012345\n").size());
  const Bytes image = Encode(ParseMaterialText(text));
  const std::size_t r = 1736;                               // record 1
  EXPECT_EQ(HexAt(image, r + 0, 9), "0883738341836d90fc");  // length 8, ピアノ線
  EXPECT_EQ(HexAt(image, r + 51, 6), "055357502d42");       // length 5, SWP-B
  EXPECT_EQ(HexAt(image, r + 102, 2), "0000");
  EXPECT_EQ(HexAt(image, r + 104, 8), "00000000402af340");                   // G 78500
  EXPECT_EQ(HexAt(image, r + 112, 4), "02000000");                           // RowCount 2
  EXPECT_EQ(HexAt(image, r + 116, 4), "00000000");                           // KindNo 0
  EXPECT_EQ(HexAt(image, r + 120, 8), "0000000080250941");                   // E 206000
  EXPECT_EQ(HexAt(image, r + 128, 8), "2d00000046000000");                   // ratios 45, 70
  EXPECT_EQ(HexAt(image, r + 136, 16), "000000000000e03f9a9999999999e93f");  // 0.5, 0.8
  EXPECT_EQ(HexAt(image, r + 536 + 8, 8), "00000000005ca240");               // 2350
  EXPECT_EQ(HexAt(image, r + 136 + 16, 8), "0000000000000000");              // rows past RowCount
  const std::size_t last = 1736 * 29;
  EXPECT_EQ(HexAt(image, last + 116, 4), "0a000000");
  EXPECT_EQ(image[last + 51], 8);  // 予備 SUS: 2 + 2 + 1 + 3 bytes
}

TEST(MaterialTextTest, RejectsAscendingViolationInTheSmallTable) {
  EXPECT_THROW(ParseMaterialText(kSmallBlocks), std::invalid_argument);
}

TEST(MaterialTextTest, CanonicalTextRoundTripsExactly) {
  std::string blocks = kSmallBlocks;
  // Move the tiny diameter to the front so the rows ascend.
  const std::string tiny = "1.5E-5\t1\t0.001\t123456789012345\n";
  blocks.erase(blocks.find(tiny), tiny.size());
  blocks.insert(blocks.find("0.5\t2550"), tiny);

  const MaterialTable first = ParseMaterialText(blocks);
  const std::string text = FormatMaterialText(first);
  ASSERT_GE(text.size(), blocks.size());
  EXPECT_EQ(text.substr(text.size() - blocks.size()), blocks);
  EXPECT_EQ(text.front(), '#');
  const MaterialTable second = ParseMaterialText(text);
  EXPECT_EQ(Encode(second), Encode(first));
  EXPECT_EQ(FormatMaterialText(second), text);
  EXPECT_EQ(first[1].WireDiameters[0], 1.5e-5);
  EXPECT_EQ(first[1].AllowableBending[0], 123456789012345.0);
}

TEST(MaterialTextTest, LayoutFreedomsReadTheSame) {
  const std::string canonical = Block(0, 0, "0.8\t2350\t0\t0\n1\t2260\t0\t0\n");
  const std::string loose =
      "# a comment\r\n\r\n"
      "material\t0\r\n"
      "bending-ratio\t70\r\n"
      "torsion-ratio\t 45\r\n"
      "symbol\tSWP-B\r\n"
      "kind\t0\tピアノ線\r\n"
      "young-modulus\t2.06E5\r\n"
      "shear-modulus\t78500.0\r\n"
      "   # indented comment\r\n"
      "0.80 \t\t2350   0  0\r\n"
      "+1.00\t2260\t0\t-0\r\n";
  EXPECT_EQ(Encode(ParseMaterialText(loose)), Encode(ParseMaterialText(canonical)));
}

TEST(MaterialTextTest, ExportKeepsHiddenRecordsAndClampsDamagedCounts) {
  MaterialTable table;
  for (auto& r : table.records) r = EmptyMaterialRecord();
  table[5].ShearModulus = 1;  // kind 10 but not empty: must survive export
  table[6].KindNo = 2;
  table[6].RowCount = 70;  // damaged; only 50 rows exist
  for (int i = 0; i < kMaterialRows; ++i) table[6].WireDiameters[i] = i + 1;
  const std::string text = FormatMaterialText(table);
  EXPECT_NE(text.find("\nmaterial\t5\nkind\t10\t\n"), std::string::npos);
  EXPECT_NE(text.find("\n50\t0\t0\t0\n"), std::string::npos);
  const MaterialTable back = ParseMaterialText(text);
  EXPECT_EQ(back[5].ShearModulus, 1);
  EXPECT_EQ(back[6].RowCount, 50);
}

TEST(MaterialTextTest, ExportRefusesNamesWithControlCharacters) {
  MaterialTable table;
  for (auto& r : table.records) r = EmptyMaterialRecord();
  table[0].Symbol.AssignRaw("SW\nP");
  EXPECT_THROW(FormatMaterialText(table), std::invalid_argument);
}

}  // namespace
}  // namespace coilspring
