#include "core/compression/reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/calc/fatigue.h"
#include "core/compression/design_fatigue.h"
#include "core/compression/reference_rows.h"
#include "core/compression/spring_calc.h"
#include "core/display/reference_rows.h"
#include "core/text/sjis.h"

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
    r.DiameterKind = DiameterKind::Mean;
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
  c.r.EndKind = EndKind::ClosedGround;
  c.r.InputMode = InputMode::Loads;
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
  c.r.InputMode = InputMode::Lengths;
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
    DiameterKind diameterKind;
    double load1, load2;
    std::array<double, 3> freeLength, coilDiameter, load1Tolerance;
  };
  using enum DiameterKind;
  const std::vector<Row> rows = {
      // c = 9: 1.5 %, 3 %, 4 % of 40 (min 0.5, 0.7, 0.8); outer 20: 1.5 % (min 0.2), 2 %, 3 %
      {"worked", 2, 18, 8, 40, Mean, 10, 20, {0.6, 1.2, 1.6}, {0.3, 0.4, 0.6}, {0.5, 1, 1.5}},
      // c = 5, L0 10: the minimums 0.2, 0.5, 0.7 win; outer 6: 0.15, 0.2, 0.4 minimums too
      {"small D/d", 1, 5, 5, 10, Outer, 4, -4, {0.2, 0.5, 0.7}, {0.15, 0.2, 0.4}, {0.2, 0.4, 0.6}},
      // c = 8 belongs to the first band; inner diameter 14 is held: 1 % -> 0.15 min, 1.5 % 0.21
      {"edge 8", 2, 16, 10, 100, Inner, 10, 20, {1, 2, 3}, {0.15, 0.21, 0.4}, {0.5, 1, 1.5}},
      // c = 22: last band, 2 %, 4 %, 6 % of 200; outer 23: 2 % 0.46, 3 % 0.69, 4 % 0.92;
      // 10.5 active coils: 4 %, 8 %, 12 %
      {"edge 22", 1, 22, 10.5, 200, Outer, 10, 20, {4, 8, 12}, {0.46, 0.69, 0.92}, {0.4, 0.8, 1.2}},
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
    EXPECT_EQ(x.toleranceOnInner, row.diameterKind == DiameterKind::Inner);
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
  const WorstCase& w = x.worstCase;
  v.insert(v.end(),
           {w.outerDiameterMax, w.innerDiameterMin, w.load1Min, w.load1Max, w.load2Min, w.load2Max,
            w.stress2Max, x.smallestSafeLength, x.smallestSafeLengthDynamic, x.energy12, x.energy2,
            x.wireLength, x.mass, x.temperature, x.shearLossPerKelvin, x.shearModulusAtTemperature,
            x.rateAtTemperature, x.load1AtTemperature, x.load2AtTemperature});
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
    c.r.InputMode = InputMode::Lengths;
    c.r.Length1 = row.L0 * 0.9;
    c.r.Length2 = row.L0 * 0.8;
    for (Seating s : kSeatings) {
      const ReferenceChecks x = c.Checks(s);
      if (x.worstCase.lifeClass) {
        EXPECT_GE(*x.worstCase.lifeClass, 0);
        EXPECT_LE(*x.worstCase.lifeClass, kLowestLifeClass);
      }
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
  ASSERT_EQ(rows.size(), 34u);
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
      // Grade 2 (see WorstCaseByGrade): no bore and no rod given, so no verdict.
      {17, "20.43", "mm", Verdict::None},
      {19, "1.544 / 1.887", "kgf", Verdict::None},
      {21, "25.13", "kgf/mm^2", Verdict::Ok},
      {22, kNotAvailable, "", Verdict::None},  // the material has no tensile strength
      {23, "25.54", "mm", Verdict::Ok},
      {25, "12.87", "kgf·mm", Verdict::None},
      {28, "13.98", "g", Verdict::None},
      {29, "0.00025", "1/K", Verdict::None},
      {31, "0.3431", "kgf/mm", Verdict::None},  // at 20 °C the rate itself
  };
  for (const Expect& e : expected) {
    SCOPED_TRACE(rows[e.row].item);
    EXPECT_EQ(rows[e.row].value, e.value);
    EXPECT_EQ(rows[e.row].unit, e.unit);
    EXPECT_EQ(rows[e.row].verdict, e.verdict);
  }
  EXPECT_EQ(rows[14].item, "コイル外径の許容差（1級/2級/3級）");
  EXPECT_EQ(rows[17].item, "L2時の最大外径（2級）");
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

// ---- Worst case, coil clearance, energy, wire, temperature -----------------------------------
// The worked example by hand: k = 78500·2⁴/(8·8·18³)/9.8066 = 0.3431419 kgf/mm, P1 = 5k =
// 1.715709, P2 = 10k = 3.431419 kgf; κ = 35/32 + 0.615/9 = 1.162083;
// τ2 = κ·8·18·P2/(π·2³) = 22.84723 kgf/mm²; outer diameter at L2 20.025488 (see above).
// Grade tolerances at D/d = 9, 8 active coils: outer diameter ±0.3 / ±0.4 / ±0.6 mm, loads
// ±5 / ±10 / ±15 %. Largest outer diameter 20.025488 + tol, least inner 16 − tol, loads
// P(1 ∓ %), τ2 at the upper P2 22.84723·(1 + %).
ReferenceChecks WorkedExampleWith(const ReferenceInputs& inputs) {
  Calculated c = WorkedExample();
  c.Calculate();
  return ComputeReferenceChecks(c.r, c.materials[0], inputs);
}

TEST(ReferenceWorstCase, WorstCaseByGrade) {
  struct Row {
    int grade;
    double outerMax, innerMin, load1Min, load1Max, load2Min, load2Max, stress2Max;
  };
  const std::vector<Row> rows = {
      {1, 20.32549, 15.7, 1.629924, 1.801495, 3.259848, 3.602989, 23.98959},
      {2, 20.42549, 15.6, 1.544138, 1.887280, 3.088277, 3.774560, 25.13196},
      {3, 20.62549, 15.4, 1.458353, 1.973066, 2.916706, 3.946131, 26.27432},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.grade);
    ReferenceInputs in;
    in.grade = row.grade;
    const WorstCase w = WorkedExampleWith(in).worstCase;
    EXPECT_EQ(w.grade, row.grade);
    ExpectRelative(w.outerDiameterMax.value, row.outerMax);
    ExpectRelative(w.innerDiameterMin.value, row.innerMin);
    ExpectRelative(w.load1Min.value, row.load1Min);
    ExpectRelative(w.load1Max.value, row.load1Max);
    ExpectRelative(w.load2Min.value, row.load2Min);
    ExpectRelative(w.load2Max.value, row.load2Max);
    ExpectRelative(w.stress2Max.value, row.stress2Max);
    EXPECT_EQ(w.stressVerdict, Verdict::Ok);  // far below τa = 1500·0.8/9.807 = 122.36
    EXPECT_EQ(w.boreVerdict, Verdict::None);
    EXPECT_EQ(w.rodVerdict, Verdict::None);
  }
}

