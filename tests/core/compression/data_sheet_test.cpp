#include "core/output/data_sheet.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "core/compression/design_sheet.h"
#include "core/text/sjis.h"

namespace coilspring {
namespace {

DesignRecord SampleDesign() {
  DesignRecord r;
  r.MaterialNo = 2;
  r.WireDiameter = 0.45;
  r.MeanDiameter = 4.5;
  r.OuterDiameter = 4.95;
  r.TotalTurns = 10;
  r.ActiveTurns = 8;
  r.EndKind = EndKind::ClosedGround;
  r.Load1 = 1300;
  r.Length1 = 12;
  r.Stress1 = 0;
  r.Load2 = 10;
  r.Length2 = 7.5;
  r.Stress2 = 123.46 / 9.807;
  r.SolidHeight = 7.5;
  r.FreeLength = 20;
  return r;
}

MaterialTable SampleMaterials() {
  MaterialTable t;
  t[2].KindName.AssignRaw(Utf8ToSjis("ピアノ線"));
  t[2].Symbol.AssignRaw(Utf8ToSjis("SWP-A"));
  return t;
}

TEST(DataSheet, HeadingItemNumbersNamesAndUnits) {
  const DataSheet s = MakeDataSheet(SampleDesign(), SampleMaterials(), false);
  EXPECT_EQ(s.cells[0][0], "");
  EXPECT_EQ(s.cells[0][1], " 項目");
  EXPECT_EQ(s.cells[0][2], " 単位");
  EXPECT_EQ(s.cells[0][3], "");
  struct Row {
    int row;
    const char* number;
    const char* name;
    const char* unit;
  };
  const Row rows[] = {
      {1, "    1", " 材質", ""},
      {2, "    2", " 材料の直径", " mm"},
      {3, "    3", " コイル平均径", " mm"},
      {4, "    4", " コイル外径", " mm"},
      {5, "    5", " 総巻数", ""},
      {6, "    6", " 有効巻数", ""},
      {7, "    7", " 巻方向", ""},
      {8, "    8", " 指定荷重１", " N"},
      {9, "    9", " 指定高さ１", " mm"},
      {10, "    10", " 応力１", " N/mm^2"},
      {11, "    11", " 指定荷重２", " N"},
      {12, "    12", " 指定高さ２", " mm"},
      {13, "    13", " 応力２", " N/mm^2"},
      {14, "    14", " 密着高さ", " mm"},
      {15, "    15", " コイル端の形状", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(s.cells[r.row][0], r.number);
    EXPECT_EQ(s.cells[r.row][1], r.name);
    EXPECT_EQ(s.cells[r.row][2], r.unit);
  }
}

TEST(DataSheet, ValuesInTheirFormatsWithNewtons) {
  const DataSheet s = MakeDataSheet(SampleDesign(), SampleMaterials(), false);
  const struct {
    int row;
    const char* value;
  } expected[] = {
      {1, "SWP-A"},              // the symbol, not the kind name
      {2, "0.45"},               // full format
      {3, "4.5"},                // full format
      {4, "4.95"},               // full format
      {5, "10"},                 // full format
      {6, "8"},                  // full format
      {7, "右"},                 // unchecked box
      {8, "1.275E4"},            // 1300 kgf x 9.807 = 12749.1 N
      {9, "12"},                 // short format
      {10, "0"},                 // zero stress
      {11, "98.07"},             // 10 kgf
      {12, "7.5"},               // short format
      {13, "123.5"},             // 123.46 N/mm^2 back from kgf/mm^2
      {14, "7.5"},               // short format
      {15, "クローズ（研削）"},  // EndKind 1
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.row);
    EXPECT_EQ(s.cells[e.row][3], e.value);
  }
}

TEST(DataSheet, FullFormatKeepsFifteenDigitsShortFormatFour) {
  DesignRecord r = SampleDesign();
  r.WireDiameter = 0.123456789;
  r.TotalTurns = 12.3456;
  r.Length1 = 12.3456;
  r.Load2 = 20000 / 9.807;  // 20000 N
  const DataSheet s = MakeDataSheet(r, SampleMaterials(), false);
  EXPECT_EQ(s.cells[2][3], "0.123456789");
  EXPECT_EQ(s.cells[5][3], "12.3456");
  EXPECT_EQ(s.cells[9][3], "12.35");
  EXPECT_EQ(s.cells[11][3], "2E4");
}

TEST(DataSheet, WindingDirectionFollowsTheCheckBox) {
  EXPECT_EQ(MakeDataSheet(SampleDesign(), SampleMaterials(), true).cells[7][3], "左");
  EXPECT_EQ(MakeDataSheet(SampleDesign(), SampleMaterials(), false).cells[7][3], "右");
}

TEST(DataSheet, EveryEndFormByEndKind) {
  const char* names[] = {"クローズ（無研削）",       "クローズ（研削）", "クローズ（テーパー）",
                         "オープン（無研削）",       "オープン（研削）", "オープン（テーパー）",
                         "オープン3/4座巻（無研削）"};
  for (const EndKind kind : AllCodes<EndKind>()) {
    DesignRecord r = SampleDesign();
    r.EndKind = kind;
    EXPECT_EQ(MakeDataSheet(r, SampleMaterials(), false).cells[15][3], names[RawOf(kind)]);
  }
}

TEST(DataSheet, NamesOutOfRangeLeaveTheValueEmpty) {
  for (int bad : {-1, 7, 1000000}) {
    DesignRecord r = SampleDesign();
    r.EndKind = static_cast<EndKind>(bad);  // as a damaged file holds it
    r.MaterialNo = bad == 7 ? 30 : bad;
    const DataSheet s = MakeDataSheet(r, SampleMaterials(), false);
    EXPECT_EQ(s.cells[15][3], "");
    EXPECT_EQ(s.cells[1][3], "");
    EXPECT_EQ(s.cells[2][3], "0.45");
  }
}

TEST(DataSheet, LabelsWithTheirPrefixesAndSuffixes) {
  DesignRecord r = SampleDesign();
  r.Length2 = 12.345;
  const DataSheet s = MakeDataSheet(r, SampleMaterials(), false);
  const std::string fullWidthSpace = "\xE3\x80\x80";  // U+3000
  EXPECT_EQ(s.labels[0], "自由長= 20mm");
  EXPECT_EQ(s.labels[1], "Ｌ１" + fullWidthSpace + "= 12mm");
  EXPECT_EQ(s.labels[2], "Ｌ２" + fullWidthSpace + "= 12.35mm");
  EXPECT_EQ(s.labels[3], "Ｐ２" + fullWidthSpace + "= 98.07N");
  EXPECT_EQ(s.labels[4], "Ｐ１" + fullWidthSpace + "= 1.275E4N");
  EXPECT_EQ(s.labels[5], "平均径" + fullWidthSpace + "= 4.5mm");
}

TEST(DataSheet, NonFiniteValuesStillGiveText) {
  DesignRecord r = SampleDesign();
  r.Load1 = std::numeric_limits<double>::infinity();
  r.Stress2 = std::numeric_limits<double>::quiet_NaN();
  const DataSheet s = MakeDataSheet(r, SampleMaterials(), false);
  EXPECT_EQ(s.cells[8][3], "INF");
  EXPECT_EQ(s.cells[13][3], "NAN");
}

TEST(DataSheet, GridGeometry) {
  int total = 0;
  for (int w : kDataSheetColumnWidths) total += w;
  EXPECT_EQ(total, 552);  // 64 + 222 + 97 + 169, inside the 560-pixel grid
  EXPECT_EQ(kDataSheetRowHeight * kDataSheetRows, 480);
}

}  // namespace
}  // namespace coilspring
