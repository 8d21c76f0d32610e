#include "core/calc/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/text/sjis.h"
#include "core/calc/reference_rows.h"
#include "core/calc/spring_calc.h"

namespace coilspring {
namespace {

void ExpectRelative(double actual, double expected, double tolerance = 1e-5) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << "expected " << expected;
}

// A design made as the calculate button makes it, from one material row at the wire diameter.
struct Calculated {
  MaterialTable materials;
  CoefficientSettings settings;
  AllowableStressTable table;
  DesignRecord r;

  Calculated(double G, double E, double d, double D, double Nt, double Na, double L0) {
    MaterialRecord& m = materials[0];
    m.ShearModulus = G;
    m.YoungModulus = E;
    m.RowCount = 2;
    m.WireDiameters = {d, d + 1};
    m.AllowableTorsion = {1500, 1500};
    settings.CompressionStressRatio = 80;
    r.WireDiameter = d;
    r.MeanDiameter = D;
    r.InnerDiameter = D - d;
    r.OuterDiameter = D + d;
    r.DiameterKind = 1;
    r.TotalTurns = Nt;
    r.ActiveTurns = Na;
    r.FreeLength = L0;
  }
  void Calculate() { CalculateSpring(r, materials, settings, table); }
  ReferenceChecks Checks(Seating seating = Seating::BothFixed) {
    Calculate();
    return ComputeReferenceChecks(r, materials[0], {seating, std::nullopt});
  }
};

// EN 13906-1:2013, Annex (calculation example of a compression spring): d 5, De 39.6 (D 34.6),
// n 9.5, nt 11.5, L0 105.8, G 81 500, E 206 000, ends closed and ground, F1 280 N, F2 620 N:
// R = 16.181 N/mm, natural frequency 159.5 Hz; with seating factor 0.5 the spring does not buckle.
Calculated EnExample() {
  Calculated c(81500, 206000, 5, 34.6, 11.5, 9.5, 105.8);
  c.r.EndKind = 1;
  c.r.InputMode = 0;
  c.r.Load1 = 280 / kKgfForRate;
  c.r.Load2 = 620 / kKgfForRate;
  return c;
}

TEST(ReferenceChecks, EuropeanWorkedExample) {
  Calculated c = EnExample();
  const ReferenceChecks x = c.Checks(Seating::BothFixed);
  EXPECT_NEAR(c.r.SpringRate * kKgfForRate, 16.181, 0.001);
  ASSERT_TRUE(x.naturalFrequency.valid);
  EXPECT_NEAR(x.naturalFrequency.value, 159.5, 0.05);
  EXPECT_EQ(x.density.value, kSteelDensity);  // an unnamed material counts as steel
  EXPECT_EQ(x.bucklingState, BucklingState::Stable);
  EXPECT_FALSE(x.criticalDeflection.valid);
  EXPECT_EQ(x.buckling, Verdict::Ok);
  ASSERT_TRUE(x.slenderness.valid);
  ExpectRelative(x.slenderness.value, 105.8 / 34.6);
}

// The same spring under the other seatings. Hand calculation: g = 81500/206000 = 0.395631,
// (1-g)/(0.5+g) = 0.674797; radicand 1 - 0.674797 (π·34.6/(ν·105.8))² is -1.849 (ν 0.5),
// -0.4536 (ν 0.7), 0.28772 (ν 1), 0.82193 (ν 2); s_k = 105.8·0.5/0.604369·(1-√radicand) and
// critical free length π·34.6/ν·√0.674797.
TEST(ReferenceChecks, EuropeanExampleBySeating) {
  struct Row {
    Seating seating;
    BucklingState state;
    double criticalDeflection;
    double criticalFreeLength;
  };
  const std::vector<Row> rows = {
      {Seating::BothFixed, BucklingState::Stable, 0, 178.5840},
      {Seating::FixedHinged, BucklingState::Stable, 0, 127.5600},
      {Seating::BothHinged, BucklingState::HasCriticalDeflection, 40.57938, 89.29198},
      {Seating::FixedFree, BucklingState::HasCriticalDeflection, 8.174984, 44.64599},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(SeatingName(row.seating));
    Calculated c = EnExample();
    const ReferenceChecks x = c.Checks(row.seating);
    EXPECT_EQ(x.bucklingState, row.state);
    ExpectRelative(x.criticalFreeLength.value, row.criticalFreeLength);
    ASSERT_TRUE(x.deflection2.valid);
    if (row.state == BucklingState::HasCriticalDeflection) {
      ExpectRelative(x.criticalDeflection.value, row.criticalDeflection);
      // Under 620 N the spring deflects 620/16.181 = 38.32 mm: below 40.58, above 8.17.
      EXPECT_EQ(x.buckling,
                x.deflection2.value < row.criticalDeflection ? Verdict::Ok : Verdict::Caution);
    }
  }
  EXPECT_EQ(EnExample().Checks(Seating::BothHinged).buckling, Verdict::Ok);
  EXPECT_EQ(EnExample().Checks(Seating::FixedFree).buckling, Verdict::Caution);
}

// Buckling example of a spring textbook: d 6, D 50, E 205 000, G 75 000, seating factor 0.707
// give a critical free length of about 190.14 mm.
TEST(ReferenceChecks, CriticalFreeLengthExample) {
  const auto length = CriticalFreeLength(50, 75000, 205000, 0.707);
  ASSERT_TRUE(length.has_value());
  EXPECT_NEAR(*length, 190.14, 0.01);
  // At exactly that free length the radicand is zero: the critical deflection is
  // L0·0.5/(1-g) = 190.14·0.5/0.634146 = 149.92 mm, just shorter free lengths cannot buckle.
  const BucklingResult at = BucklingOf(*length * (1 + 1e-9), 50, 75000, 205000, 0.707);
  EXPECT_EQ(at.state, BucklingState::HasCriticalDeflection);
  EXPECT_NEAR(at.criticalDeflection, 149.92, 0.05);
  EXPECT_EQ(BucklingOf(*length * 0.999, 50, 75000, 205000, 0.707).state, BucklingState::Stable);
}

TEST(ReferenceChecks, SeatingFactorsAndNames) {
  const std::vector<std::pair<Seating, double>> rows = {{Seating::BothFixed, 0.5},
                                                        {Seating::FixedHinged, 0.7},
                                                        {Seating::BothHinged, 1},
                                                        {Seating::FixedFree, 2}};
  ASSERT_EQ(rows.size(), kSeatings.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(kSeatings[i], rows[i].first);
    EXPECT_EQ(SeatingFactor(rows[i].first), rows[i].second);
    EXPECT_NE(std::string(SeatingName(rows[i].first)), "");
  }
  EXPECT_STREQ(SeatingName(Seating::BothFixed), "両端固定（ν=0.5）");
  EXPECT_STREQ(VerdictText(Verdict::Ok), "OK");
  EXPECT_STREQ(VerdictText(Verdict::Caution), "注意");
  EXPECT_STREQ(VerdictText(Verdict::None), "");
}

TEST(ReferenceChecks, DefaultDensityByKind) {
  struct Row {
    const char* kind;
    const char* symbol;
    double density;
  };
  const std::vector<Row> rows = {
      {"ピアノ線", "SWP-B", 7.85},
      {"硬鋼線", "SW-C", 7.85},
      {"オイルテンパー線", "SWOSC-V", 7.85},
      {"ステンレス鋼線", "SUS304-WPB", 7.93},
      {"ステンレス", "X", 7.93},
      {"特殊線", " sus631J1", 7.93},
      {"特殊線", "ＳＵＳ３０４", 7.93},
      {"", "", 7.85},
      {"鋼線", "SU", 7.85},
  };
  for (const Row& row : rows) {
    MaterialRecord m;
    m.KindName.AssignRaw(Utf8ToSjis(row.kind));
    m.Symbol.AssignRaw(Utf8ToSjis(row.symbol));
    EXPECT_EQ(DefaultDensity(m), row.density) << row.kind << " " << row.symbol;
  }
}

TEST(ReferenceChecks, DensityChoiceChangesFrequency) {
  Calculated c = EnExample();
  c.Calculate();
  const ReferenceChecks steel = ComputeReferenceChecks(c.r, c.materials[0], {});
  const ReferenceChecks light = ComputeReferenceChecks(c.r, c.materials[0], {{}, 7.85 / 4});
  // f grows with 1/√ρ: a quarter of the density doubles it.
  ExpectRelative(light.naturalFrequency.value, 2 * steel.naturalFrequency.value);
  for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
    const ReferenceChecks x = ComputeReferenceChecks(c.r, c.materials[0], {{}, bad});
    EXPECT_FALSE(x.density.valid);
    EXPECT_FALSE(x.naturalFrequency.valid);
  }
}

