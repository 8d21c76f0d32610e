// The shipped material database as the program reads it from its folder. Expected values are
// read by hand from the JIS tables collected for the database (minimum tensile strengths).
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/text/sjis.h"

namespace coilspring {
namespace {

class ShippedMaterialsTest : public testing::Test {
 protected:
  void SetUp() override {
    const Bytes bytes = ReadWholeFile(std::string(COILSPRING_BIN_DIR) + "/zaidat.dst");
    ASSERT_EQ(bytes.size(), MaterialTable::kSize);
    DecodeFrom(bytes.data(), table_);
  }

  std::optional<int> FindSymbol(const std::string& symbol) const {
    for (int r = 0; r < kMaterialCount; ++r)
      if (SjisToUtf8(table_[r].Symbol.Raw()) == symbol) return r;
    return std::nullopt;
  }

  MaterialTable table_;
};

TEST_F(ShippedMaterialsTest, FreshStartFindsPianoWireOfPointEightAtTheStartRow) {
  const MaterialRecord& first = table_[0];
  EXPECT_EQ(first.KindNo, 0);
  EXPECT_EQ(SjisToUtf8(first.KindName.Raw()), "ピアノ線");
  EXPECT_EQ(SjisToUtf8(first.Symbol.Raw()), "SWP-B");
  // The design starts at row 20 with 0.8 mm.
  EXPECT_EQ(first.WireDiameters[20], 0.8);
  EXPECT_EQ(first.TensileStrengths[20], 2350);
}

TEST_F(ShippedMaterialsTest, ListedMaterialsAreUsable) {
  int materials = 0;
  std::set<int> kinds;
  int perKind[kKindCount] = {};
  for (int r = 0; r < kMaterialCount; ++r) {
    const MaterialRecord& m = table_[r];
    if (m.KindNo == kEmptyKindNo) {
      EXPECT_EQ(m.RowCount, 0) << r;
      continue;
    }
    ASSERT_GE(m.KindNo, 0) << r;
    ASSERT_LT(m.KindNo, kKindCount) << r;
    ++materials;
    kinds.insert(m.KindNo);
    ++perKind[m.KindNo];
    EXPECT_GT(m.RowCount, 0) << r;
    EXPECT_LE(m.RowCount, kMaterialRows) << r;
    EXPECT_GT(m.ShearModulus, 0) << r;
    EXPECT_GT(m.YoungModulus, m.ShearModulus) << r;
    EXPECT_GT(m.Symbol.length, 0) << r;
    for (int i = 0; i < m.RowCount; ++i) {
      EXPECT_GT(m.WireDiameters[i], i == 0 ? 0.0 : m.WireDiameters[i - 1]) << r << " row " << i;
      EXPECT_GT(m.TensileStrengths[i], 0) << r << " row " << i;
    }
    // No tabulated allowable stresses: the ratio applies to every row.
    EXPECT_EQ(m.AllowableTorsion[0], 0) << r;
    EXPECT_EQ(m.TorsionRatio, 45) << r;
  }
  EXPECT_GE(materials, 8);
  EXPECT_GE(kinds.size(), 4u);
  // Kind numbers without gaps, eight places per kind.
  EXPECT_EQ(*kinds.rbegin() + 1, static_cast<int>(kinds.size()));
  for (int k = 0; k < kKindCount; ++k) EXPECT_LE(perKind[k], kMembersPerKind) << k;
}

struct SpotValue {
  const char* symbol;
  double diameter;
  double tensile;
};

TEST_F(ShippedMaterialsTest, SpotValuesMatchTheMinimumOfTheStandardRange) {
  const SpotValue spots[] = {
      {"SWP-B", 0.08, 3190},       {"SWP-B", 2.0, 2010},        {"SWP-B", 7.0, 1620},
      {"SWP-A", 1.0, 2060},        {"SWP-A", 10.0, 1420},       {"SWP-V", 6.0, 1520},
      {"SW-C", 1.0, 1960},         {"SW-B", 0.4, 1960},         {"SW-B", 2.0, 1470},
      {"SW-A", 2.3, 1230},         {"SUS304-WPB", 0.7, 1850},   {"SUS304-WPB", 4.0, 1450},
      {"SUS304-WPB", 12.0, 880},   {"SUS304-WPA", 0.45, 1600},  {"SUS316-WPA", 8.0, 1000},
      {"SUS631J1-WPC", 0.2, 1950}, {"SUS631J1-WPC", 6.0, 1300}, {"SWOSC-V", 3.0, 1860},
  };
  for (const SpotValue& s : spots) {
    const std::optional<int> r = FindSymbol(s.symbol);
    ASSERT_TRUE(r.has_value()) << s.symbol;
    const MaterialRecord& m = table_[*r];
    bool found = false;
    for (int i = 0; i < m.UsableRows(); ++i) {
      if (m.WireDiameters[i] != s.diameter) continue;
      EXPECT_EQ(m.TensileStrengths[i], s.tensile) << s.symbol << " " << s.diameter;
      found = true;
    }
    EXPECT_TRUE(found) << s.symbol << " " << s.diameter;
  }
}

TEST_F(ShippedMaterialsTest, MissingValuesAreLeftOut) {
  // SWP-A minimums between 2.30 and 4.00 mm were not found; SWP-B 8.00 mm neither.
  const MaterialRecord& a = table_[*FindSymbol("SWP-A")];
  EXPECT_EQ(a.RowCount, 17);
  for (int i = 0; i < a.RowCount; ++i) EXPECT_NE(a.WireDiameters[i], 3.2);
  const MaterialRecord& b = table_[*FindSymbol("SWP-B")];
  EXPECT_EQ(b.WireDiameters[b.RowCount - 1], 7.0);
  // SUS631J1-WPC applies from 0.20 mm.
  EXPECT_EQ(table_[*FindSymbol("SUS631J1-WPC")].WireDiameters[0], 0.2);
}

struct Moduli {
  const char* symbol;
  const char* kindName;
  double g;
  double e;
};

TEST_F(ShippedMaterialsTest, ModuliAreTheDesignValuesOfEachKind) {
  const Moduli expected[] = {
      {"SWP-V", "ピアノ線", 78500, 206000},
      {"SW-C", "硬鋼線", 78500, 206000},
      {"SUS304-WPB", "ステンレス鋼線", 68500, 186000},
      {"SUS316-WPA", "ステンレス鋼線", 68500, 186000},
      {"SUS631J1-WPC", "ステンレス鋼線", 73500, 196000},
      {"SWOSC-V", "オイルテンパー線", 78500, 206000},
  };
  for (const Moduli& m : expected) {
    const std::optional<int> r = FindSymbol(m.symbol);
    ASSERT_TRUE(r.has_value()) << m.symbol;
    EXPECT_EQ(SjisToUtf8(table_[*r].KindName.Raw()), m.kindName) << m.symbol;
    EXPECT_EQ(table_[*r].ShearModulus, m.g) << m.symbol;
    EXPECT_EQ(table_[*r].YoungModulus, m.e) << m.symbol;
    EXPECT_EQ(table_[*r].BendingRatio, 70) << m.symbol;
  }
}

}  // namespace
}  // namespace coilspring
