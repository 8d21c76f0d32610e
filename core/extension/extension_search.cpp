#include "core/extension/extension_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <tuple>

#include "core/calc/allowable_stress.h"
#include "core/calc/coil_formulas.h"
#include "core/calc/reference_values.h"
#include "core/extension/extension_calc.h"
#include "core/extension/extension_reference.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {

namespace {

constexpr std::array<const char*, 4> kRankKeys = {"mass", "life", "margin", "length"};
constexpr std::array<const char*, 4> kRankNames = {"軽い順", "寿命の長い順", "応力余裕の大きい順",
                                                   "自由長さの短い順"};
constexpr std::array<const char*, kExtensionRejectionCount> kRejectionNames = {
    "ねじり応力（許容応力を超える）",
    "フック応力（許容応力を超える）",
    "有効巻数が 3 未満",
    "その他の設計チェック",
    "荷重の許容差",
    "初張力が 0 未満",
    "初応力が製作範囲の外",
    "バネ指数の範囲",
    "穴径（外径）",
    "最大自由長さ",
    "期待寿命",
};
// Slack for comparisons of values the grid produces exactly in decimal but not in binary.
constexpr double kGridSlack = 1e-9;
constexpr double kCubicMillimetresPerCubicCentimetre = 1000;

bool Finite(double v) { return std::isfinite(v); }

struct Context {
  const ExtensionRequirements& req;
  const CoefficientSettings& settings;
  SearchedWires wires{};
  std::vector<HookKind> hooks{};
  double p1 = 0, p2 = 0;  // kgf
  double rate = 0;        // kgf/mm needed
};

using Tally = SearchTally<ExtensionCandidate, kExtensionRejectionCount>;

auto TieKey(const ExtensionCandidate& c) {
  const ExtensionDesign& r = c.design;
  return std::make_tuple(c.mass, r.MaterialNo, r.WireRow, r.MeanDiameter, r.HookKind, r.TotalTurns);
}

// The calculated design against every check and requirement; counts what rejects it.
bool Accept(const ExtensionDesign& r, unsigned faults, const Context& cx, Tally& w) {
  const ExtensionRequirements& req = cx.req;
  bool ok = true;
  const auto reject = [&](ExtensionRejection why) {
    ++w.rejected[static_cast<std::size_t>(why)];
    ok = false;
  };
  if (faults & kExtensionOverstress) reject(ExtensionRejection::Overstress);
  if (faults & kExtensionHookOverstress) reject(ExtensionRejection::HookOverstress);
  if (faults & kExtensionFewTurns) reject(ExtensionRejection::FewActiveTurns);
  if (faults &
      ~(kExtensionOverstress | kExtensionHookOverstress | kExtensionFewTurns | kExtensionWarnings))
    reject(ExtensionRejection::OtherChecks);
  if (!(std::fabs(r.Load1 - cx.p1) <= req.loadTolerance * cx.p1 + kGridSlack) ||
      !(std::fabs(r.Load2 - cx.p2) <= req.loadTolerance * cx.p2 + kGridSlack))
    reject(ExtensionRejection::LoadTolerance);
  if (!(r.InitialTension >= 0))
    reject(ExtensionRejection::NegativeTension);
  else if (req.initialTensionInBand && (faults & kExtensionInitialStressOutsideBand))
    reject(ExtensionRejection::TensionBand);
  if (!(r.SpringIndex >= req.springIndex.min - kGridSlack &&
        r.SpringIndex <= req.springIndex.max + kGridSlack))
    reject(ExtensionRejection::SpringIndex);
  if (req.bore && !(r.OuterDiameter <= *req.bore + kGridSlack)) reject(ExtensionRejection::Bore);
  if (req.maxFreeLength && !(r.FreeLength <= *req.maxFreeLength + kGridSlack))
    reject(ExtensionRejection::FreeLength);
  if (r.LifeClass > req.lifeAtLeast) reject(ExtensionRejection::Life);
  return ok;
}

GridSteps MeanDiameterSteps(const ExtensionRequirements& req, double d) {
  return coilspring::MeanDiameterSteps(d, req.springIndex, std::nullopt, req.bore,
                                       req.meanDiameter);
}

// Every candidate of one wire diameter of one material. Returns false when the search is to
// stop.
bool SearchWire(const SearchedWires::Job& job, const Context& cx, Tally& w,
                const SearchProgress& progress) {
  const ExtensionRequirements& req = cx.req;
  const PreparedMaterial& pm = cx.wires.prepared[job.prepared];
  const MaterialRecord& m = *pm.material;
  const double d = m.WireDiameters[job.row];
  const double G = m.ShearModulus;
  if (!(d > 0) || !Finite(d)) return true;
  const GridSteps steps = MeanDiameterSteps(req, d);
  const auto before = [&req](const ExtensionCandidate& a, const ExtensionCandidate& b) {
    return RanksBefore(a, b, req.rank);
  };

  ExtensionDesign r;
  ExtensionCandidate c;
  r.MaterialNo = cx.wires.numbers[job.prepared];
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
    // Every body turn is active: the turns that give the rate are the total.
    const double turnsNeeded = SpringRateFor(G, d, D, 1) / cx.rate;
    if (!Finite(turnsNeeded)) continue;
    const double below = std::floor(turnsNeeded * 4) / 4;
    for (const double turns : {below, below + 0.25}) {
      r.TotalTurns = turns;
      const double k = SpringRateFor(G, d, D, turns);
      for (const HookKind hook : cx.hooks) {
        r.HookKind = hook;
        r.FreeLength = std::round(StandardFreeLength(r) * 10) / 10;
        r.InitialTension = cx.p1 - k * (req.L1 - r.FreeLength);
        const unsigned faults = CalculateExtension(r, pm, cx.settings).faults;
        if (progress.Counted(w.evaluated, step, steps.first, steps.last)) return false;
        if (!Accept(r, faults, cx, w)) continue;
        ++w.kept;
        c.design = r;
        c.mass = kPi / 4 * d * d * ExtensionWireLength(r) * cx.wires.density[job.prepared] /
                 kCubicMillimetresPerCubicCentimetre;
        c.stressRatio = r.Stress2 / r.AllowableStress;
        w.Offer(c, static_cast<std::size_t>(req.top), before);
      }
    }
  }
  return true;
}