// The worked example of the calculation (G 78500, d 2, D 18, Nt 10, Na 8, L0 40, L1 35, L2 30,
// allowable 1500·0.8/9.807): k 0.343142, κ 1.162083, Hs 22, τa 122.3616. By hand:
// solid load 0.343142·18 = 6.176556 kgf; 8·18·6.176556/π/8 = 35.38906 kgf/mm² uncorrected,
// ·1.162083 = 41.12502 corrected; ratios 0.289217 and 0.336094.
Calculated WorkedExample() {
  Calculated c(78500, 206000, 2, 18, 10, 8, 40);
  c.r.InputMode = 1;
  c.r.Length1 = 35;
  c.r.Length2 = 30;
  return c;
}

TEST(ReferenceChecks, SolidStressOfWorkedExample) {
  Calculated c = WorkedExample();
  const ReferenceChecks x = c.Checks();
  ExpectRelative(x.solidLoad.value, 6.176556);
  ExpectRelative(x.solidStress.value, 35.38906);
  ExpectRelative(x.solidStressCorrected.value, 41.12502);
  ExpectRelative(x.solidStressRatio.value, 0.289217);
  ExpectRelative(x.solidStressCorrectedRatio.value, 0.336094);
  EXPECT_EQ(x.solidStressVerdict, Verdict::Ok);
}