// Grade 2: largest outer diameter 20.42549 mm, least inner diameter 15.6 mm.
TEST(ReferenceWorstCase, BoreAndRodVerdicts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    const char* what;
    std::optional<double> bore, rod;
    Verdict boreVerdict, rodVerdict;
  };
  const std::vector<Row> rows = {
      {"bore just clears", 20.4255, std::nullopt, Verdict::Ok, Verdict::None},
      {"bore too tight", 20.4254, std::nullopt, Verdict::Caution, Verdict::None},
      {"rod just clears", std::nullopt, 15.5999, Verdict::None, Verdict::Ok},
      {"rod too thick", std::nullopt, 15.6001, Verdict::None, Verdict::Caution},
      {"no sizes", 0.0, -3.0, Verdict::None, Verdict::None},
      {"not numbers", nan, nan, Verdict::None, Verdict::None},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    ReferenceInputs in;
    in.bore = row.bore;
    in.rod = row.rod;
    const WorstCase w = WorkedExampleWith(in).worstCase;
    EXPECT_EQ(w.boreVerdict, row.boreVerdict);
    EXPECT_EQ(w.rodVerdict, row.rodVerdict);
  }
}

// τ2 at the upper P2 of grade 2 is 25.13196; the check allows 0.0005 above τa like check 5.
TEST(ReferenceWorstCase, StressVerdictBoundary) {
  const std::vector<std::pair<double, Verdict>> rows = {{25.1315, Verdict::Ok},
                                                        {25.1314, Verdict::Caution}};
  for (const auto& [allowable, verdict] : rows) {
    Calculated c = WorkedExample();
    c.Calculate();
    c.r.AllowableStress = allowable;
    EXPECT_EQ(ComputeReferenceChecks(c.r, c.materials[0], {}).worstCase.stressVerdict, verdict)
        << allowable;
  }
}

