#include "core/compression/spring_calc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "../param_names.h"
#include "support/worked_example.h"

namespace coilspring {
namespace {

struct WorkedExample {
  MaterialTable materials;
  CoefficientSettings settings;
  AllowableStressTable table;
  DesignRecord r;

  WorkedExample() { SetUpWorkedExample(materials, settings, r); }
  void Calculate() { CalculateSpring(r, materials, settings, table); }
};

void ExpectRelative(double actual, double expected, double tolerance = 2e-6) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << "expected " << expected;
}

TEST(CalculateSpring, WorkedExampleInLengthMode) {
  WorkedExample w;
  w.Calculate();
  ExpectRelative(w.r.SpringRate, 0.343142);
  EXPECT_EQ(w.r.SpringIndex, 9);
  ExpectRelative(w.r.WahlFactor, 1.162083);
  EXPECT_EQ(w.r.SolidHeight, 22);
  ExpectRelative(w.r.AllowableStress, 122.3616);
  ExpectRelative(w.r.MaxLoad, 18.37745);
  ExpectRelative(w.r.RecommendedFreeLength, 75.55641);
  ExpectRelative(w.r.Load1, 1.715709);
  ExpectRelative(w.r.Load2, 3.431419);
  ExpectRelative(w.r.Stress1, 11.42362);
  ExpectRelative(w.r.Stress2, 22.84723);
  // Inputs stay as entered.
  EXPECT_EQ(w.r.Length1, 35);
  EXPECT_EQ(w.r.Length2, 30);
}

TEST(CalculateSpring, WorkedExampleInLoadModeGivesTheLengthsBack) {
  WorkedExample w;
  w.r.InputMode = InputMode::Loads;
  w.r.Load1 = 1.715709;
  w.r.Load2 = 3.431419;
  w.r.Length1 = w.r.Length2 = -1;
  w.Calculate();
  EXPECT_NEAR(w.r.Length1, 35, 1e-5);
  EXPECT_NEAR(w.r.Length2, 30, 1e-5);
  EXPECT_EQ(w.r.Load1, 1.715709);
}

// A damaged record does not say which pair was entered: neither is taken for the other, and the
// design is reported as one that cannot be calculated instead of silently as loads entered.
TEST(CalculateSpring, AnInputModeOutsideTheEnumerationDerivesNeitherPair) {
  for (const std::int32_t raw : {2, 7, -1, INT32_MAX}) {
    WorkedExample w;
    w.r.InputMode = static_cast<InputMode>(raw);
    w.r.Load1 = 0;
    w.r.Load2 = 0;
    w.Calculate();
    EXPECT_EQ(w.r.Length1, 35) << raw;
    EXPECT_EQ(w.r.Length2, 30) << raw;
    EXPECT_EQ(w.r.Load1, 0) << raw;
    EXPECT_EQ(w.r.Load2, 0) << raw;
    ExpectRelative(w.r.SpringRate, 0.343142);
    EXPECT_TRUE(std::isnan(w.r.Stress1) && std::isnan(w.r.Stress2)) << raw;
    const ValidationResult v = ValidateDesign(w.r, w.table);
    EXPECT_TRUE(v.failed) << raw;
    EXPECT_EQ(v.lines.back(), "エラー：計算できない値があります（入力値を確認）") << raw;
  }
}

TEST(CalculateSpring, AllowableStressIsTheTableEntryAtATableDiameter) {
  WorkedExample w;
  w.materials[0].AllowableTorsion = {0, 0, 0};
  w.materials[0].AllowableTorsion[0] = 784.56;
  w.materials[0].RowCount = 1;
  w.materials[0].WireDiameters[0] = 2;
  // 784.56 N/mm^2 at 80 % is 64 kgf/mm^2.
  w.Calculate();
  EXPECT_NEAR(w.r.AllowableStress, 64, 1e-12);
}

struct TableCase {
  const char* name;
  std::vector<double> diameters, tensile, allowable;
  int torsionRatio;
  double x;
  double expectedStress;  // N/mm^2
};

void PrintTo(const TableCase& c, std::ostream* out) { *out << c.name; }

class AllowableTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(AllowableTableTest, InterpolatesAsDescribed) {
  const TableCase& c = GetParam();
  MaterialRecord m;
  m.RowCount = static_cast<int>(c.diameters.size());
  m.TorsionRatio = c.torsionRatio;
  for (std::size_t i = 0; i < c.diameters.size(); ++i) {
    m.WireDiameters[i] = c.diameters[i];
    m.TensileStrengths[i] = c.tensile[i];
    m.AllowableTorsion[i] = c.allowable[i];
  }
  AllowableStressTable t;
  BuildAllowableStressTable(m, t);
  EXPECT_DOUBLE_EQ(InterpolateTable(t.diameters, t.stresses, t.count, c.x), c.expectedStress)
      << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AllowableTableTest,
    ::testing::Values(
        // First allowable entry 0: the ratio table for every diameter, later entries ignored.
        TableCase{"ratio table", {1, 2, 3}, {2000, 1900, 1800}, {0, 900, 880}, 40, 2, 760},
        TableCase{"ratio table between rows", {1, 2, 3}, {2000, 1900, 1800}, {0, 900, 880}, 40,
                  2.5, 740},
        // Explicit table: the zero entry is skipped and its diameter interpolated.
        TableCase{"explicit, zero skipped", {1, 2, 3}, {2000, 1900, 1800}, {900, 0, 860}, 40, 2,
                  880},
        TableCase{"explicit at breakpoint", {1, 2, 3}, {0, 0, 0}, {900, 870, 860}, 0, 2, 870},
        // Beyond the table: the nearest end value.
        TableCase{"below the table", {1, 2}, {0, 0}, {900, 870}, 0, 0.5, 900},
        TableCase{"above the table", {1, 2}, {0, 0}, {900, 870}, 0, 2.5, 870},
        TableCase{"single row", {1}, {0}, {900}, 0, 1, 900},
        // Two equal diameters: no division by zero, the later entry.
        TableCase{"equal diameters", {1, 2, 2, 3}, {0, 0, 0, 0}, {900, 880, 860, 850}, 0, 2,
                  860}),
    [](const auto& info) { return test_names::FromText(info.param.name); });

TEST(InterpolateTable, ALaterMatchingSegmentWins) {
  // A table that repeats its diameters: segments 0 and 2 both hold x = 1.5, the later counts.
  MaterialColumn d{}, s{};
  d[0] = 1, d[1] = 2, d[2] = 1, d[3] = 2;
  s[0] = 100, s[1] = 200, s[2] = 400, s[3] = 600;
  EXPECT_DOUBLE_EQ(InterpolateTable(d, s, 4, 1.5), 500);
  EXPECT_DOUBLE_EQ(InterpolateTable(d, s, 2, 1.5), 150);
  EXPECT_EQ(InterpolateTable(d, s, 0, 1.5), 0);
}

struct CheckCase {
  const char* name;
  double c, L0, L1, L2, Hs, allowable, stress2, Na;
  std::vector<std::string> lines;
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

class ValidateDesignTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ValidateDesignTest, WritesTheFailedChecksInOrder) {
  const CheckCase& c = GetParam();
  DesignRecord r;
  r.WireDiameter = 2;
  r.SpringIndex = c.c;
  r.FreeLength = c.L0;
  r.Length1 = c.L1;
  r.Length2 = c.L2;
  r.SolidHeight = c.Hs;
  r.AllowableStress = c.allowable;
  r.Stress2 = c.stress2;
  r.ActiveTurns = c.Na;
  r.SpringRate = r.WahlFactor = 1;
  AllowableStressTable table;
  table.count = 2;
  table.diameters[0] = 1;
  table.diameters[1] = 3;
  const ValidationResult v = ValidateDesign(r, table);
  EXPECT_EQ(v.lines.Texts(), c.lines) << c.name;
  EXPECT_EQ(v.failed, c.lines.front() != kSuccessLine) << c.name;
}

const std::string kOk = kSuccessLine;

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ValidateDesignTest,
    ::testing::Values(
        CheckCase{"good", 9, 40, 35, 30, 22, 100, 50, 8, {kOk}},
        CheckCase{"c = 4 passes", 4, 40, 35, 30, 22, 100, 50, 8, {kOk}},
        CheckCase{"c = 22 passes", 22, 40, 35, 30, 22, 100, 50, 8, {kOk}},
        CheckCase{"c = 3.99", 3.99, 40, 35, 30, 22, 100, 50, 8, {"エラー：バネ指数が４以下"}},
        CheckCase{"c = 22.01", 22.01, 40, 35, 30, 22, 100, 50, 8, {"エラー：バネ指数が２２以上"}},
        CheckCase{"L2 short of Hs by less than 1e-7", 9, 40, 35, 22 - 0.5e-7, 22, 100, 50, 8, {kOk}},
        CheckCase{"L2 short of Hs by more", 9, 40, 35, 22 - 2e-7, 22, 100, 50, 8,
                  {"エラー：L2が密着高さより短い"}},
        CheckCase{"L0 = L1 = L2", 9, 30, 30, 30, 22, 100, 50, 8, {kOk}},
        CheckCase{"L1 > L0", 9, 40, 41, 30, 22, 100, 50, 8, {"エラー:バネ高さの順番が不適"}},
        CheckCase{"both orders wrong, one line", 9, 40, 41, 42, 22, 100, 50, 8,
                  {"エラー:バネ高さの順番が不適"}},
        CheckCase{"stress over by 0.0004 passes", 9, 40, 35, 30, 22, 100, 100.0004, 8, {kOk}},
        CheckCase{"stress over by 0.0006", 9, 40, 35, 30, 22, 100, 100.0006, 8,
                  {"エラー:ねじり応力オーバー"}},
        CheckCase{"Na = 3 passes", 9, 40, 35, 30, 22, 100, 50, 3, {kOk}},
        CheckCase{"Na = 2.99", 9, 40, 35, 30, 22, 100, 50, 2.99, {"エラー:有効巻き数が３以下です"}},
        CheckCase{"checks 1, 3 and 5", 3, 40, 35, 20, 22, 100, 200, 8,
                  {"エラー：バネ指数が４以下", "エラー：L2が密着高さより短い",
                   "エラー:ねじり応力オーバー"}}),
    [](const auto& info) { return test_names::FromText(info.param.name); });