TEST(ReferenceChecks, SolidStressAboveAllowableNeedsCare) {
  Calculated c = WorkedExample();
  c.r.FreeLength = 120;  // 98 mm to solid: 33.6 kgf, far above the maximum load of 18.4 kgf
  const ReferenceChecks x = c.Checks();
  EXPECT_GT(x.solidStressCorrectedRatio.value, 1);
  EXPECT_EQ(x.solidStressVerdict, Verdict::Caution);
}

// Pitch (40-22)/8 + 2 = 4.25; at L2 (30-22)/8 + 2 = 3; the wire keeps its length:
// D2 = √(18² + (4.25² - 3²)/π²) = 18.025488, outer diameter 20.025488, growth 0.025488.
TEST(ReferenceChecks, DiameterGrowthOfWorkedExample) {
  Calculated c = WorkedExample();
  const ReferenceChecks x = c.Checks();
  ExpectRelative(x.pitch.value, 4.25);
  ExpectRelative(x.outerDiameterAtL2.value, 20.025488);
  ExpectRelative(x.outerDiameterGrowth.value, 0.025488, 1e-4);
}

TEST(ReferenceChecks, DiameterAtSolidAndBeyond) {
  Calculated c = WorkedExample();
  c.r.Length2 = 22;  // at solid the pitch is the wire: √(18² + (4.25² - 2²)/π²) + 2
  ExpectRelative(c.Checks().outerDiameterAtL2.value,
                 std::sqrt(324 + (4.25 * 4.25 - 4) / (kPi * kPi)) + 2);
  c.r.Length2 = 21;  // beyond solid: no such state of the spring
  const ReferenceChecks x = c.Checks();
  EXPECT_FALSE(x.outerDiameterAtL2.valid);
  EXPECT_FALSE(x.outerDiameterGrowth.valid);
  EXPECT_TRUE(x.pitch.valid);
}