// σB 600 N/mm²: τ1 = τ2/2 = 11.42362. The design's point x = 11.42362·9.8/600 = 0.186586,
// y = 22.84723·9.8/600 = 0.373171 lies under the 1000万 line 0.3 + 0.37/0.67·x = 0.403040.
// The worst point of grade 2, x = 0.9·0.186586 = 0.167927, y = 1.1·0.373171 = 0.410489, lies
// above it (0.392736) but under the 100万 line 0.328 + 0.342/0.67·x = 0.413718: class 1.
TEST(ReferenceWorstCase, LifeClassOfTheWorstPoint) {
  Calculated c = WorkedExample();
  c.materials[0].TensileStrengths = {600, 600};
  c.Calculate();
  DetermineLifeClass(c.r, c.materials);
  EXPECT_EQ(c.r.LifeClass, 0);
  const WorstCase w = ComputeReferenceChecks(c.r, c.materials[0], {}).worstCase;
  ASSERT_TRUE(w.lifeClass.has_value());
  EXPECT_EQ(*w.lifeClass, 1);
  // Without a tensile strength the diagram has no point for it.
  c.materials[0].TensileStrengths = {0, 0};
  EXPECT_FALSE(ComputeReferenceChecks(c.r, c.materials[0], {}).worstCase.lifeClass);
}

// Sa = 8·(0.0015·18²/2 + 0.1·2) = 8·0.443 = 3.544 mm; Ln = 22 + 3.544 = 25.544 mm,
// dynamic 22 + 1.5·3.544 = 27.316 mm.
TEST(ReferenceCoilClearance, VerdictAtEachBoundary) {
  struct Row {
    double length2;
    Verdict statically, dynamically;
  };
  const std::vector<Row> rows = {
      {30, Verdict::Ok, Verdict::Ok},
      {27.3161, Verdict::Ok, Verdict::Ok},
      {27.3159, Verdict::Ok, Verdict::Caution},
      {25.5441, Verdict::Ok, Verdict::Caution},
      {25.5439, Verdict::Caution, Verdict::Caution},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.length2);
    Calculated c = WorkedExample();
    c.r.Length2 = row.length2;
    const ReferenceChecks x = c.Checks();
    ExpectRelative(x.smallestSafeLength.value, 25.544);
    ExpectRelative(x.smallestSafeLengthDynamic.value, 27.316);
    EXPECT_EQ(x.coilClearance, row.statically);
    EXPECT_EQ(x.coilClearanceDynamic, row.dynamically);
  }
}