TEST(ValidateDesign, DegenerateDesignsAreFaulty) {
  const double nan = std::nan("");
  struct Case {
    const char* name;
    double d, D, Na;
    int rows;
  } cases[] = {
      {"d = 0", 0, 18, 8, 3}, {"D = 0", 2, 0, 8, 3},   {"Na = 0", 2, 18, 0, 3},
      {"c = 1", 2, 2, 8, 3},  {"NaN", nan, 18, 8, 3},  {"d outside the table", 5, 18, 8, 3},
      {"one row", 2, 18, 8, 1},
  };
  for (const Case& c : cases) {
    WorkedExample w;
    w.materials[0].RowCount = c.rows;
    w.r.WireDiameter = c.d;
    w.r.MeanDiameter = c.D;
    w.r.ActiveTurns = c.Na;
    w.Calculate();
    const ValidationResult v = ValidateDesign(w.r, w.table);
    EXPECT_TRUE(v.failed) << c.name;
    EXPECT_NE(v.lines.back(), kSuccessLine) << c.name;
    EXPECT_TRUE(std::isfinite(w.r.AllowableStress)) << c.name;
  }
  // k = 0 in load mode (no shear modulus): lengths become infinite, reported as faulty.
  WorkedExample w;
  w.materials[0].ShearModulus = 0;
  w.r.InputMode = InputMode::Loads;
  w.r.Load1 = 1;
  w.Calculate();
  EXPECT_TRUE(ValidateDesign(w.r, w.table).failed);
}

