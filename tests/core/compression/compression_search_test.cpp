#include "core/compression/compression_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/compression/calculate_cycle.h"
#include "core/records/file_io.h"

namespace coilspring {
namespace {

// The worked example's material (G 78500, allowable 1500 N/mm^2 at d = 2, q = 80) with the
// wires 1.6, 2 and 2.6 mm, or, for the hand-checked case, 2 and 10 mm.
CalculatorState WorkedState(std::vector<double> wires = {1.6, 2, 2.6}) {
  CalculatorState s;
  MaterialRecord& m = s.EditMaterials()[0];
  m.ShearModulus = 78500;
  m.YoungModulus = 206000;
  m.KindNo = 0;
  m.RowCount = static_cast<int>(wires.size());
  for (std::size_t i = 0; i < wires.size(); ++i) {
    m.WireDiameters[i] = wires[i];
    m.TensileStrengths[i] = 1960;
    m.AllowableTorsion[i] = 1500;
  }
  for (int n = 1; n < kMaterialCount; ++n) s.EditMaterials()[n].KindNo = kEmptyKindNo;
  s.settings.CompressionStressRatio = 80;
  return s;
}

SearchRequirements KgfRequirements(double p1, double l1, double p2, double l2) {
  SearchRequirements q;
  q.loadUnit = LoadUnit::Kgf;
  q.P1 = p1;
  q.L1 = l1;
  q.P2 = p2;
  q.L2 = l2;
  return q;
}

// Worked by hand: d = 2 (the 10 mm wire has no mean diameter in range), closed ends, rate
// (3.4 - 1.7) / 5 = 0.34 kgf/mm. The rod (15) and the bore (20.4) leave D = 17.0 .. 18.4. For
// every D the quarter turns around the needed Na (8 (18/D)^3 0.343142/0.34: 9.59 at 17, 7.56
// at 18.4) miss the rate by at most 0.25/7.5 = 3.3 %, and rounding L0 to 0.1 mm moves P1 by at
// most 0.05 k = 0.017 kgf, so both loads stay within 5 %; Hs = 2 (Nt + 1) <= 25 < L2 and
// tau2 ~ 23 << tau_a = 122. The coils grow under load: at D = 18.4, Nt 9.5, L0 40.0 the pitch
// goes from 4.53 to 3.2 mm, D_L = sqrt(18.4^2 + (4.53^2 - 3.2^2)/pi^2) = 18.428, so the outer
// diameter at L2 is 20.43 > 20.4 (the same for Nt 9.75); at 18.3 it is 20.33. Kept: 17.0 ..
// 18.3, each with both turns: 28 of 30.
TEST(DesignSearch, HandCheckedMeanDiameters) {
  const CalculatorState s = WorkedState({2, 10});
  SearchRequirements q = KgfRequirements(1.7, 35, 3.4, 30);
  q.materials = {0};
  q.endKinds = {EndKind::ClosedUnground};
  q.rod = 15;
  q.bore = 20.4;
  q.meanDiameter = ValueRange{8, 39.9};
  q.top = 100;
  const SearchResult r = SearchDesigns(q, s.materials(), s.settings);
  EXPECT_EQ(r.problem, "");
  EXPECT_EQ(r.evaluated, 30);
  EXPECT_EQ(r.kept, 28);
  EXPECT_EQ(r.rejected[static_cast<int>(Rejection::BoreAtL2)], 2);
  std::multiset<long> tenths;
  for (const SearchCandidate& c : r.candidates) {
    tenths.insert(std::lround(c.design.MeanDiameter * 10));
    EXPECT_EQ(c.design.WireDiameter, 2);
  }
  std::multiset<long> expected;
  for (long t = 170; t <= 183; ++t) expected.insert({t, t});
  EXPECT_EQ(tenths, expected);
}

struct Identity {
  int material, row;
  long tenths;
  EndKind end;
  double turns;
  auto operator<=>(const Identity&) const = default;
};
Identity IdentityOf(const DesignRecord& r) {
  return {r.MaterialNo, r.WireRow, std::lround(r.MeanDiameter * 10), r.EndKind, r.TotalTurns};
}

// Every quarter turn from 2 to 80 is calculated the way "calc" calculates a stored design; the
// candidates of a (wire, D, end) are the last turns whose rate is still at least the one needed
// and the next, and each is judged by its check lines and the requirements, one by one.
TEST(DesignSearch, AgreesWithBruteForceOnATinySpace) {
  CalculatorState s = WorkedState();
  SearchRequirements q = KgfRequirements(1.5, 35, 3.5, 28);
  q.endKinds = {EndKind::ClosedUnground, EndKind::OpenGround};
  q.meanDiameter = ValueRange{12, 16};
  q.maxFreeLength = 45;
  q.lifeAtLeast = 2;
  q.bore = 18.5;
  q.seating = Seating::BothHinged;
  q.minNaturalFrequency = 150;
  q.top = 1000;
  const double needed = (3.5 - 1.5) / (35 - 28);

  std::set<Identity> brute;
  long evaluated = 0;
  DesignRecord& r = s.current();
  for (int row = 0; row < 3; ++row) {
    const double d = s.materials()[0].WireDiameters[row];
    for (long t = 120; t <= 160; ++t) {
      if (t < 40 * d || t > 220 * d) continue;   // spring index 4 .. 22
      if (t / 10.0 + d > 18.5 + 1e-9) continue;  // outer diameter in the bore
      for (const EndKind end : q.endKinds) {
        std::vector<double> rates;
        for (double nt = 2; nt <= 80; nt += 0.25) {
          r = {};
          r.WireRow = row;
          r.DiameterKind = DiameterKind::Mean;
          r.MeanDiameter = t / 10.0;
          r.TotalTurns = nt;
          r.EndKind = end;
          r.InputMode = InputMode::Lengths;
          RecalculateDesign(s, 0, DesignInputs::FromRecord);
          rates.push_back(r.SpringRate);
        }
        std::size_t last = 0;
        while (last + 1 < rates.size() && rates[last + 1] >= needed) ++last;
        for (std::size_t i : {last, last + 1}) {
          r = {};
          r.WireRow = row;
          r.DiameterKind = DiameterKind::Mean;
          r.MeanDiameter = t / 10.0;
          r.TotalTurns = 2 + 0.25 * static_cast<double>(i);
          r.EndKind = end;
          r.InputMode = InputMode::Lengths;
          r.Length1 = 35;
          r.Length2 = 28;
          r.FreeLength = std::round((35 + 1.5 / rates[i]) * 10) / 10;
          const ValidationResult v = RecalculateDesign(s, 0, DesignInputs::FromRecord);
          ++evaluated;
          ReferenceInputs in;
          in.seating = Seating::BothHinged;
          const ReferenceChecks ref = ComputeReferenceChecks(r, s.materials()[0], in);
          const bool ok = !v.failed && std::fabs(r.Load1 - 1.5) <= 0.05 * 1.5 + 1e-9 &&
                          std::fabs(r.Load2 - 3.5) <= 0.05 * 3.5 + 1e-9 && r.FreeLength <= 45 &&
                          r.LifeClass <= 2 && r.OuterDiameter <= 18.5 &&
                          ref.outerDiameterAtL2.value <= 18.5 && ref.buckling == Verdict::Ok &&
                          ref.naturalFrequency.value >= 150;
          if (ok) brute.insert(IdentityOf(r));
        }
      }
    }
  }
  const SearchResult result = SearchDesigns(q, s.materials(), s.settings);
  std::set<Identity> found;
  for (const SearchCandidate& c : result.candidates) found.insert(IdentityOf(c.design));
  EXPECT_GT(brute.size(), 3u);
  EXPECT_EQ(found, brute);
  EXPECT_EQ(result.kept, static_cast<long>(brute.size()));
  EXPECT_EQ(result.evaluated, evaluated);
}

// The three closed forms have two end turns, the four open ones one and a half: the same coil
// and turns with any form of one group are the same spring, so each spring is one candidate
// that lists its group's forms, and no two candidates are the same spring.
TEST(DesignSearch, OneCandidateIsOneSpringWithEveryEndFormThatMakesIt) {
  const CalculatorState s = WorkedState({2, 10});
  SearchRequirements q = KgfRequirements(1.7, 35, 3.4, 30);
  q.meanDiameter = ValueRange{16, 18.3};
  q.top = 1000;
  const SearchResult r = SearchDesigns(q, s.materials(), s.settings);
  using E = EndKind;
  const std::vector<E> closed{E::ClosedUnground, E::ClosedGround, E::ClosedTapered};
  const std::vector<E> open{E::OpenUnground, E::OpenGround, E::OpenTapered,
                            E::OpenThreeQuarterUnground};
  ASSERT_FALSE(r.candidates.empty());
  std::int64_t forms = 0;
  std::set<std::tuple<long, double, bool>> springs;  // mean diameter, turns, closed
  for (const SearchCandidate& c : r.candidates) {
    const bool isClosed = c.endKinds == closed;
    EXPECT_TRUE(isClosed || c.endKinds == open);
    EXPECT_EQ(c.design.EndKind, c.endKinds.front());
    forms += static_cast<std::int64_t>(c.endKinds.size());
    EXPECT_TRUE(
        springs.insert({std::lround(c.design.MeanDiameter * 10), c.design.TotalTurns, isClosed})
            .second);
  }
  EXPECT_EQ(forms, r.kept);
}

// Progress stays within the whole and reaches it; a search followed to its end finds what the
// plain one does, and a cancelled one stops and says so.
TEST(DesignSearch, ProgressReachesTheWholeAndACancelStopsTheSearch) {
  const CalculatorState s = WorkedState();
  std::atomic<bool> cancel{false};
  std::mutex lock;
  double largest = 0;
  int reports = 0, cancelAt = 0;  // 0: never
  SearchControl control;
  control.cancel = &cancel;
  control.progress = [&](double share) {
    const std::lock_guard<std::mutex> hold(lock);
    EXPECT_GE(share, 0);
    EXPECT_LE(share, 1);
    largest = std::max(largest, share);
    if (++reports == cancelAt) cancel = true;
  };
  SearchRequirements q = KgfRequirements(1.7, 35, 3.4, 30);
  const SearchResult plain = SearchDesigns(q, s.materials(), s.settings, 1);
  const SearchResult followed = SearchDesigns(q, s.materials(), s.settings, 1, control);
  EXPECT_FALSE(followed.cancelled);
  EXPECT_EQ(largest, 1.0);
  EXPECT_EQ(followed.evaluated, plain.evaluated);
  EXPECT_EQ(followed.candidates.size(), plain.candidates.size());

  q = KgfRequirements(0, 1000, 60, 900);
  q.loadTolerance = 1e300;
  q.meanDiameter = ValueRange{0, 1e9};
  q.springIndex = {0, 1e9};
  reports = 0;
  cancelAt = 3;
  const SearchResult r = SearchDesigns(q, s.materials(), s.settings, 2, control);
  EXPECT_TRUE(r.cancelled);
  // Each of the two threads looks at the flag within one interval after it is set.
  EXPECT_LE(r.evaluated, (reports + 2) * kProgressInterval);
}

// With a worst-case grade every candidate's worst case at that grade passes the stress, the life,
// the bore and the rod, and the candidates are those of the plain search that do; a finer grade
// keeps at least as many as a coarser one.
TEST(DesignSearch, AWorstCaseGradeKeepsOnlySpringsWhoseWorstCaseHolds) {
  const CalculatorState s = WorkedState();
  SearchRequirements q = KgfRequirements(1.5, 35, 3.5, 28);
  q.meanDiameter = ValueRange{10, 18};
  q.bore = 15;  // the coils nearest the bore leave no room for the diameter's tolerance
  q.rod = 8;
  q.lifeAtLeast = 3;
  q.top = kMostCandidatesShown;
  const SearchResult plain = SearchDesigns(q, s.materials(), s.settings, 1);
  ASSERT_EQ(plain.problem, "");
  ASSERT_LT(plain.candidates.size(), static_cast<std::size_t>(kMostCandidatesShown));
  std::int64_t previous = plain.kept;
  for (int grade = 1; grade <= 3; ++grade) {
    q.worstCaseGrade = grade;
    const SearchResult r = SearchDesigns(q, s.materials(), s.settings, 1);
    std::int64_t expected = 0;
    for (const SearchCandidate& c : plain.candidates) {
      ReferenceInputs in;
      in.grade = grade;
      in.bore = 15;
      in.rod = 8;
      const WorstCase w = ComputeReferenceChecks(c.design, s.materials()[0], in).worstCase;
      const bool holds = w.stressVerdict == Verdict::Ok && w.lifeClass && *w.lifeClass <= 3 &&
                         w.boreVerdict == Verdict::Ok && w.rodVerdict == Verdict::Ok;
      expected += holds ? static_cast<std::int64_t>(c.endKinds.size()) : 0;
    }
    EXPECT_EQ(r.kept, expected) << grade;
    // A candidate counts under every requirement it fails, the worst case among them.
    EXPECT_GE(r.rejected[static_cast<int>(Rejection::WorstCase)], plain.kept - r.kept) << grade;
    EXPECT_LE(r.kept, previous) << grade;
    EXPECT_GT(r.rejected[static_cast<int>(Rejection::WorstCase)], 0) << grade;
    previous = r.kept;
  }
  q.worstCaseGrade = 4;
  EXPECT_NE(SearchDesigns(q, s.materials(), s.settings).problem, "");
}

CalculatorState ShippedState() {
  CalculatorState s;
  ReadRecordFile(std::string(COILSPRING_BIN_DIR) + "/" + kMaterialFileName, s.EditMaterials());
  ReadRecordFile(std::string(COILSPRING_BIN_DIR) + "/" + kSettingsFileName, s.settings);
  return s;
}

SearchRequirements ShippedRequirements() {
  SearchRequirements q;  // in N
  q.P1 = 20;
  q.L1 = 40;
  q.P2 = 60;
  q.L2 = 30;
  q.meanDiameter = ValueRange{5, 25};
  q.top = 40;
  return q;
}

TEST(DesignSearch, ResultDoesNotDependOnTheThreadCount) {
  const CalculatorState s = ShippedState();
  const SearchRequirements q = ShippedRequirements();
  const SearchResult one = SearchDesigns(q, s.materials(), s.settings, 1);
  ASSERT_EQ(one.candidates.size(), 40u);
  for (int threads : {2, 3}) {
    const SearchResult many = SearchDesigns(q, s.materials(), s.settings, threads);
    EXPECT_EQ(many.evaluated, one.evaluated) << threads;
    EXPECT_EQ(many.kept, one.kept) << threads;
    EXPECT_EQ(many.rejected, one.rejected) << threads;
    ASSERT_EQ(many.candidates.size(), one.candidates.size());
    for (std::size_t i = 0; i < one.candidates.size(); ++i)
      EXPECT_EQ(many.candidates[i].design, one.candidates[i].design) << threads << " #" << i;
  }
}

TEST(DesignSearch, EveryRankingIsMonotoneAndKeepsSoundDesigns) {
  CalculatorState s = ShippedState();
  for (RankBy rank : kRankings) {
    SearchRequirements q = ShippedRequirements();
    q.rank = rank;
    const SearchResult r = SearchDesigns(q, s.materials(), s.settings, 2);
    ASSERT_FALSE(r.candidates.empty()) << RankKey(rank);
    for (std::size_t i = 0; i + 1 < r.candidates.size(); ++i)
      EXPECT_TRUE(RanksBefore(r.candidates[i], r.candidates[i + 1], rank)) << RankKey(rank) << i;
    for (const SearchCandidate& c : r.candidates) {
      s.current() = c.design;
      const ValidationResult v = RecalculateDesign(s, 0, DesignInputs::FromRecord);
      EXPECT_FALSE(v.failed) << RankKey(rank);
      EXPECT_EQ(s.current(), c.design) << "recalculated like calc";
      // 20 N / 9.807 = 2.03936 kgf, 60 N / 9.807 = 6.11808 kgf, each within 5 %.
      EXPECT_NEAR(c.design.Load1, 2.03936, 0.05 * 2.03936 + 1e-5);
      EXPECT_NEAR(c.design.Load2, 6.11808, 0.05 * 6.11808 + 1e-5);
    }
  }
}

struct ImpossibleCase {
  const char* name;
  void (*change)(SearchRequirements&);
  const char* message;
};

// A load in N means what the main window's N means: 9.807 N to the kgf, so 24.5175 N and
// 49.035 N give the same search as 2.5 and 5 kgf.
TEST(DesignSearch, NewtonsAreTakenInAsTheMainWindowTakesThem) {
  const CalculatorState s = WorkedState();
  SearchRequirements kgf = KgfRequirements(2.5, 35, 5, 28);
  kgf.top = 1000;
  SearchRequirements newtons = kgf;
  newtons.loadUnit = LoadUnit::Newton;
  newtons.P1 = 24.5175;  // 2.5 * 9.807
  newtons.P2 = 49.035;   // 5 * 9.807
  const SearchResult a = SearchDesigns(kgf, s.materials(), s.settings, 1);
  const SearchResult b = SearchDesigns(newtons, s.materials(), s.settings, 1);
  EXPECT_GT(a.kept, 0);
  EXPECT_EQ(b.evaluated, a.evaluated);
  EXPECT_EQ(b.kept, a.kept);
  EXPECT_EQ(b.rejected, a.rejected);
  ASSERT_EQ(b.candidates.size(), a.candidates.size());
  for (std::size_t i = 0; i < a.candidates.size(); ++i)
    EXPECT_EQ(b.candidates[i].design, a.candidates[i].design) << i;
}

TEST(DesignSearch, ImpossibleRequirementsSayWhy) {
  const ImpossibleCase cases[] = {
      {"P2 = P1", [](SearchRequirements& q) { q.P2 = q.P1; },
       "P2 は P1 より大きくしてください（P2 ≦ P1 では探索できません）"},
      {"L2 > L1", [](SearchRequirements& q) { q.L2 = q.L1 + 1; },
       "L2 は L1 より短くしてください（L2 ≧ L1 では探索できません）"},
      {"bore below rod",
       [](SearchRequirements& q) {
         q.bore = 10;
         q.rod = 12;
       },
       "穴径が軸径以下です：コイルの入る場所がありません"},
      {"no material", [](SearchRequirements& q) { q.materials = {29}; },
       "材料 29 はデータベースにありません"},
      {"NaN load", [](SearchRequirements& q) { q.P1 = std::nan(""); },
       "荷重 P1, P2 と長さ L1, L2 には数値を入れてください"},
      {"negative P1", [](SearchRequirements& q) { q.P1 = -1; }, "P1 は 0 以上にしてください"},
      {"zero L2", [](SearchRequirements& q) { q.L2 = 0; }, "L2 は 0 より大きくしてください"},
      {"negative tolerance", [](SearchRequirements& q) { q.loadTolerance = -0.1; },
       "荷重の許容差は 0 以上の数にしてください"},
      {"zero bore", [](SearchRequirements& q) { q.bore = 0; },
       "穴径は 0 より大きい数にしてください"},
      {"free length below L1", [](SearchRequirements& q) { q.maxFreeLength = 10; },
       "最大自由長さが L1 より短いです：自由長さは L1 以上になります"},
      {"index range empty",
       [](SearchRequirements& q) {
         q.springIndex = {10, 5};
       },
       "バネ指数の範囲が空です（最小 ≦ 最大にしてください）"},
      {"end kind 7", [](SearchRequirements& q) { q.endKinds = {static_cast<EndKind>(7)}; },
       "座巻きの種類は 0～6 で指定してください"},
      {"top 0", [](SearchRequirements& q) { q.top = 0; }, "表示する件数は 1 以上にしてください"},
      {"top 1001", [](SearchRequirements& q) { q.top = 1001; },
       "表示する件数は 1000 以下にしてください"},
  };
  const CalculatorState s = WorkedState();
  for (const ImpossibleCase& c : cases) {
    SearchRequirements q = KgfRequirements(1.5, 35, 3.5, 28);
    c.change(q);
    const SearchResult r = SearchDesigns(q, s.materials(), s.settings);
    EXPECT_EQ(r.problem, c.message) << c.name;
    EXPECT_EQ(NothingFoundMessage(r), c.message) << c.name;
    EXPECT_EQ(r.evaluated, 0) << c.name;
    EXPECT_TRUE(r.candidates.empty()) << c.name;
  }
  CalculatorState empty;
  EXPECT_EQ(SearchDesigns(KgfRequirements(1, 2, 3, 1), empty.materials(), empty.settings).problem,
            "探索する材料がありません");
}

// Counted by hand: the mean diameters the index range 4..5 allows are 6.4 .. 8.0 mm for d = 1.6
// (17 steps of 0.1 mm), 8.0 .. 10.0 for d = 2 (21) and 40.0 .. 50.0 for d = 10 (101). Each is
// tried with the 2 end forms asked for (one given twice) and 2 turn counts; the search itself
// evaluates exactly as many.
TEST(DesignSearch, EstimatesTheCandidatesBeforeSearching) {
  const CalculatorState s = WorkedState({1.6, 2, 10});
  SearchRequirements q = KgfRequirements(1.7, 35, 3.4, 30);
  q.springIndex = {4, 5};
  q.endKinds = {EndKind::ClosedUnground, EndKind::OpenGround, EndKind::OpenGround};
  EXPECT_EQ(EstimateCandidateCount(q, s.materials()), (21 + 17 + 101) * 2 * 2);
  EXPECT_EQ(SearchDesigns(q, s.materials(), s.settings).evaluated, (21 + 17 + 101) * 2 * 2);
  q.meanDiameter = ValueRange{8, 8.05};  // 8.0 for d = 2 and d = 1.6
  EXPECT_EQ(EstimateCandidateCount(q, s.materials()), 2 * 2 * 2);
  q.top = 0;
  EXPECT_EQ(EstimateCandidateCount(q, s.materials()), 0) << "refused requirements search nothing";
  // The whole message, not cut short: it ends naming the last ranges to narrow.
  const std::string tooMany = TooManyCandidatesMessage(30'000'000);
  EXPECT_NE(tooMany.find("springIndex"), std::string::npos);
  EXPECT_TRUE(tooMany.ends_with("穴径（bore）・軸径（rod）を絞ってください")) << tooMany;
}

TEST(DesignSearch, SearchesOnlyTheMaterialsTheListsShow) {
  // A damaged table with ten materials of one kind: the lists show the first eight.
  CalculatorState s = WorkedState();
  for (int n = 1; n < 10; ++n) s.EditMaterials()[n] = s.materials()[0];
  EXPECT_EQ(SearchableMaterials(s.materials()), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  SearchRequirements q = KgfRequirements(1.5, 35, 3.5, 28);
  q.materials = {8};
  EXPECT_EQ(SearchDesigns(q, s.materials(), s.settings).problem,
            "材料 8 はデータベースにありません");
}

TEST(DesignSearch, NothingFoundNamesTheRequirementThatRejectedMost) {
  const CalculatorState s = WorkedState();
  SearchRequirements q = KgfRequirements(1.5, 35, 3.5, 28);
  q.maxFreeLength = 35.05;  // every spring carrying 1.5 kgf at 35 mm is longer than that
  const SearchResult r = SearchDesigns(q, s.materials(), s.settings);
  EXPECT_EQ(r.problem, "");
  EXPECT_GT(r.evaluated, 0);
  EXPECT_EQ(r.kept, 0);
  EXPECT_EQ(r.rejected[static_cast<int>(Rejection::FreeLength)], r.evaluated);
  EXPECT_EQ(NothingFoundMessage(r),
            "条件をすべて満たす設計はありません。最も多くの候補を外した条件: 最大自由長さ（" +
                std::to_string(r.evaluated) + " 件／評価 " + std::to_string(r.evaluated) +
                " 件）。この条件を緩めてください");

  SearchRequirements nowhere = KgfRequirements(1.5, 35, 3.5, 28);
  nowhere.meanDiameter = ValueRange{200, 300};
  const SearchResult none = SearchDesigns(nowhere, s.materials(), s.settings);
  EXPECT_EQ(none.evaluated, 0);
  EXPECT_EQ(NothingFoundMessage(none),
            "探索範囲に候補がありません（材料の線径、バネ指数の範囲、穴径・軸径、平均径の範囲を"
            "確認してください）");
}

TEST(DesignSearch, CandidatesFillTheHistoryInRankOrder) {
  const CalculatorState s = ShippedState();
  SearchRequirements q = ShippedRequirements();
  q.top = 35;
  const SearchResult r = SearchDesigns(q, s.materials(), s.settings);
  ASSERT_EQ(r.candidates.size(), 35u);
  SpringDesign design{};
  design[0].FreeLength = 99;
  PutIntoHistory(design, r.candidates);
  EXPECT_EQ(design[0].FreeLength, 99);
  for (int slot = 1; slot <= kHistorySlots; ++slot) {
    EXPECT_EQ(design[slot].InUse, 1);
    EXPECT_EQ(design[slot], r.candidates[slot - 1].design);
  }
}

}  // namespace
}  // namespace coilspring