std::vector<HookKind> SearchedHooks(const ExtensionRequirements& req) {
  std::vector<HookKind> hooks = req.hookKinds;
  if (hooks.empty()) hooks.push_back(HookKind::Round);
  std::sort(hooks.begin(), hooks.end());
  hooks.erase(std::unique(hooks.begin(), hooks.end()), hooks.end());
  return hooks;
}

}  // namespace

const char* RankKey(ExtensionRank rank) { return kRankKeys[static_cast<std::size_t>(rank)]; }
const char* RankName(ExtensionRank rank) { return kRankNames[static_cast<std::size_t>(rank)]; }

const char* RejectionName(ExtensionRejection reason) {
  return kRejectionNames[static_cast<std::size_t>(reason)];
}

std::string RequirementProblem(const ExtensionRequirements& q, const MaterialTable& materials) {
  if (!Finite(q.P1) || !Finite(q.P2) || !Finite(q.L1) || !Finite(q.L2))
    return "荷重 P1, P2 と長さ L1, L2 には数値を入れてください";
  if (q.P1 <= 0) return "P1 は 0 より大きくしてください";
  if (q.P2 <= q.P1) return "P2 は P1 より大きくしてください（P2 ≦ P1 では探索できません）";
  if (q.L1 <= 0) return "L1 は 0 より大きくしてください";
  if (q.L2 <= q.L1) return "L2 は L1 より長くしてください（L2 ≦ L1 では探索できません）";
  if (!Finite(q.loadTolerance) || q.loadTolerance < 0)
    return "荷重の許容差は 0 以上の数にしてください";
  for (const auto& [limit, name] :
       {std::pair{q.bore, "穴径"}, std::pair{q.maxFreeLength, "最大自由長さ"}})
    if (limit && !(Finite(*limit) && *limit > 0))
      return std::string(name) + "は 0 より大きい数にしてください";
  if (EmptyRange(q.springIndex)) return "バネ指数の範囲が空です（最小 ≦ 最大にしてください）";
  if (q.meanDiameter && EmptyRange(*q.meanDiameter))
    return "平均径の範囲が空です（最小 ≦ 最大にしてください）";
  if (q.lifeAtLeast < 0 || q.lifeAtLeast > kLowestLifeClass) return "期待寿命の指定が不正です";
  for (const HookKind hook : q.hookKinds)
    if (!IsValid(hook))
      return "フック形状は 0～" + std::to_string(LastRawOf<HookKind>()) + " で指定してください";
  const std::vector<int> listed = SearchableMaterials(materials);
  if (std::string problem = MaterialsProblem(q.materials, listed); !problem.empty()) return problem;
  return TopProblem(q.top);
}