TEST(InputDerivations, ActiveTurnsAndDiameters) {
  EXPECT_EQ(ActiveTurnsFor(5, EndKind::OpenUnground), 3.5);
  EXPECT_EQ(ActiveTurnsFor(4.5, EndKind::ClosedUnground), 2.99);
  EXPECT_EQ(ActiveTurnsFor(10, EndKind::ClosedUnground), 8);
  EXPECT_EQ(ActiveTurnsFor(10, EndKind::OpenThreeQuarterUnground), 8.5);
  EXPECT_EQ(ActiveTurnsFor(5, EndKind::ClosedTapered), 3);
  const CoilDiameters none{1, 2, 3};
  const CoilDiameters mean = DiametersFrom(DiameterKind::Mean, 10, 1.0, none);
  EXPECT_EQ(mean.inner, 9);
  EXPECT_EQ(mean.outer, 11);
  const CoilDiameters outer = DiametersFrom(DiameterKind::Outer, 12, 1.5, none);
  EXPECT_EQ(outer.inner, 9);
  EXPECT_EQ(outer.mean, 10.5);
  const CoilDiameters inner = DiametersFrom(DiameterKind::Inner, 9, 1.0, none);
  EXPECT_EQ(inner.mean, 10);
  EXPECT_EQ(inner.outer, 11);
  EXPECT_EQ(DiametersFrom(static_cast<DiameterKind>(5), 12, 1.5, none).mean, 2);
}

