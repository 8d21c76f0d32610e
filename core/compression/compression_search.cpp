#include "core/compression/compression_search.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <limits>
#include <thread>
#include <tuple>

#include "core/compression/design_fatigue.h"

namespace coilspring {

namespace {

constexpr std::array<const char*, 4> kRankKeys = {"mass", "life", "margin", "solid"};
constexpr std::array<const char*, 4> kRankNames = {"軽い順", "寿命の長い順", "応力余裕の大きい順",
                                                   "密着高さの低い順"};
constexpr std::array<const char*, kRejectionCount> kRejectionNames = {
    "ねじり応力（許容応力を超える）",
    "L2 が密着高さより短い",
    "有効巻数が 3 未満",
    "その他の設計チェック",
    "荷重の許容差",
    "バネ指数の範囲",
    "穴径（外径）",
    "軸径（内径）",
    "最大自由長さ",
    "期待寿命",
    "穴径（L2 での外径の膨らみ）",
    "座屈",
    "固有振動数",
    "最悪ケース（等級の許容差）",
};
// Slack for comparisons of values the grid produces exactly in decimal but not in binary.
constexpr double kGridSlack = 1e-9;

bool Finite(double v) { return std::isfinite(v); }

// Everything the workers share, read-only.
struct Context {
  const SearchRequirements& req;
  const MaterialTable& materials;
  const CoefficientSettings& settings;
  SearchedWires wires{};
  std::vector<EndKind> endKinds{};
  double p1 = 0, p2 = 0;  // kgf
  double rate = 0;        // kgf/mm needed
  ReferenceInputs referenceInputs(std::size_t prepared) const {
    ReferenceInputs in;
    in.seating = req.seating.value_or(Seating::BothFixed);
    in.density = wires.density[prepared];
    // The designs are judged at room temperature; the temperature group would only cost time
    // (it looks the material's kind up by name for every candidate).
    in.temperature = std::numeric_limits<double>::quiet_NaN();
    if (req.worstCaseGrade) {
      in.grade = *req.worstCaseGrade;
      in.bore = req.bore;
      in.rod = req.rod;
    }
    return in;
  }
};

using Worker = SearchTally<SearchCandidate, kRejectionCount>;

auto TieKey(const SearchCandidate& c) {
  const DesignRecord& r = c.design;
  return std::make_tuple(c.mass, r.MaterialNo, r.WireRow, r.MeanDiameter, r.EndKind, r.TotalTurns);
}

// The worst case of the required grade against the allowable stress, the required life and the
// space the spring works in.
bool WorstCaseHolds(const WorstCase& worst, const SearchRequirements& req) {
  if (worst.stressVerdict != Verdict::Ok) return false;
  if (req.lifeAtLeast < kLowestLifeClass &&
      !(worst.lifeClass && *worst.lifeClass <= req.lifeAtLeast))
    return false;
  if (req.bore && worst.boreVerdict != Verdict::Ok) return false;
  if (req.rod && worst.rodVerdict != Verdict::Ok) return false;
  return true;
}

// The calculated design `r` against every check and requirement; counts what rejects it.
bool Accept(const DesignRecord& r, std::size_t prepared, const Context& cx, Worker& w,
            ReferenceChecks& ref) {
  const SearchRequirements& req = cx.req;
  bool ok = true;
  const auto reject = [&](Rejection why) {
    ++w.rejected[static_cast<std::size_t>(why)];
    ok = false;
  };
  const unsigned faults = CheckDesign(r, PreparedCovers(cx.wires.prepared[prepared], r));
  if (faults & kFaultOverstress) reject(Rejection::Overstress);
  if (faults & kFaultBelowSolid) reject(Rejection::BelowSolid);
  if (faults & kFaultFewTurns) reject(Rejection::FewActiveTurns);
  if (faults & ~(kFaultOverstress | kFaultBelowSolid | kFaultFewTurns))
    reject(Rejection::OtherChecks);
  if (!(std::fabs(r.Load1 - cx.p1) <= req.loadTolerance * cx.p1 + kGridSlack) ||
      !(std::fabs(r.Load2 - cx.p2) <= req.loadTolerance * cx.p2 + kGridSlack))
    reject(Rejection::LoadTolerance);
  if (!(r.SpringIndex >= req.springIndex.min - kGridSlack &&
        r.SpringIndex <= req.springIndex.max + kGridSlack))
    reject(Rejection::SpringIndex);
  if (req.bore && !(r.OuterDiameter <= *req.bore + kGridSlack)) reject(Rejection::Bore);
  if (req.rod && !(r.InnerDiameter >= *req.rod - kGridSlack)) reject(Rejection::Rod);
  if (req.maxFreeLength && !(r.FreeLength <= *req.maxFreeLength + kGridSlack))
    reject(Rejection::FreeLength);
  if (r.LifeClass > req.lifeAtLeast) reject(Rejection::Life);
  // The reference checks cost more than everything above together, so only candidates that
  // pass the rest are put through them (and counted under them). They also give the mass.
  if (!ok) return ok;
  ref = ComputeReferenceChecks(r, *cx.wires.prepared[prepared].material,
                               cx.referenceInputs(prepared));
  if (!ref.mass.valid) reject(Rejection::OtherChecks);
  if (req.bore && !(ref.outerDiameterAtL2.valid && ref.outerDiameterAtL2.value <= *req.bore))
    reject(Rejection::BoreAtL2);
  if (req.seating && ref.buckling != Verdict::Ok) reject(Rejection::Buckling);
  if (req.minNaturalFrequency &&
      !(ref.naturalFrequency.valid && ref.naturalFrequency.value >= *req.minNaturalFrequency))
    reject(Rejection::NaturalFrequency);
  if (req.worstCaseGrade && !WorstCaseHolds(ref.worstCase, req)) reject(Rejection::WorstCase);
  return ok;
}

// Two accepted candidates of one coil that are the same spring but for the end form's name.
bool SameSpring(const SearchCandidate& a, const SearchCandidate& b) {
  DesignRecord other = b.design;
  other.EndKind = a.design.EndKind;
  return a.design == other && a.mass == b.mass;
}

// Adds the candidate to the springs found for one coil: a spring already there takes its end
// form.
void Collect(std::vector<SearchCandidate>& springs, const SearchCandidate& c) {
  for (SearchCandidate& spring : springs) {
    if (!SameSpring(spring, c)) continue;
    spring.endKinds.push_back(c.design.EndKind);
    return;
  }
  springs.push_back(c);
  springs.back().endKinds = {c.design.EndKind};
}

GridSteps MeanDiameterSteps(const SearchRequirements& req, double d) {
  return coilspring::MeanDiameterSteps(d, req.springIndex, req.rod, req.bore, req.meanDiameter);
}

// Every candidate of one wire diameter of one material. Returns false when the search is to
// stop.
bool SearchWire(const SearchedWires::Job& job, const Context& cx, Worker& w,
                const SearchProgress& progress) {
  const SearchRequirements& req = cx.req;
  const PreparedMaterial& pm = cx.wires.prepared[job.prepared];
  const MaterialRecord& m = *pm.material;
  const double d = m.WireDiameters[job.row];
  const double G = m.ShearModulus;
  if (!(d > 0) || !Finite(d)) return true;

  const GridSteps steps = MeanDiameterSteps(req, d);

  DesignRecord r;
  SearchCandidate c;
  std::vector<SearchCandidate> springs;  // of one coil, each with the end forms that make it
  r.InUse = 1;
  r.MaterialNo = static_cast<std::int32_t>(&m - cx.materials.records.data());
  r.WireRow = job.row;
  r.WireDiameter = d;
  r.DiameterKind = DiameterKind::Mean;
  r.InputMode = InputMode::Lengths;
  r.Length1 = req.L1;
  r.Length2 = req.L2;
  for (long step = steps.first; step <= steps.last; ++step) {
    const double D = static_cast<double>(step) / 10;
    const CoilDiameters diameters = DiametersFrom(DiameterKind::Mean, D, d, {});
    r.InnerDiameter = diameters.inner;
    r.MeanDiameter = diameters.mean;
    r.OuterDiameter = diameters.outer;
    const double activeTurnsNeeded = SpringRateFor(G, d, D, 1) / cx.rate;
    if (!Finite(activeTurnsNeeded)) continue;
    springs.clear();
    for (const EndKind end : cx.endKinds) {
      const double totalNeeded = activeTurnsNeeded + EndTurnsOf(end);
      const double below = std::floor(totalNeeded * 4) / 4;
      for (const double turns : {below, below + 0.25}) {
        r.EndKind = end;
        r.TotalTurns = turns;
        r.ActiveTurns = ActiveTurnsFor(turns, end);
        const double k = SpringRateFor(G, d, D, r.ActiveTurns);
        r.FreeLength = std::round((req.L1 + cx.p1 / k) * 10) / 10;
        CalculateSpring(r, pm, cx.settings);
        DetermineLifeClass(r, cx.materials);
        if (progress.Counted(w.evaluated, step, steps.first, steps.last)) return false;
        if (!Accept(r, job.prepared, cx, w, c.reference)) continue;
        ++w.kept;
        c.design = r;
        c.mass = c.reference.mass.value;
        c.stressRatio = r.Stress2 / r.AllowableStress;
        Collect(springs, c);
      }
    }
    for (const SearchCandidate& spring : springs)
      w.Offer(spring, static_cast<std::size_t>(req.top),
              [&req](const SearchCandidate& a, const SearchCandidate& b) {
                return RanksBefore(a, b, req.rank);
              });
  }
  return true;
}

}  // namespace

const char* RankKey(RankBy rank) { return kRankKeys[static_cast<std::size_t>(rank)]; }
const char* RankName(RankBy rank) { return kRankNames[static_cast<std::size_t>(rank)]; }

std::optional<RankBy> RankByKey(std::string_view key) {
  for (RankBy rank : kRankings)
    if (key == RankKey(rank)) return rank;
  return std::nullopt;
}

const char* RejectionName(Rejection reason) {
  return kRejectionNames[static_cast<std::size_t>(reason)];
}

std::string EndFormsText(const SearchCandidate& candidate, const char* separator) {
  if (candidate.endKinds.empty()) return EndKindName(candidate.design.EndKind);
  std::string text;
  for (const EndKind end : candidate.endKinds)
    text += (text.empty() ? "" : separator) + std::string(EndKindName(end));
  return text;
}

namespace {

// What makes the requirements impossible, or empty when they can be searched; `listed` are the
// searchable materials, ascending.
std::string RequirementProblem(const SearchRequirements& q, const std::vector<int>& listed) {
  if (!Finite(q.P1) || !Finite(q.P2) || !Finite(q.L1) || !Finite(q.L2))
    return "荷重 P1, P2 と長さ L1, L2 には数値を入れてください";
  if (q.P1 < 0) return "P1 は 0 以上にしてください";
  if (q.P2 <= q.P1) return "P2 は P1 より大きくしてください（P2 ≦ P1 では探索できません）";
  if (q.L2 <= 0) return "L2 は 0 より大きくしてください";
  if (q.L2 >= q.L1) return "L2 は L1 より短くしてください（L2 ≧ L1 では探索できません）";
  if (!Finite(q.loadTolerance) || q.loadTolerance < 0)
    return "荷重の許容差は 0 以上の数にしてください";
  for (const auto& [limit, name] : {std::pair{q.bore, "穴径"},
                                    {q.rod, "軸径"},
                                    {q.maxFreeLength, "最大自由長さ"},
                                    {q.minNaturalFrequency, "固有振動数の下限"}})
    if (limit && !(Finite(*limit) && *limit > 0))
      return std::string(name) + "は 0 より大きい数にしてください";
  if (q.bore && q.rod && *q.bore <= *q.rod)
    return "穴径が軸径以下です：コイルの入る場所がありません";
  if (q.maxFreeLength && *q.maxFreeLength < q.L1)
    return "最大自由長さが L1 より短いです：自由長さは L1 以上になります";
  const auto emptyRange = EmptyRange;
  if (emptyRange(q.springIndex)) return "バネ指数の範囲が空です（最小 ≦ 最大にしてください）";
  if (q.meanDiameter && emptyRange(*q.meanDiameter))
    return "平均径の範囲が空です（最小 ≦ 最大にしてください）";
  if (q.lifeAtLeast < 0 || q.lifeAtLeast > kLowestLifeClass) return "期待寿命の指定が不正です";
  for (const EndKind end : q.endKinds)
    if (!IsValid(end))
      return "座巻きの種類は 0～" + std::to_string(LastRawOf<EndKind>()) + " で指定してください";
  if (std::string problem = MaterialsProblem(q.materials, listed); !problem.empty()) return problem;
  if (std::string problem = TopProblem(q.top); !problem.empty()) return problem;
  if (q.worstCaseGrade && (*q.worstCaseGrade < 1 || *q.worstCaseGrade > kToleranceGrades))
    return "最悪ケースの等級は 1、2、3 のどれかにしてください";
  return {};
}

template <class T>
std::vector<T> SortedUnique(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

// The end forms a search tries: those asked for, or all seven.
std::vector<EndKind> SearchedEndKinds(const SearchRequirements& req) {
  if (!req.endKinds.empty()) return SortedUnique(req.endKinds);
  const auto all = AllCodes<EndKind>();
  return {all.begin(), all.end()};
}

std::vector<int> SearchedMaterials(const SearchRequirements& req, const std::vector<int>& listed) {
  return coilspring::SearchedMaterials(req.materials, listed);
}

}  // namespace

std::int64_t EstimateCandidateCount(const SearchRequirements& req, const MaterialTable& materials) {
  const std::vector<int> listed = SearchableMaterials(materials);
  if (!RequirementProblem(req, listed).empty()) return 0;
  // Each mean diameter is tried with two turn counts (the quarter turns around the one needed).
  const auto perDiameter = static_cast<std::int64_t>(SearchedEndKinds(req).size()) * 2;
  return CountGridCandidates(materials, SearchedMaterials(req, listed), perDiameter,
                             [&req](double d) { return MeanDiameterSteps(req, d); });
}

std::string TooManyCandidatesMessage(std::int64_t count) {
  return TooManyCandidatesMessage(count,
                                  "材料（materials、kinds）、座巻き（endKinds）、平均径の範囲"
                                  "（meanDiameter）、バネ指数の範囲（springIndex）、穴径（bore）"
                                  "・軸径（rod）");
}

bool RanksBefore(const SearchCandidate& a, const SearchCandidate& b, RankBy rank) {
  const DesignRecord& x = a.design;
  const DesignRecord& y = b.design;
  switch (rank) {
    case RankBy::Mass:
      break;
    case RankBy::Life:
      if (x.LifeClass != y.LifeClass) return x.LifeClass < y.LifeClass;
      [[fallthrough]];
    case RankBy::Margin:
      if (a.stressRatio != b.stressRatio) return a.stressRatio < b.stressRatio;
      break;
    case RankBy::Solid:
      if (x.SolidHeight != y.SolidHeight) return x.SolidHeight < y.SolidHeight;
      break;
  }
  return TieKey(a) < TieKey(b);
}

SearchResult SearchDesigns(const SearchRequirements& req, const MaterialTable& materials,
                           const CoefficientSettings& settings, int threads,
                           const SearchControl& control) {
  const auto start = std::chrono::steady_clock::now();
  SearchResult result;
  const std::vector<int> listed = SearchableMaterials(materials);
  result.problem = RequirementProblem(req, listed);
  if (!result.problem.empty()) return result;

  Context cx{req, materials, settings};
  cx.p1 = StoredValue(req.P1, Quantity::Load, UnitSystemOf(req.loadUnit));
  cx.p2 = StoredValue(req.P2, Quantity::Load, UnitSystemOf(req.loadUnit));
  cx.rate = (cx.p2 - cx.p1) / (req.L1 - req.L2);
  cx.endKinds = SearchedEndKinds(req);
  cx.wires = PrepareWires(
      materials, SearchedMaterials(req, listed),
      [&settings](PreparedMaterial& pm) { PrepareCompressionAllowable(pm, settings); });

  RunWireSearch(
      cx.wires, threads, control, req.top, req.rank,
      [&cx](const SearchedWires::Job& job, Worker& w, const SearchProgress& progress) {
        return SearchWire(job, cx, w, progress);
      },
      start, result);
  return result;
}

std::string NothingFoundMessage(const SearchResult& result) {
  return NothingFoundMessageOf<Rejection>(
      result,
      "探索範囲に候補がありません（材料の線径、バネ指数の範囲、穴径・軸径、平均径の範囲を"
      "確認してください）");
}

void PutIntoHistory(SpringDesign& design, std::span<const SearchCandidate> candidates) {
  const std::size_t n = std::min<std::size_t>(candidates.size(), kHistorySlots);
  for (std::size_t i = 0; i < n; ++i) {
    design[i + 1] = candidates[i].design;
    design[i + 1].InUse = 1;
  }
}

}  // namespace coilspring
