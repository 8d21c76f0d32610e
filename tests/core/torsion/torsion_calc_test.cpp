#include "core/torsion/torsion_calc.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/compression/spring_calc.h"
#include "support/torsion_example.h"

namespace coilspring {
namespace {

class TorsionCalcTest : public TorsionExample {
 protected:
  std::vector<std::string> Lines() { return CheckTorsion(t, *materials).lines; }
};

// By hand, π = 3.141592654:
//   c  = 16 / 2 = 8;  κb = (4·64 − 8 − 1) / (4·8·7) = 247 / 224 = 1.1026786
//   Na = 6 + (25 + 25) / (3π·16) = 6 + 50 / 150.79645 = 6.3315728
//   kT = 206000·2⁴ / (3667·16·6.3315728) / 9.8066 = 8.8724796 / 9.8066 = 0.9047451 kgf·mm/°
//   M1 = 0.9047451·30 = 27.142353, M2 = 54.284707 kgf·mm; P = M / 25: 1.0856941, 2.1713883 kgf
//   σ  = κb·32·M / (π·8): σ1 = 38.107157, σ2 = 76.214315 kgf/mm²
//   σa = 70 % · 2010 / 9.807 = 143.46895 kgf/mm²
//   Mmax = 143.46895·π·8 / (32·1.1026786) = 102.18776 kgf·mm;  θmax = Mmax / kT = 112.94646°
//   D2 = 16·6.3315728 / (6.3315728 + 60/360) = 15.589632;  D2 − d = 13.589632
//   body length = (6 + 1 + 60/360)·2 = 14.333333;  σ2/σB = 76.214315 / (2010/9.807) = 0.3718576
struct Expected {
  const char* name;
  double value;
};
const Expected kWorkedExample[] = {
    {"InnerDiameter", 14},          {"OuterDiameter", 18},           {"SpringIndex", 8},
    {"BendingFactor", 1.1026786},   {"ActiveTurns", 6.3315728},      {"SpringRate", 0.9047451},
    {"Moment1", 27.142353},         {"Moment2", 54.284707},          {"Load1", 1.0856941},
    {"Load2", 2.1713883},           {"Stress1", 38.107157},          {"Stress2", 76.214315},
    {"AllowableStress", 143.46895}, {"MaxMoment", 102.18776},        {"MaxAngle", 112.94646},
    {"MeanDiameter2", 15.589632},   {"InnerDiameter2", 13.589632},   {"BodyLength2", 14.333333},
    {"TensileStrength", 204.95564}, {"UpperStressRatio", 0.3718576},
};

TEST_F(TorsionCalcTest, WorkedExampleByHand) {
  Calculate();
  for (const Expected& e : kWorkedExample) {
    SCOPED_TRACE(e.name);
    std::optional<double> value;
    TorsionDesign::VisitFields(t, [&](const DesignField& f, const auto& field) {
      if constexpr (std::is_constructible_v<std::optional<double>, decltype(field)>)
        if (f.name == std::string_view(e.name)) value = field;
    });
    ASSERT_TRUE(value.has_value());
    EXPECT_NEAR(*value, e.value, 1e-6 * std::max(1.0, e.value));
  }
  EXPECT_EQ(Lines(), std::vector<std::string>{kSuccessLine});
}

TEST_F(TorsionCalcTest, MomentsGiveBackTheAngles) {
  t.InputMode = kMomentsEntered;
  t.Moment1 = 27.142353;
  t.Moment2 = 54.284707;
  Calculate();
  EXPECT_NEAR(t.Angle1, 30, 1e-5);
  EXPECT_NEAR(t.Angle2, 60, 1e-5);
}

TEST_F(TorsionCalcTest, TheEnteredDiameterSetsTheOthers) {
  struct Case {
    DiameterKind kind;
    double entered, inner, mean, outer;
  };
  for (const Case& c :
       {Case{DiameterKind::Inner, 14, 14, 16, 18}, Case{DiameterKind::Mean, 16, 14, 16, 18},
        Case{DiameterKind::Outer, 18, 14, 16, 18}}) {
    t.InnerDiameter = t.MeanDiameter = t.OuterDiameter = 0;
    t.DiameterKind = c.kind;
    EnteredDiameter(t) = c.entered;
    Calculate();
    EXPECT_EQ(t.InnerDiameter, c.inner);
    EXPECT_EQ(t.MeanDiameter, c.mean);
    EXPECT_EQ(t.OuterDiameter, c.outer);
  }
}

TEST_F(TorsionCalcTest, TheArmIsTheFirstLegUnlessGiven) {
  Calculate();
  const double m2 = t.Moment2;
  EXPECT_NEAR(*t.Load2, m2 / 25, 1e-12);
  t.LoadArm = 40;
  Calculate();
  EXPECT_NEAR(*t.Load2, t.Moment2 / 40, 1e-12);
  t.LoadArm.reset();
  t.Leg1 = 0;
  Calculate();
  EXPECT_FALSE(t.Load1.has_value());
  EXPECT_FALSE(t.Load2.has_value());
}

TEST_F(TorsionCalcTest, BendingFactorByHand) {
  // (4c² − c − 1) / (4c(c − 1)): c = 4: 59/48; c = 10: 389/360; c = 22: 1913/1848.
  for (const auto& [c, kb] :
       {std::pair{4.0, 59.0 / 48}, std::pair{10.0, 389.0 / 360}, std::pair{22.0, 1913.0 / 1848}})
    EXPECT_DOUBLE_EQ(BendingFactorOf(c), kb);
}

TEST_F(TorsionCalcTest, OwnBendingColumnWinsOverTheRatio) {
  // The first entry is not 0: the column is the table, 1500 N/mm² at d = 2.
  (*materials)[0].AllowableBending = {1550, 1500, 1450};
  Calculate();
  EXPECT_DOUBLE_EQ(t.AllowableStress, 1500 / 9.807);
}

struct CheckCase {
  const char* what;
  void (*change)(TorsionDesign&);
  std::vector<std::string> lines;
};

const CheckCase kChecks[] = {
    {"sound", [](TorsionDesign&) {}, {kSuccessLine}},
    // A small coil is stiff: small angles keep its stress below σa.
    {"index below 4",
     [](TorsionDesign& t) { t.MeanDiameter = 7.9, t.Angle1 = 5, t.Angle2 = 10; },
     {CheckLineOf(kFaultIndexLow)}},
    {"index 4 passes",
     [](TorsionDesign& t) { t.MeanDiameter = 8, t.Angle1 = 5, t.Angle2 = 10; },
     {kSuccessLine}},
    {"index 22 passes", [](TorsionDesign& t) { t.MeanDiameter = 44; }, {kSuccessLine}},
    {"index above 22",
     [](TorsionDesign& t) { t.MeanDiameter = 44.1; },
     {CheckLineOf(kFaultIndexHigh)}},
    // θmax = 112.95°: σ2 above σa.
    {"overstress",
     [](TorsionDesign& t) { t.Angle2 = 120; },
     {kBendingOverstressLine, kUpperStressWarningLine}},
    {"angles out of order", [](TorsionDesign& t) { t.Angle1 = 61; }, {kAngleOrderLine}},
    // D2 − d at 60° is 13.59: a rod of 13.5 passes, 13.6 does not.
    {"rod clear", [](TorsionDesign& t) { t.Rod = 13.5; }, {kSuccessLine}},
    {"rod interferes", [](TorsionDesign& t) { t.Rod = 13.6; }, {kRodInterferenceLine}},
    // σa is 0.7·σB here, so the warning comes with the overstress (alone: below).
    {"wire outside the table",
     [](TorsionDesign& t) { t.WireDiameter = 2.5; },
     {CheckLineOf(kFaultOutsideTable)}},
    {"not finite",
     [](TorsionDesign& t) { t.Leg1 = std::numeric_limits<double>::quiet_NaN(); },
     {CheckLineOf(kFaultNotFinite)}},
};

TEST_F(TorsionCalcTest, CheckLines) {
  for (const CheckCase& c : kChecks) {
    SCOPED_TRACE(c.what);
    SetUpTorsionExample(*materials, t);
    c.change(t);
    Calculate();
    EXPECT_EQ(Lines(), c.lines);
    EXPECT_EQ(CheckTorsion(t, *materials).failed, c.lines.front() != kSuccessLine);
  }
}

TEST_F(TorsionCalcTest, UpperStressWarningAloneDoesNotFail) {
  // An own column of 0.9·σB lets σ2 reach 0.75·σB without overstress.
  (*materials)[0].AllowableBending = {0.9 * 2060, 0.9 * 2010, 0.9 * 1960};
  t.Angle2 = 60 * 0.75 / 0.3718576;
  Calculate();
  const TorsionCheck check = CheckTorsion(t, *materials);
  EXPECT_FALSE(check.failed);
  EXPECT_EQ(check.lines, (std::vector<std::string>{kSuccessLine, kUpperStressWarningLine}));
}

}  // namespace
}  // namespace coilspring