// JIS B 2704-2:2009 tolerance tables (as published by JSMA): free length and coil diameter by
// D/d (3-8 / over 8-15 / over 15-22: percent with a minimum), load by active coils (3-10 /
// over 10). Expected values by hand from those tables.
TEST(ReferenceChecks, ToleranceGrades) {
  struct Row {
    const char* what;
    double d, D, Na, L0;
    int diameterKind;
    double load1, load2;
    std::array<double, 3> freeLength, coilDiameter, load1Tolerance;
  };
  const std::vector<Row> rows = {
      // c = 9: 1.5 %, 3 %, 4 % of 40 (min 0.5, 0.7, 0.8); outer 20: 1.5 % (min 0.2), 2 %, 3 %
      {"worked example", 2, 18, 8, 40, 1, 10, 20, {0.6, 1.2, 1.6}, {0.3, 0.4, 0.6}, {0.5, 1, 1.5}},
      // c = 5, L0 10: the minimums 0.2, 0.5, 0.7 win; outer 6: 0.15, 0.2, 0.4 minimums too
      {"small index", 1, 5, 5, 10, 2, 4, -4, {0.2, 0.5, 0.7}, {0.15, 0.2, 0.4}, {0.2, 0.4, 0.6}},
      // c = 8 belongs to the first band; inner diameter 14 is held: 1 % -> 0.15 min, 1.5 % 0.21
      {"edge 8", 2, 16, 10, 100, 0, 10, 20, {1, 2, 3}, {0.15, 0.21, 0.4}, {0.5, 1, 1.5}},
      // c = 22: last band, 2 %, 4 %, 6 % of 200; outer 23: 2 % 0.46, 3 % 0.69, 4 % 0.92;
      // 10.5 active coils: 4 %, 8 %, 12 %
      {"edge 22", 1, 22, 10.5, 200, 2, 10, 20, {4, 8, 12}, {0.46, 0.69, 0.92}, {0.4, 0.8, 1.2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    DesignRecord r;
    r.WireDiameter = row.d;
    r.MeanDiameter = row.D;
    r.ActiveTurns = row.Na;
    r.FreeLength = row.L0;
    r.DiameterKind = row.diameterKind;
    r.Load1 = row.load1;
    r.Load2 = row.load2;
    const ReferenceChecks x = ComputeReferenceChecks(r, MaterialRecord{}, {});
    EXPECT_EQ(x.toleranceOnInner, row.diameterKind == 0);
    for (int g = 0; g < kToleranceGrades; ++g) {
      SCOPED_TRACE(g + 1);
      const GradeTolerances& t = x.tolerances[g];
      ASSERT_TRUE(t.freeLength.valid && t.coilDiameter.valid && t.load1.valid && t.load2.valid);
      ExpectRelative(t.freeLength.value, row.freeLength[g]);
      ExpectRelative(t.coilDiameter.value, row.coilDiameter[g]);
      ExpectRelative(t.load1.value, row.load1Tolerance[g]);
      ExpectRelative(t.load2.value, row.load1Tolerance[g] * std::fabs(row.load2 / row.load1));
    }
  }
}

TEST(ReferenceChecks, TolerancesOutsideTheTables) {
  struct Row {
    const char* what;
    double d, D, Na;
    bool dimensions, loads;
  };
  const std::vector<Row> rows = {
      {"index below 3", 1, 2.9, 5, false, true},
      {"index above 22", 1, 22.5, 5, false, true},
      {"index exactly 3", 1, 3, 5, true, true},
      {"fewer than 3 active coils", 1, 10, 2.99, true, false},
      {"no wire", 0, 10, 5, false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    DesignRecord r;
    r.WireDiameter = row.d;
    r.MeanDiameter = row.D;
    r.ActiveTurns = row.Na;
    r.FreeLength = 30;
    r.Load1 = 5;
    r.Load2 = 8;
    const ReferenceChecks x = ComputeReferenceChecks(r, MaterialRecord{}, {});
    for (const GradeTolerances& t : x.tolerances) {
      EXPECT_EQ(t.freeLength.valid, row.dimensions);
      EXPECT_EQ(t.coilDiameter.valid, row.dimensions);
      EXPECT_EQ(t.load1.valid, row.loads);
      EXPECT_EQ(t.load2.valid, row.loads);
    }
  }
}

std::vector<ReferenceValue> AllValues(const ReferenceChecks& x) {
  std::vector<ReferenceValue> v = {x.slenderness,
                                   x.criticalFreeLength,
                                   x.criticalDeflection,
                                   x.deflection2,
                                   x.density,
                                   x.naturalFrequency,
                                   x.solidLoad,
                                   x.solidStress,
                                   x.solidStressCorrected,
                                   x.solidStressRatio,
                                   x.solidStressCorrectedRatio,
                                   x.pitch,
                                   x.outerDiameterAtL2,
                                   x.outerDiameterGrowth};
  for (const GradeTolerances& t : x.tolerances)
    v.insert(v.end(), {t.freeLength, t.coilDiameter, t.load1, t.load2});
  return v;
}

// Degenerate designs, calculated as the button would: nothing but finite numbers is ever
// offered as valid, and what cannot be judged carries no verdict.
TEST(ReferenceChecks, DegenerateDesignsGiveNoNumbersThatAreNotNumbers) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* what;
    double G, E, d, D, Nt, Na, L0;
  };
  const std::vector<Row> rows = {
      {"all zero", 0, 0, 0, 0, 0, 0, 0},
      {"no mean diameter", 78500, 206000, 2, 0, 10, 8, 40},
      {"no active coils", 78500, 206000, 2, 18, 2, 0, 40},
      {"negative turns", 78500, 206000, 2, 18, -3, -5, 40},
      {"no Young's modulus", 78500, 0, 2, 18, 10, 8, 40},
      {"G equal to E", 78500, 78500, 2, 18, 10, 8, 40},
      {"index 1", 78500, 206000, 2, 2, 10, 8, 40},
      {"free length below solid", 78500, 206000, 2, 18, 10, 8, 10},
      {"NaN wire", 78500, 206000, nan, 18, 10, 8, 40},
      {"infinite free length", 78500, 206000, 2, 18, 10, 8, inf},
      {"huge numbers", 78500, 206000, 1e200, 1e300, 10, 8, 1e300},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    Calculated c(row.G, row.E, row.d, row.D, row.Nt, row.Na, row.L0);
    c.r.InputMode = 1;
    c.r.Length1 = row.L0 * 0.9;
    c.r.Length2 = row.L0 * 0.8;
    for (Seating s : kSeatings) {
      const ReferenceChecks x = c.Checks(s);
      for (const ReferenceValue& v : AllValues(x)) {
        if (v.valid) {
          EXPECT_TRUE(std::isfinite(v.value));
        } else {
          EXPECT_EQ(v.value, 0);
        }
      }
      if (!x.deflection2.valid) {
        EXPECT_NE(x.buckling, Verdict::Caution);
      }
    }
  }
  Calculated noModulus(78500, 0, 2, 18, 10, 8, 40);
  const ReferenceChecks x = noModulus.Checks();
  EXPECT_EQ(x.bucklingState, BucklingState::Unknown);
  EXPECT_EQ(x.buckling, Verdict::None);
  EXPECT_FALSE(x.criticalFreeLength.valid);
  Calculated below(78500, 206000, 2, 18, 10, 8, 10);
  const ReferenceChecks y = below.Checks();
  EXPECT_FALSE(y.solidLoad.valid);
  EXPECT_EQ(y.solidStressVerdict, Verdict::None);
  EXPECT_FALSE(y.pitch.valid);
}

// The rows the tab shows: short number format, units, "―" for what the design does not give.
TEST(ReferenceRows, WorkedExampleTexts) {
  Calculated c = WorkedExample();
  const std::vector<ReferenceRow> rows = ReferenceRows(c.Checks());
  ASSERT_EQ(rows.size(), 17u);
  struct Expect {
    std::size_t row;
    const char* value;
    const char* unit;
    Verdict verdict;
  };
  // Critical free length π·18/0.5·√((1-g)/(0.5+g)), g = 78500/206000: 94.79 mm > 40 mm.
  const std::vector<Expect> expected = {
      {0, "2.222", "", Verdict::None},
      {1, "94.79", "mm", Verdict::None},
      {2, kNoBuckling, "", Verdict::None},  // no unit without a number
      {3, "10", "mm", Verdict::Ok},
      {5, "6.177", "kgf", Verdict::None},
      {6, "35.39", "kgf/mm^2", Verdict::None},
      {7, "41.13", "kgf/mm^2", Verdict::None},
      {9, "0.3361", "", Verdict::Ok},
      {10, "4.25", "mm", Verdict::None},
      {11, "20.03", "mm", Verdict::None},
      {13, "±0.6 / ±1.2 / ±1.6", "mm", Verdict::None},
      {14, "±0.3 / ±0.4 / ±0.6", "mm", Verdict::None},
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(rows[e.row].item);
    EXPECT_EQ(rows[e.row].value, e.value);
    EXPECT_EQ(rows[e.row].unit, e.unit);
    EXPECT_EQ(rows[e.row].verdict, e.verdict);
  }
  EXPECT_EQ(rows[14].item, "コイル外径の許容差（1級/2級/3級）");
}

TEST(ReferenceRows, DegenerateDesignShowsDashesOnly) {
  Calculated c(0, 0, 0, 0, 0, 0, 0);
  for (const ReferenceRow& row : ReferenceRows(c.Checks())) {
    SCOPED_TRACE(row.item);
    EXPECT_EQ(row.value.find("NAN"), std::string::npos);
    EXPECT_EQ(row.value.find("INF"), std::string::npos);
    EXPECT_EQ(row.verdict, Verdict::None);
  }
  EXPECT_EQ(ReferenceRows(c.Checks())[4].value, kNotAvailable);
  EXPECT_EQ(ReferenceRows(c.Checks())[4].unit, "");
}

}  // namespace
}  // namespace coilspring
