#include "core/compression/history.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <numeric>
#include <string>
#include <vector>

namespace coilspring {
namespace {

// "ピアノ線" in code page 932.
constexpr char kPianoWireSjis[] = "\x83\x73\x83\x41\x83\x6d\x90\xfc";

MaterialTable TableWithSymbol(int materialNo) {
  MaterialTable table;
  table[materialNo].Symbol.AssignRaw(kPianoWireSjis);
  return table;
}

DesignRecord StoredDesign() {
  DesignRecord r;
  r.InUse = 1;
  r.MaterialNo = 4;
  r.WireDiameter = 0.123456789012345678;
  r.MeanDiameter = 10.123456;
  r.TotalTurns = 10.5;
  r.FreeLength = 25.06;
  r.Load1 = 1.23456;
  r.Load2 = 12345.6;
  r.Length1 = 20.126;
  r.Length2 = 0.00001234;
  r.SpringRate = 0.5;
  r.Stress2 = -3.25;
  r.AllowableStress = 100000;
  r.LifeClass = 3;
  r.EndKind = EndKind::ClosedGround;
  return r;
}

TEST(HistoryRowTextsTest, FormatsEveryColumnOfAStoredSlot) {
  const std::array<std::string, 14> expected = {"ピアノ線",
                                                "0.123456789012346",  // full: 15 significant digits
                                                "10.12",              // short: 4 significant digits
                                                "10.5",
                                                "25.06",
                                                "1.235",
                                                "1.235E4",  // exponent 5 is beyond 4 digits
                                                "20.13",
                                                "1.234E-5",  // exponent -4 is below -3
                                                "0.5",
                                                "-3.25",
                                                "1E5",
                                                "6万",
                                                "クローズ（研削）"};
  EXPECT_EQ(HistoryRowTexts(StoredDesign(), TableWithSymbol(4)), expected);
}

TEST(HistoryRowTextsTest, EveryLifeClassAndEndKindHasItsText) {
  const std::vector<std::string> lives = {"1000万", "100万", "10万", "6万",    "4万",
                                          "3万",    "2万",   "1万",  "1万以下"};
  const std::vector<std::string> ends = {"クローズ（無研削）",       "クローズ（研削）",
                                         "クローズ（テーパー）",     "オープン（無研削）",
                                         "オープン（研削）",         "オープン（テーパー）",
                                         "オープン3/4座巻（無研削）"};
  DesignRecord r = StoredDesign();
  for (int i = 0; i < 9; ++i) {
    r.LifeClass = i;
    EXPECT_EQ(HistoryRowTexts(r, MaterialTable{})[12], lives[i]);
  }
  for (const EndKind kind : AllCodes<EndKind>()) {
    r.EndKind = kind;
    EXPECT_EQ(HistoryRowTexts(r, MaterialTable{})[13], ends[RawOf(kind)]);
  }
}

TEST(HistoryRowTextsTest, ASlotNotMarkedInUseGivesEmptyTexts) {
  for (std::int32_t inUse : {0, 2, -1}) {
    DesignRecord r = StoredDesign();
    r.InUse = inUse;
    for (const std::string& cell : HistoryRowTexts(r, TableWithSymbol(4))) {
      EXPECT_EQ(cell, "") << "InUse " << inUse;
    }
  }
}

struct DamagedCase {
  std::int32_t materialNo, lifeClass, endKind;
  std::array<bool, 3> emptySymbolLifeEnd;
};

TEST(HistoryRowTextsTest, IndexesOutsideTheirTablesGiveEmptyCellsOnly) {
  const std::vector<DamagedCase> cases = {{30, 3, 1, {true, false, false}},
                                          {-1, 3, 1, {true, false, false}},
                                          {4, 9, 1, {false, true, false}},
                                          {4, -1, 1, {false, true, false}},
                                          {4, 3, 7, {false, false, true}},
                                          {4, 3, -1, {false, false, true}},
                                          {INT32_MIN, INT32_MAX, INT32_MIN, {true, true, true}}};
  for (const DamagedCase& c : cases) {
    DesignRecord r = StoredDesign();
    r.MaterialNo = c.materialNo;
    r.LifeClass = c.lifeClass;
    r.EndKind = static_cast<EndKind>(c.endKind);  // as a damaged file holds it
    const auto texts = HistoryRowTexts(r, TableWithSymbol(4));
    EXPECT_EQ(texts[0].empty(), c.emptySymbolLifeEnd[0]) << c.materialNo;
    EXPECT_EQ(texts[12].empty(), c.emptySymbolLifeEnd[1]) << c.lifeClass;
    EXPECT_EQ(texts[13].empty(), c.emptySymbolLifeEnd[2]) << c.endKind;
    EXPECT_EQ(texts[1], "0.123456789012346");  // the numbers are still shown
  }
}

TEST(HistoryGridTest, HeadingsAndWidthsOfTheGrid) {
  EXPECT_EQ(kHistoryRows, 32);
  EXPECT_EQ(std::accumulate(kHistoryColumnWidths.begin(), kHistoryColumnWidths.end(), 0), 870);
  EXPECT_EQ(kHistoryColumnWidths[0], 30);
  EXPECT_EQ(kHistoryColumnWidths[14], 141);
  EXPECT_STREQ(kHistoryItemHeadings[3], "ｺｲﾙ径");
  EXPECT_STREQ(kHistoryItemHeadings[12], "許容ねじり応力");
  EXPECT_STREQ(kHistoryUnitHeadings[0], "単位");
  EXPECT_STREQ(kHistoryUnitHeadings[1], "");
  EXPECT_STREQ(kHistoryUnitHeadings[11], "kgf/mm^2");
  EXPECT_STREQ(kHistoryUnitHeadings[13], "回");
  EXPECT_STREQ(kHistoryUnitHeadings[14], "");
  EXPECT_EQ(HistoryRowOfSlot(5), 6);
  EXPECT_EQ(HistorySlotOfRow(31), 30);
}

SpringDesign NumberedDesign() {
  SpringDesign design;
  for (int i = 0; i <= 30; ++i) {
    design[i].InUse = i % 2;
    design[i].FreeLength = 100 + i;
    design[i].Reserved216[119] = static_cast<std::uint8_t>(i);
  }
  return design;
}

TEST(CopyDesignRecordTest, CopiesTheWholeRecordReservedBytesIncluded) {
  SpringDesign design = NumberedDesign();
  CopyDesignRecord(design, 0, 5);
  EXPECT_EQ(design[5], NumberedDesign()[0]);
  CopyDesignRecord(design, 30, 0);
  EXPECT_EQ(design[0], NumberedDesign()[30]);
  EXPECT_EQ(design[0].Reserved216[119], 30);
  // Nothing else moved.
  for (int i = 1; i <= 30; ++i) {
    if (i != 5) {
      EXPECT_EQ(design[i], NumberedDesign()[i]) << i;
    }
  }
}

TEST(CopyDesignRecordTest, RefusesRecordNumbersOutsideTheDesign) {
  const std::vector<std::pair<int, int>> refused = {{-1, 0}, {0, -1},        {31, 0},
                                                    {0, 31}, {INT32_MIN, 1}, {1, INT32_MAX}};
  for (const auto& [from, to] : refused) {
    SpringDesign design = NumberedDesign();
    CopyDesignRecord(design, from, to);
    EXPECT_EQ(design, NumberedDesign()) << from << " -> " << to;
  }
}

TEST(HistorySlotTest, SelectorNumbersAreHeldToTheSlots) {
  const std::vector<std::pair<long long, int>> numbers = {
      {1, 1}, {5, 5}, {30, 30}, {0, 1}, {-7, 1}, {31, 30}, {LLONG_MAX, 30}, {LLONG_MIN, 1}};
  for (const auto& [number, slot] : numbers) EXPECT_EQ(HistorySlotFromNumber(number), slot);
}

TEST(HistorySlotTest, SelectorTextsThatAreNoWholeNumberCountAsOne) {
  const std::vector<std::pair<std::string, int>> texts = {{"5", 5},
                                                          {" 7 ", 7},
                                                          {"+3", 3},
                                                          {"30", 30},
                                                          {"0", 1},
                                                          {"-4", 1},
                                                          {"31", 30},
                                                          {"1000", 30},
                                                          {"", 1},
                                                          {"   ", 1},
                                                          {"abc", 1},
                                                          {"2.5", 1},
                                                          {"5x", 1},
                                                          {"--5", 1},
                                                          {"+", 1},
                                                          {"99999999999999999999999", 30},
                                                          {"-99999999999999999999999", 1}};
  for (const auto& [text, slot] : texts) EXPECT_EQ(HistorySlotFromText(text), slot) << text;
}

}  // namespace
}  // namespace coilspring