TEST(CodeNames, TheLabelAndListTextsOfEachCodeAndNoneOutsideIt) {
  const struct {
    std::int32_t raw;
    const char* diameter;
    const char* end;
  } rows[] = {{0, "内径", "クローズ（無研削）"},
              {1, "平均径", "クローズ（研削）"},
              {2, "外径", "クローズ（テーパー）"},
              {3, "", "オープン（無研削）"},
              {6, "", "オープン3/4座巻（無研削）"},
              {7, "", ""},
              {-1, "", ""},
              {INT32_MAX, "", ""}};
  for (const auto& row : rows) {
    EXPECT_STREQ(DiameterKindName(static_cast<DiameterKind>(row.raw)), row.diameter) << row.raw;
    EXPECT_STREQ(EndKindName(static_cast<EndKind>(row.raw)), row.end) << row.raw;
  }
}

TEST(InputDerivations, EndDrawModeAndBodyTurns) {
  const int modes[] = {2, 3, 3, 0, 1, 1, 1};
  for (const EndKind kind : AllCodes<EndKind>())
    EXPECT_EQ(EndDrawModeOf(kind), modes[RawOf(kind)]) << RawOf(kind);
  EXPECT_EQ(BodyTurnsOf(4.5), 2);  // 2.5 rounds to even
  EXPECT_EQ(BodyTurnsOf(5.5), 4);  // 3.5 rounds to even
  EXPECT_EQ(BodyTurnsOf(10), 8);
  EXPECT_EQ(BodyTurnsOf(1), -1);
}

TEST(DeriveInputsFromRecord, TakesTheTableDiameterAndTheStoredDiameterKind) {
  MaterialTable materials;
  materials[2].RowCount = 2;
  materials[2].WireDiameters[0] = 1.2;
  materials[2].WireDiameters[1] = 1.6;
  DesignRecord r;
  r.MaterialNo = 2;
  r.WireRow = 1;
  r.WireDiameter = 9;
  r.DiameterKind = DiameterKind::Outer;
  r.OuterDiameter = 12;
  r.TotalTurns = 7;
  r.EndKind = EndKind::OpenGround;
  DeriveInputsFromRecord(r, materials);
  EXPECT_EQ(r.WireDiameter, 1.6);
  EXPECT_DOUBLE_EQ(r.MeanDiameter, 10.4);
  EXPECT_DOUBLE_EQ(r.InnerDiameter, 8.8);
  EXPECT_EQ(r.ActiveTurns, 5.5);
  // A row the material does not have keeps the stored diameter.
  r.WireRow = 7;
  r.WireDiameter = 2;
  DeriveInputsFromRecord(r, materials);
  EXPECT_EQ(r.WireDiameter, 2);
}

}  // namespace
}  // namespace coilspring