// W12 = (1.715709 + 3.431419)/2·(35 − 30) = 12.86782 kgf·mm; W2 = 3.431419/2·(40 − 30) =
// 17.15709 kgf·mm.
TEST(ReferenceEnergy, WorkedExample) {
  const ReferenceChecks x = WorkedExampleWith({});
  ExpectRelative(x.energy12.value, 12.86782);
  ExpectRelative(x.energy2.value, 17.15709);
}

// π·18 = 56.54867; active 8·√(56.54867² + 4.25²) = 453.6652, ends 2·√(56.54867² + 2²) =
// 113.1680, together 566.8333 mm; mass π/4·2²·566.8333·ρ/1000: 13.97896 g at 7.85, 14.12142 g
// at 7.93.
TEST(ReferenceWire, LengthAndMass) {
  const std::vector<std::pair<std::optional<double>, double>> rows = {{std::nullopt, 13.97896},
                                                                      {7.93, 14.12142}};
  for (const auto& [density, mass] : rows) {
    ReferenceInputs in;
    in.density = density;
    const ReferenceChecks x = WorkedExampleWith(in);
    ExpectRelative(x.wireLength.value, 566.8333);
    ExpectRelative(x.mass.value, mass);
  }
  ReferenceInputs noDensity;
  noDensity.density = 0.0;
  const ReferenceChecks x = WorkedExampleWith(noDensity);
  EXPECT_TRUE(x.wireLength.valid);
  EXPECT_FALSE(x.mass.valid);
}

// G(T) = 78500·(1 − k·(T − 20)): steel k = 0.25·10⁻³, stainless 0.40·10⁻³. At 120 °C the
// factor is 0.975 (steel) or 0.96 (stainless), at −40 °C 1.015; rate and loads at L1/L2 scale
// with it from 0.3431419, 1.715709 and 3.431419.
TEST(ReferenceTemperature, ShearModulusRateAndLoads) {
  struct Row {
    const char* kind;
    double temperature, loss, shear, rate, load1, load2;
  };
  const std::vector<Row> rows = {
      {"ピアノ線", 20, 0.25e-3, 78500, 0.3431419, 1.715709, 3.431419},
      {"ピアノ線", 120, 0.25e-3, 76537.5, 0.3345633, 1.672817, 3.345633},
      {"ステンレス鋼線", 120, 0.40e-3, 75360, 0.3294162, 1.647081, 3.294162},
      {"硬鋼線", -40, 0.25e-3, 79677.5, 0.3482890, 1.741445, 3.482890},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.kind) + " " + std::to_string(row.temperature));
    Calculated c = WorkedExample();
    c.materials[0].KindName.AssignRaw(Utf8ToSjis(row.kind));
    c.Calculate();
    ReferenceInputs in;
    in.temperature = row.temperature;
    const ReferenceChecks x = ComputeReferenceChecks(c.r, c.materials[0], in);
    ExpectRelative(x.temperature.value, row.temperature);
    ExpectRelative(x.shearLossPerKelvin.value, row.loss);
    ExpectRelative(x.shearModulusAtTemperature.value, row.shear);
    ExpectRelative(x.rateAtTemperature.value, row.rate);
    ExpectRelative(x.load1AtTemperature.value, row.load1);
    ExpectRelative(x.load2AtTemperature.value, row.load2);
  }
}

// No temperature, one below absolute zero, and 4020 °C where 1 − 0.25·10⁻³·4000 leaves no
// modulus: nothing at temperature is offered.
TEST(ReferenceTemperature, BeyondTheRelation) {
  for (double t : {std::numeric_limits<double>::quiet_NaN(), -300.0, 4020.0}) {
    SCOPED_TRACE(t);
    ReferenceInputs in;
    in.temperature = t;
    const ReferenceChecks x = WorkedExampleWith(in);
    EXPECT_FALSE(x.shearModulusAtTemperature.valid);
    EXPECT_FALSE(x.rateAtTemperature.valid);
    EXPECT_FALSE(x.load2AtTemperature.valid);
  }
}

}  // namespace
}  // namespace coilspring
