// Every kind's search against an exhaustive loop written here: the whole shipped database, every
// wire, every mean diameter of the grid, the two quarter-turn totals around the rate, every hook
// form asked for, each design calculated and judged on its own. The lightest the search finds
// must be the lightest the loop finds, and the result must not depend on the thread count.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <tuple>

#include "core/calc/coil_formulas.h"
#include "core/calc/reference_values.h"
#include "core/compression/calculator_state.h"
#include "core/extension/extension_calc.h"
#include "core/extension/extension_reference.h"
#include "core/extension/extension_search.h"
#include "core/records/file_io.h"
#include "core/search/search_kinds.h"
#include "core/torsion/torsion_calc.h"
#include "core/torsion/torsion_reference.h"
#include "core/torsion/torsion_search.h"

namespace coilspring {
namespace {

const CalculatorState& Shipped() {
  static const CalculatorState state = [] {
    CalculatorState s;
    ReadRecordFile(std::string(COILSPRING_BIN_DIR) + "/" + kMaterialFileName, s.EditMaterials());
    ReadRecordFile(std::string(COILSPRING_BIN_DIR) + "/" + kSettingsFileName, s.settings);
    return s;
  }();
  return state;
}

bool Within(double value, double wanted, double tolerance) {
  return std::fabs(value - wanted) <= tolerance * wanted + 1e-9;
}

// The loop over every wire and every mean diameter D (in tenths) the index range and the bore
// allow; `visit(material, d, D)`.
template <class Visit>
void EveryCoil(const ValueRange& index, std::optional<double> bore, Visit&& visit) {
  const MaterialTable& table = Shipped().materials();
  for (const int n : SearchableMaterials(table))
    for (int row = 0; row < table[n].UsableRows(); ++row) {
      const double d = table[n].WireDiameters[row];
      for (long D10 = std::lround(std::ceil(index.min * d * 10 - 1e-6));
           D10 <= std::lround(std::floor(index.max * d * 10 + 1e-6)); ++D10)
        if (!bore || D10 / 10.0 + d <= *bore + 1e-9) visit(n, d, D10 / 10.0);
    }
}

using Lightest = std::optional<std::tuple<double, int, double, double, int, double>>;
void Keep(Lightest& best, Lightest candidate) {
  if (!best || *candidate < *best) best = candidate;
}

ExtensionRequirements Extension(double p1, double l1, double p2, double l2) {
  ExtensionRequirements q;
  std::tie(q.P1, q.L1, q.P2, q.L2) = std::tie(p1, l1, p2, l2);
  return q;
}

TEST(KindSearch, ExtensionFindsTheLightestOfTheExhaustiveLoop) {
  std::vector<ExtensionRequirements> table(4, Extension(30, 100, 80, 130));
  table[1] = Extension(10, 60, 30, 80);
  table[1].hookKinds = {HookKind::Round, HookKind::HalfRound, HookKind::U};
  table[1].initialTensionInBand = false;
  table[1].bore = 10;
  table[2] = Extension(0.5, 40, 1.5, 50);
  table[2].loadUnit = LoadUnit::Kgf;
  table[2].maxFreeLength = 38;
  table[2].lifeAtLeast = 2;
  table[3].rank = ExtensionRank::Length;  // the same set: the lightest is still the loop's
  for (std::size_t i = 0; i < table.size(); ++i) {
    const ExtensionRequirements& q = table[i];
    const UnitSystem units = UnitSystemOf(q.loadUnit);
    const double p1 = StoredValue(q.P1, Quantity::Load, units);
    const double p2 = StoredValue(q.P2, Quantity::Load, units);
    Lightest loop;
    EveryCoil(q.springIndex, q.bore, [&](int n, double d, double D) {
      const MaterialRecord& m = Shipped().materials()[n];
      const double na = SpringRateFor(m.ShearModulus, d, D, 1) / ((p2 - p1) / (q.L2 - q.L1));
      for (const double turns : {std::floor(na * 4) / 4, std::floor(na * 4) / 4 + 0.25})
        for (const HookKind hook : q.hookKinds) {
          ExtensionDesign r{.MaterialNo = n,
                            .WireDiameter = d,
                            .MeanDiameter = D,
                            .TotalTurns = turns,
                            .HookKind = hook,
                            .Length1 = q.L1,
                            .Length2 = q.L2};
          r.FreeLength = std::round(StandardFreeLength(r) * 10) / 10;
          r.InitialTension =
              p1 - SpringRateFor(m.ShearModulus, d, D, turns) * (q.L1 - r.FreeLength);
          const ExtensionCheck check = CalculateExtension(r, m, Shipped().settings);
          const bool inBand = !(check.faults & kExtensionInitialStressOutsideBand);
          if (check.failed() || !Within(r.Load1, p1, q.loadTolerance) ||
              !Within(r.Load2, p2, q.loadTolerance) || r.InitialTension < 0 ||
              (q.initialTensionInBand && !inBand) || r.SpringIndex > q.springIndex.max + 1e-9 ||
              (q.maxFreeLength && r.FreeLength > *q.maxFreeLength) || r.LifeClass > q.lifeAtLeast)
            continue;
          const double mass = kPi / 4 * d * d * ExtensionWireLength(r) * DefaultDensity(m) / 1000;
          Keep(loop, std::tuple(mass, n, d, D, static_cast<int>(hook), turns));
        }
    });
    const ExtensionSearchResult one =
        SearchDesigns(q, Shipped().materials(), Shipped().settings, 1);
    const ExtensionSearchResult two =
        SearchDesigns(q, Shipped().materials(), Shipped().settings, 2);
    ASSERT_TRUE(loop.has_value()) << "requirement set " << i;
    ASSERT_FALSE(one.candidates.empty()) << "requirement set " << i;
    Lightest found;
    for (const ExtensionCandidate& c : one.candidates) {
      const ExtensionDesign& r = c.design;
      Keep(found, std::tuple(c.mass, r.MaterialNo, r.WireDiameter, r.MeanDiameter,
                             static_cast<int>(r.HookKind), r.TotalTurns));
    }
    if (q.rank == ExtensionRank::Mass) {
      EXPECT_EQ(found, loop) << "requirement set " << i;
    } else {
      EXPECT_LE(std::get<0>(*loop), std::get<0>(*found)) << "requirement set " << i;
    }
    ASSERT_EQ(one.candidates.size(), two.candidates.size());
    for (std::size_t c = 0; c < one.candidates.size(); ++c)
      EXPECT_EQ(one.candidates[c].design, two.candidates[c].design) << i << " #" << c;
    EXPECT_EQ(one.rejected, two.rejected);
  }
}

TorsionRequirements Torsion(double m1, double m2, double stroke, double leg1, double leg2) {
  TorsionRequirements q;
  std::tie(q.M1, q.M2, q.stroke, q.Leg1, q.Leg2) = std::tie(m1, m2, stroke, leg1, leg2);
  return q;
}

TEST(KindSearch, TorsionFindsTheLightestOfTheExhaustiveLoop) {
  std::vector<TorsionRequirements> table(3, Torsion(200, 800, 60, 25, 25));
  table[0].rod = 6;
  table[1] = Torsion(0, 300, 90, 20, 30);
  table[1].bore = 20;
  table[1].maxBodyLength = 15;
  table[1].refuseUpperStress = true;
  table[2] = Torsion(10, 50, 45, 15, 15);
  table[2].loadUnit = LoadUnit::Kgf;
  table[2].LoadArm = 12;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const TorsionRequirements& q = table[i];
    const UnitSystem units = UnitSystemOf(q.loadUnit);
    const double m1 = StoredValue(q.M1, Quantity::Energy, units);
    const double m2 = StoredValue(q.M2, Quantity::Energy, units);
    const double rate = (m2 - m1) / q.stroke;  // kgf·mm per degree
    Lightest loop;
    EveryCoil(q.springIndex, q.bore, [&](int n, double d, double D) {
      const MaterialRecord& m = Shipped().materials()[n];
      // kT = E d^4 / (3667 D Na) in N·mm per degree, Na = Nt + (l1 + l2) / (3πD).
      const double na = m.YoungModulus * std::pow(d, 4) / (3667 * D * rate * kKgfForRate);
      const double nt = na - (q.Leg1 + q.Leg2) / (3 * kPi * D);
      for (const double turns : {std::floor(nt * 4) / 4, std::floor(nt * 4) / 4 + 0.25}) {
        if (turns < 1) continue;
        TorsionDesign t;
        std::tie(t.MaterialNo, t.WireDiameter, t.MeanDiameter, t.TotalTurns) =
            std::tuple(n, d, D, turns);
        std::tie(t.Leg1, t.Leg2, t.LoadArm, t.Rod) = std::tie(q.Leg1, q.Leg2, q.LoadArm, q.rod);
        std::tie(t.Angle1, t.Angle2) = std::tuple(m1 / rate, m1 / rate + q.stroke);
        CalculateTorsion(t, Shipped().materials());
        const TorsionCheck check = CheckTorsion(t, Shipped().materials());
        if (check.failed || !Within(t.Moment1, m1, q.loadTolerance) ||
            !Within(t.Moment2, m2, q.loadTolerance) || t.SpringIndex > q.springIndex.max + 1e-9 ||
            (q.maxBodyLength && t.BodyLength2 > *q.maxBodyLength) ||
            (q.refuseUpperStress && t.UpperStressRatio > kUpperStressRatioLimit))
          continue;
        const double mass = ComputeTorsionReference(t, m).mass.value;
        Keep(loop, std::tuple(mass, n, d, D, 0, turns));
      }
    });
    const TorsionSearchResult one = SearchDesigns(q, Shipped().materials(), 1);
    const TorsionSearchResult two = SearchDesigns(q, Shipped().materials(), 2);
    ASSERT_TRUE(loop.has_value()) << "requirement set " << i;
    ASSERT_FALSE(one.candidates.empty()) << "requirement set " << i;
    const TorsionDesign& best = one.candidates.front().design;
    EXPECT_EQ(std::tuple(one.candidates.front().mass, best.MaterialNo, best.WireDiameter,
                         best.MeanDiameter, 0, best.TotalTurns),
              *loop)
        << "requirement set " << i;
    ASSERT_EQ(one.candidates.size(), two.candidates.size());
    for (std::size_t c = 0; c < one.candidates.size(); ++c)
      EXPECT_EQ(one.candidates[c].design, two.candidates[c].design) << i << " #" << c;
  }
}

// Impossible requirements are refused before anything is searched, naming what is wrong.
TEST(KindSearch, ImpossibleRequirementsAreRefused) {
  const MaterialTable& materials = Shipped().materials();
  ExtensionRequirements e = Extension(30, 100, 80, 90);
  EXPECT_NE(RequirementProblem(e, materials).find("L2"), std::string::npos);
  e = Extension(0, 100, 80, 130);
  EXPECT_NE(RequirementProblem(e, materials).find("P1"), std::string::npos);
  TorsionRequirements t = Torsion(200, 100, 60, 25, 25);
  EXPECT_NE(RequirementProblem(t, materials).find("M2"), std::string::npos);
  t = Torsion(200, 800, 60, 25, 25);
  t.rod = 10;
  t.bore = 8;
  EXPECT_NE(SearchDesigns(t, materials).problem.find("穴径"), std::string::npos);
  EXPECT_EQ(EstimateCandidateCount(t, materials), 0);
}

// A key of another kind is named with the kind that takes it; one of no kind as unknown.
TEST(KindSearch, ForeignKeysAreNamed) {
  const KindSearchInfo& torsion = SearchOf(SpringKind::Torsion);
  EXPECT_EQ(ForeignKeyMessage(torsion, "Leg1"), "");
  EXPECT_NE(ForeignKeyMessage(torsion, "hookKinds").find("'hookKinds' は引張コイルばね"),
            std::string::npos);
  EXPECT_EQ(ForeignKeyMessage(SearchOf(SpringKind::Compression), "colour"),
            "不明なキー 'colour' があります");
}

}  // namespace
}  // namespace coilspring