std::int64_t EstimateCandidateCount(const ExtensionRequirements& req,
                                    const MaterialTable& materials) {
  if (!RequirementProblem(req, materials).empty()) return 0;
  return CountGridCandidates(materials,
                             SearchedMaterials(req.materials, SearchableMaterials(materials)),
                             static_cast<std::int64_t>(SearchedHooks(req).size()) * 2,
                             [&req](double d) { return MeanDiameterSteps(req, d); });
}

std::string TooManyCandidatesMessage(const ExtensionRequirements&, std::int64_t count) {
  return TooManyCandidatesMessage(count,
                                  "材料（materials、kinds）、フック形状（hookKinds）、平均径の範囲"
                                  "（meanDiameter）、バネ指数の範囲（springIndex）、穴径（bore）");
}

bool RanksBefore(const ExtensionCandidate& a, const ExtensionCandidate& b, ExtensionRank rank) {
  const ExtensionDesign& x = a.design;
  const ExtensionDesign& y = b.design;
  switch (rank) {
    case ExtensionRank::Mass:
      break;
    case ExtensionRank::Life:
      if (x.LifeClass != y.LifeClass) return x.LifeClass < y.LifeClass;
      [[fallthrough]];
    case ExtensionRank::Margin:
      if (a.stressRatio != b.stressRatio) return a.stressRatio < b.stressRatio;
      break;
    case ExtensionRank::Length:
      if (x.FreeLength != y.FreeLength) return x.FreeLength < y.FreeLength;
      break;
  }
  return TieKey(a) < TieKey(b);
}

ExtensionSearchResult SearchDesigns(const ExtensionRequirements& req,
                                    const MaterialTable& materials,
                                    const CoefficientSettings& settings, int threads,
                                    const SearchControl& control) {
  const auto start = std::chrono::steady_clock::now();
  ExtensionSearchResult result;
  result.problem = RequirementProblem(req, materials);
  if (!result.problem.empty()) return result;

  Context cx{req, settings};
  cx.p1 = StoredValue(req.P1, Quantity::Load, UnitSystemOf(req.loadUnit));
  cx.p2 = StoredValue(req.P2, Quantity::Load, UnitSystemOf(req.loadUnit));
  cx.rate = (cx.p2 - cx.p1) / (req.L2 - req.L1);
  cx.hooks = SearchedHooks(req);
  cx.wires =
      PrepareWires(materials, SearchedMaterials(req.materials, SearchableMaterials(materials)));
  RunWireSearch(
      cx.wires, threads, control, req.top, req.rank,
      [&cx](const SearchedWires::Job& job, Tally& w, const SearchProgress& progress) {
        return SearchWire(job, cx, w, progress);
      },
      start, result);
  return result;
}

std::string NothingFoundMessage(const ExtensionSearchResult& result) {
  return NothingFoundMessageOf<ExtensionRejection>(
      result,
      "探索範囲に候補がありません（材料の線径、バネ指数の範囲、穴径、平均径の範囲を確認して"
      "ください）");
}

std::vector<std::string> CandidateHeadings(const ExtensionRequirements&, UnitSystem units) {
  const std::string load = UnitCaption(Quantity::Load, units);
  return {"材料",
          "線径",
          "平均径",
          "外径",
          "内径",
          "総巻数",
          "フック",
          "自由長さ",
          "初張力(" + load + ")",
          "バネ定数(" + std::string(UnitCaption(Quantity::Rate, units)) + ")",
          "P1(" + load + ")",
          "P2(" + load + ")",
          "τ2/τa",
          "期待寿命",
          "質量(g)"};
}

std::vector<std::string> CandidateCells(const ExtensionCandidate& c, const MaterialTable& materials,
                                        UnitSystem units) {
  const ExtensionDesign& r = c.design;
  const auto load = [units](double kgf) {
    return FormatShort(ShownValue(kgf, Quantity::Load, units));
  };
  return {SjisToUtf8(MaterialOf(materials, r.MaterialNo).Symbol.Raw()),
          FormatFull(r.WireDiameter),
          FormatFull(r.MeanDiameter),
          FormatFull(r.OuterDiameter),
          FormatFull(r.InnerDiameter),
          FormatFull(r.TotalTurns),
          HookKindName(r.HookKind),
          FormatFull(r.FreeLength),
          load(r.InitialTension),
          FormatShort(ShownValue(r.SpringRate, Quantity::Rate, units)),
          load(r.Load1),
          load(r.Load2),
          FormatShort(c.stressRatio),
          LifeClassText(r.LifeClass),
          FormatShort(c.mass)};
}

}  // namespace coilspring
