#include "core/editing/material_editing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/text/user_error.h"

namespace coilspring {
namespace {

// A record with `rows` table rows: diameter 0.5 + 0.1 i, the stresses derived from it.
MaterialRecord RecordWithRows(int rows) {
  MaterialRecord r;
  r.KindName.AssignRaw("SWP");
  r.Symbol.AssignRaw("SWP-A");
  r.ShearModulus = 78500;
  r.YoungModulus = 206000;
  r.KindNo = 2;
  r.TorsionRatio = 45;
  r.BendingRatio = 75;
  r.RowCount = rows;
  for (int i = 0; i < rows; ++i) {
    r.WireDiameters[i] = 0.5 + 0.25 * i;
    r.TensileStrengths[i] = 2000 - i;
    r.AllowableTorsion[i] = 900 - i;
    r.AllowableBending[i] = 1500 - i;
  }
  return r;
}

TEST(TextsOfRecord, ShowsUsedRowsAndZeroRowsAsZero) {
  const MaterialTexts t = TextsOfRecord(RecordWithRows(12));
  EXPECT_EQ(t.rows[0][0], "0.5");
  EXPECT_EQ(t.rows[11][0], "3.25");
  EXPECT_EQ(t.rows[11][3], "1489");
  for (int i = 12; i < kMaterialRows; ++i)
    for (int c = 0; c < kTableColumnCount; ++c) EXPECT_EQ(t.rows[i][c], "0") << i << "," << c;
  EXPECT_EQ(t.kindName, "SWP");
  EXPECT_EQ(t.shearModulus, "78500");
  EXPECT_EQ(t.rowCount, "12");
  EXPECT_EQ(t.kindNo, 2);
  EXPECT_EQ(t.torsionRatio, "45");
}

TEST(TextsOfRecord, KindNumberOutsideTheSpinRangeShowsTheNearerBound) {
  const struct {
    std::int32_t stored;
    int shown;
  } cases[] = {{-7, 0}, {-1, 0}, {0, 0}, {9, 9}, {10, 10}, {11, 10}, {1000000, 10}};
  for (const auto& c : cases) {
    MaterialRecord r;
    r.KindNo = c.stored;
    EXPECT_EQ(TextsOfRecord(r).kindNo, c.shown) << c.stored;
  }
}

struct MarkerCase {
  const char* name;
  int entry;           // the diameter cell that is retyped
  const char* text;    // what it reads
  int rowCount;        // RowCount after the store
  double diameterAt5;  // entry 5 of the diameters after the store
  double tensileAt8;   // entry 8 of the tensile strengths after the store
};

void PrintTo(const MarkerCase& c, std::ostream* out) { *out << c.name; }

class EndMarker : public ::testing::TestWithParam<MarkerCase> {};

TEST_P(EndMarker, DecidesRowCountAndClearsTheRest) {
  const MarkerCase& c = GetParam();
  MaterialRecord r = RecordWithRows(12);
  MaterialTexts t = TextsOfRecord(r);
  if (c.entry >= 0) t.rows[c.entry][0] = c.text;
  StoreTexts(t, r);
  EXPECT_EQ(r.RowCount, c.rowCount);
  EXPECT_EQ(r.WireDiameters[5], c.diameterAt5);
  EXPECT_EQ(r.TensileStrengths[8], c.tensileAt8);
  for (int i = c.rowCount; i < kMaterialRows; ++i)
    for (auto column : kTableColumns) EXPECT_EQ((r.*column)[i], 0.0) << i;
}

INSTANTIATE_TEST_SUITE_P(Cases, EndMarker,
                         ::testing::Values(MarkerCase{"unchanged", -1, "", 12, 1.75, 1992},
                                           MarkerCase{"zeroAt5", 5, "0", 5, 0, 0},
                                           MarkerCase{"zeroAt0", 0, "0", 0, 0, 0},
                                           MarkerCase{"zeroPointZeroIsNoMarker", 5, "0.0", 12, 0,
                                                      1992},
                                           MarkerCase{"blankZeroIsNoMarker", 5, " 0", 12, 0, 1992},
                                           MarkerCase{"plusZeroIsNoMarker", 5, "+0", 12, 0, 1992}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoreTexts, AllFiftyRowsInUseGiveFifty) {
  MaterialRecord r = RecordWithRows(kMaterialRows);
  StoreTexts(TextsOfRecord(r), r);
  EXPECT_EQ(r.RowCount, 50);
  EXPECT_EQ(r.WireDiameters[49], 0.5 + 0.25 * 49);
}

TEST(StoreTexts, RowsAfterTheMarkerAreNotRead) {
  MaterialRecord r = RecordWithRows(12);
  MaterialTexts t = TextsOfRecord(r);
  t.rows[13][0] = "abc";
  t.rows[20][2] = "";
  EXPECT_NO_THROW(StoreTexts(t, r));
  EXPECT_EQ(r.RowCount, 12);
}

TEST(StoreTexts, DamagedRowCountNeverClearsOutsideTheColumns) {
  for (std::int32_t damaged : {-5, 51, 1 << 30}) {
    MaterialRecord r = RecordWithRows(50);
    r.RowCount = damaged;
    MaterialTexts t = TextsOfRecord(r);
    StoreTexts(t, r);
    EXPECT_EQ(r.RowCount, 50);
    EXPECT_EQ(r.AllowableBending[49], 1500 - 49);
  }
}

TEST(StoreTexts, KindNumberIsStoredWithinTheSpinRange) {
  MaterialRecord r = RecordWithRows(3);
  MaterialTexts t = TextsOfRecord(r);
  t.kindNo = 14;
  StoreTexts(t, r);
  EXPECT_EQ(r.KindNo, 10);
}

TEST(StoreTexts, StopsAtTheFirstBadFieldKeepingWhatCameBefore) {
  const MaterialRecord original = RecordWithRows(12);
  {
    MaterialRecord r = original;
    MaterialTexts t = TextsOfRecord(r);
    t.kindName = "NEW";
    t.shearModulus = "abc";
    t.youngModulus = "1";
    try {
      StoreTexts(t, r);
      FAIL() << "no error";
    } catch (const UserError& e) {
      EXPECT_STREQ(e.what(), "'abc' は浮動小数点数ではありません");
    }
    EXPECT_EQ(r.KindName.Raw(), "NEW");
    EXPECT_EQ(r.ShearModulus, original.ShearModulus);
    EXPECT_EQ(r.YoungModulus, original.YoungModulus);
  }
  {
    MaterialRecord r = original;
    MaterialTexts t = TextsOfRecord(r);
    t.youngModulus = "1";
    t.kindNo = 4;
    t.torsionRatio = "1.5";
    try {
      StoreTexts(t, r);
      FAIL() << "no error";
    } catch (const UserError& e) {
      EXPECT_STREQ(e.what(), "'1.5' は整数ではありません");
    }
    EXPECT_EQ(r.YoungModulus, 1);
    EXPECT_EQ(r.KindNo, 4);
    EXPECT_EQ(r.TorsionRatio, original.TorsionRatio);
  }
  {
    MaterialRecord r = original;
    MaterialTexts t = TextsOfRecord(r);
    t.rows[2][0] = "9";
    t.rows[3][0] = "7";
    t.rows[3][1] = "x";
    EXPECT_THROW(StoreTexts(t, r), UserError);
    EXPECT_EQ(r.WireDiameters[2], 9);
    EXPECT_EQ(r.WireDiameters[3], 7);
    EXPECT_EQ(r.TensileStrengths[3], original.TensileStrengths[3]);
    EXPECT_EQ(r.RowCount, 12);
  }
}

TEST(StoreName, CutsToFiftyShiftJisBytes) {
  const std::string aiu = "あいう";  // two bytes each in Shift-JIS
  const struct {
    std::string typed;
    std::string stored;
  } cases[] = {
      {std::string(60, 'x'), std::string(50, 'x')},
      {std::string(49, 'a') + "あ", std::string(49, 'a') + "\x82"},
      {std::string(48, 'a') + "あ", std::string(48, 'a') + "\x82\xA0"},
      {aiu, "\x82\xA0\x82\xA2\x82\xA4"},
      {"", ""},
  };
  for (const auto& c : cases) {
    ShortString<50> name;
    name.AssignRaw("old");
    StoreName(c.typed, name);
    EXPECT_EQ(name.Raw(), c.stored) << c.typed;
  }
}

TEST(StoreName, UnchangedTextKeepsTheRecordsBytes) {
  ShortString<50> name;
  name.AssignRaw(std::string(49, 'a') + "\x82");  // a cut character the screen cannot show
  const ShortString<50> before = name;
  MaterialRecord r;
  r.KindName = name;
  StoreName(TextsOfRecord(r).kindName, name);
  EXPECT_EQ(name, before);
}

TEST(TableRows, InsertAtThreeMovesTheRestDown) {
  MaterialRecord r = RecordWithRows(12);
  const MaterialRecord before = r;
  InsertTableRow(r, 3);
  for (auto column : kTableColumns) {
    EXPECT_EQ((r.*column)[2], (before.*column)[2]);
    EXPECT_EQ((r.*column)[3], 0.0);
    EXPECT_EQ((r.*column)[4], (before.*column)[3]);
    EXPECT_EQ((r.*column)[12], (before.*column)[11]);
    EXPECT_EQ((r.*column)[13], 0.0);
  }
  EXPECT_EQ(r.RowCount, 12);
}

TEST(TableRows, InsertIntoAFullTableDropsTheLastEntry) {
  MaterialRecord r = RecordWithRows(50);
  InsertTableRow(r, 0);
  EXPECT_EQ(r.WireDiameters[0], 0.0);
  EXPECT_EQ(r.WireDiameters[1], 0.5);
  EXPECT_EQ(r.WireDiameters[49], 0.5 + 0.25 * 48);
}

TEST(TableRows, DeleteAtThreeMovesTheRestUp) {
  MaterialRecord r = RecordWithRows(12);
  DeleteTableRow(r, 3);
  EXPECT_EQ(r.WireDiameters[2], 1.0);
  EXPECT_EQ(r.WireDiameters[3], 1.5);
  EXPECT_EQ(r.AllowableTorsion[10], 900 - 11);
  for (auto column : kTableColumns) EXPECT_EQ((r.*column)[11], 0.0);
  EXPECT_EQ(r.RowCount, 12);
}

TEST(TableRows, DeleteTheLastEntryAndEntriesOutOfRangeAreClamped) {
  MaterialRecord r = RecordWithRows(50);
  DeleteTableRow(r, 49);
  EXPECT_EQ(r.WireDiameters[48], 0.5 + 0.25 * 48);
  EXPECT_EQ(r.WireDiameters[49], 0.0);
  MaterialRecord s = RecordWithRows(5);
  DeleteTableRow(s, -4);
  EXPECT_EQ(s.WireDiameters[0], 0.75);
  InsertTableRow(s, 99);
  EXPECT_EQ(s.WireDiameters[49], 0.0);
  EXPECT_EQ(s.WireDiameters[3], 1.5);
}

TEST(EraseRecord, LeavesAnEmptyRecordOfKindTen) {
  MaterialRecord r = RecordWithRows(12);
  EraseRecord(r);
  EXPECT_EQ(r.KindName.Raw(), "");
  EXPECT_EQ(r.Symbol.Raw(), "");
  EXPECT_EQ(r.KindNo, 10);
  EXPECT_EQ(r.ShearModulus, 0);
  EXPECT_EQ(r.YoungModulus, 0);
  EXPECT_EQ(r.RowCount, 0);
  EXPECT_EQ(r.TorsionRatio, 0);
  EXPECT_EQ(r.BendingRatio, 0);
  for (auto column : kTableColumns)
    for (double v : r.*column) EXPECT_EQ(v, 0.0);
}

TEST(EmptyRecordRule, MarksRecordsWithoutAFirstDiameter) {
  MaterialTable table;
  table[0] = RecordWithRows(3);
  table[1] = RecordWithRows(3);
  table[1].WireDiameters[0] = 0;  // first row gone, later rows still there
  table[2].KindNo = 4;            // all zero
  ApplyEmptyRecordRule(table);
  EXPECT_EQ(table[0].KindNo, 2);
  EXPECT_EQ(table[1].KindNo, 10);
  EXPECT_EQ(table[2].KindNo, 10);
  EXPECT_EQ(table[29].KindNo, 10);
}

TEST(KindCount, CountsTheShownRecordOnceMore) {
  const struct {
    int stored;
    int shown;
    bool warns;
  } cases[] = {{0, 1, false}, {7, 8, false}, {8, 9, true}, {9, 10, true}};
  for (const auto& c : cases) {
    MaterialTable table;
    for (auto& r : table.records) r.KindNo = 10;
    for (int i = 0; i < c.stored; ++i) table[3 * i % 30].KindNo = 5;
    const int count = KindCountWithShown(table, 5);
    EXPECT_EQ(count, c.shown);
    EXPECT_EQ(KindCountWarning(5, count).has_value(), c.warns) << c.stored;
  }
  EXPECT_EQ(KindCountWarning(5, 9).value(), "種類番号＝ 5 は８以上登録できません！");
  EXPECT_EQ(KindCountWarning(0, 12).value(), "種類番号＝ 0 は８以上登録できません！");
}

TEST(KindCount, TheEmptyMarkNeverWarns) {
  MaterialTable table;
  for (auto& r : table.records) r.KindNo = 10;
  EXPECT_EQ(KindCountWithShown(table, 10), 31);
  EXPECT_FALSE(KindCountWarning(10, 31).has_value());
}

}  // namespace
}  // namespace coilspring
