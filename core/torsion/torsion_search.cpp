#include "core/torsion/torsion_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string_view>
#include <tuple>

#include "core/calc/allowable_stress.h"
#include "core/calc/coil_formulas.h"
#include "core/calc/reference_values.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/torsion/torsion_calc.h"
#include "core/torsion/torsion_reference.h"

namespace coilspring {

namespace {

constexpr std::array<const char*, 3> kRankKeys = {"mass", "margin", "body"};
constexpr std::array<const char*, 3> kRankNames = {"軽い順", "応力余裕の大きい順",
                                                   "θ2 のコイル長さの短い順"};
constexpr std::array<const char*, kTorsionRejectionCount> kRejectionNames = {
    "曲げ応力（許容応力を超える）",
    "軸径（θ2 での内径）",
    "その他の設計チェック",
    "モーメントの許容差",
    "バネ指数の範囲",
    "穴径（外径）",
    "θ2 でのコイル長さ",
    "上限応力係数",
};
constexpr double kGridSlack = 1e-9;
constexpr double kCubicMillimetresPerCubicCentimetre = 1000;

bool Finite(double v) { return std::isfinite(v); }

struct Context {
  const TorsionRequirements& req;
  SearchedWires wires{};
  double m1 = 0, m2 = 0;  // kgf·mm
  double rate = 0;        // kgf·mm per degree needed
  RequiredAngles angles{};
};

using Tally = SearchTally<TorsionCandidate, kTorsionRejectionCount>;

auto TieKey(const TorsionCandidate& c) {
  const TorsionDesign& t = c.design;
  return std::make_tuple(c.mass, t.MaterialNo, t.WireDiameter, t.MeanDiameter, t.TotalTurns);
}

bool Accept(const TorsionDesign& t, unsigned faults, const Context& cx, Tally& w) {
  const TorsionRequirements& req = cx.req;
  bool ok = true;
  const auto reject = [&](TorsionRejection why) {
    ++w.rejected[static_cast<std::size_t>(why)];
    ok = false;
  };
  if (faults & kTorsionOverstress) reject(TorsionRejection::Overstress);
  if (faults & kTorsionRodInterference) reject(TorsionRejection::Rod);
  if (faults & ~(kTorsionOverstress | kTorsionRodInterference | kTorsionWarnings))
    reject(TorsionRejection::OtherChecks);
  if (!(std::fabs(t.Moment1 - cx.m1) <= req.loadTolerance * cx.m1 + kGridSlack) ||
      !(std::fabs(t.Moment2 - cx.m2) <= req.loadTolerance * cx.m2 + kGridSlack))
    reject(TorsionRejection::LoadTolerance);
  if (!(t.SpringIndex >= req.springIndex.min - kGridSlack &&
        t.SpringIndex <= req.springIndex.max + kGridSlack))
    reject(TorsionRejection::SpringIndex);
  if (req.bore && !(t.OuterDiameter <= *req.bore + kGridSlack)) reject(TorsionRejection::Bore);
  if (req.maxBodyLength && !(t.BodyLength2 <= *req.maxBodyLength + kGridSlack))
    reject(TorsionRejection::BodyLength);
  if (req.refuseUpperStress && (faults & kTorsionUpperStress))
    reject(TorsionRejection::UpperStressRatio);
  return ok;
}

GridSteps MeanDiameterSteps(const TorsionRequirements& req, double d) {
  // Winding up only narrows the coil, so a free inner diameter below the arbor never passes.
  return coilspring::MeanDiameterSteps(d, req.springIndex, req.rod, req.bore, req.meanDiameter);
}

bool SearchWire(const SearchedWires::Job& job, const Context& cx, Tally& w,
                const SearchProgress& progress) {
  const TorsionRequirements& req = cx.req;
  const PreparedMaterial& pm = cx.wires.prepared[job.prepared];
  const MaterialRecord& m = *pm.material;
  const double d = m.WireDiameters[job.row];
  if (!(d > 0) || !Finite(d)) return true;
  const GridSteps steps = MeanDiameterSteps(req, d);
  const auto before = [&req](const TorsionCandidate& a, const TorsionCandidate& b) {
    return RanksBefore(a, b, req.rank);
  };

  TorsionDesign t;
  TorsionCandidate c;
  t.MaterialNo = cx.wires.numbers[job.prepared];
  t.WireDiameter = d;
  t.DiameterKind = DiameterKind::Mean;
  t.InputMode = kAnglesEntered;
  t.Leg1 = req.Leg1;
  t.Leg2 = req.Leg2;
  t.LoadArm = req.LoadArm;
  t.Rod = req.rod;
  t.Angle1 = cx.angles.angle1;
  t.Angle2 = cx.angles.angle2;
  for (long step = steps.first; step <= steps.last; ++step) {
    const double D = static_cast<double>(step) / 10;
    t.MeanDiameter = D;
    // The rate of one active turn over the rate needed gives the active turns; the legs' own
    // bending counts as (l1 + l2)/(3πD) of them.
    const double rateOfOneTurn =
        m.YoungModulus * d * d * d * d / (kTorsionRateConstant * D) / kKgfForRate;
    const double totalNeeded = rateOfOneTurn / cx.rate - (req.Leg1 + req.Leg2) / (3 * kPi * D);
    if (!Finite(totalNeeded)) continue;
    const double below = std::floor(totalNeeded * 4) / 4;
    for (const double turns : {below, below + 0.25}) {
      if (turns < 1) continue;
      t.TotalTurns = turns;
      CalculateTorsion(t, pm);
      const unsigned faults = TorsionFaults(t, pm);
      if (progress.Counted(w.evaluated, step, steps.first, steps.last)) return false;
      if (!Accept(t, faults, cx, w)) continue;
      ++w.kept;
      c.design = t;
      c.mass = kPi / 4 * d * d * TorsionWireLength(t) * cx.wires.density[job.prepared] /
               kCubicMillimetresPerCubicCentimetre;
      c.stressRatio = t.Stress2 / t.AllowableStress;
      w.Offer(c, static_cast<std::size_t>(req.top), before);
    }
  }
  return true;
}

}  // namespace

const char* RankKey(TorsionRank rank) { return kRankKeys[static_cast<std::size_t>(rank)]; }
const char* RankName(TorsionRank rank) { return kRankNames[static_cast<std::size_t>(rank)]; }

const char* RejectionName(TorsionRejection reason) {
  return kRejectionNames[static_cast<std::size_t>(reason)];
}

RequiredAngles AnglesOf(const TorsionRequirements& q) {
  const double rate = (q.M2 - q.M1) / q.stroke;
  const double angle1 = q.M1 / rate;
  return {angle1, angle1 + q.stroke};
}

std::string RequirementProblem(const TorsionRequirements& q, const MaterialTable& materials) {
  if (!Finite(q.M1) || !Finite(q.M2) || !Finite(q.stroke))
    return "モーメント M1, M2 と角度 stroke には数値を入れてください";
  if (q.M1 < 0) return "M1 は 0 以上にしてください";
  if (q.M2 <= q.M1) return "M2 は M1 より大きくしてください（M2 ≦ M1 では探索できません）";
  if (q.stroke <= 0) return "stroke は 0 より大きくしてください";
  if (!Finite(q.Leg1) || !Finite(q.Leg2) || q.Leg1 < 0 || q.Leg2 < 0)
    return "腕の長さ Leg1, Leg2 は 0 以上の数にしてください";
  if (!Finite(q.loadTolerance) || q.loadTolerance < 0)
    return "モーメントの許容差は 0 以上の数にしてください";
  for (const auto& [limit, name] :
       {std::pair{q.LoadArm, "荷重点の腕の長さ"}, std::pair{q.rod, "軸径"},
        std::pair{q.bore, "穴径"}, std::pair{q.maxBodyLength, "θ2 でのコイル長さの上限"}})
    if (limit && !(Finite(*limit) && *limit > 0))
      return std::string(name) + "は 0 より大きい数にしてください";
  if (q.bore && q.rod && *q.bore <= *q.rod)
    return "穴径が軸径以下です：コイルの入る場所がありません";
  if (EmptyRange(q.springIndex)) return "バネ指数の範囲が空です（最小 ≦ 最大にしてください）";
  if (q.meanDiameter && EmptyRange(*q.meanDiameter))
    return "平均径の範囲が空です（最小 ≦ 最大にしてください）";
  const std::vector<int> listed = SearchableMaterials(materials);
  if (std::string problem = MaterialsProblem(q.materials, listed); !problem.empty()) return problem;
  return TopProblem(q.top);
}

std::int64_t EstimateCandidateCount(const TorsionRequirements& req,
                                    const MaterialTable& materials) {
  if (!RequirementProblem(req, materials).empty()) return 0;
  return CountGridCandidates(materials,
                             SearchedMaterials(req.materials, SearchableMaterials(materials)), 2,
                             [&req](double d) { return MeanDiameterSteps(req, d); });
}

std::string TooManyCandidatesMessage(const TorsionRequirements&, std::int64_t count) {
  return TooManyCandidatesMessage(count,
                                  "材料（materials、kinds）、平均径の範囲（meanDiameter）、"
                                  "バネ指数の範囲（springIndex）、穴径（bore）・軸径（rod）");
}

bool RanksBefore(const TorsionCandidate& a, const TorsionCandidate& b, TorsionRank rank) {
  switch (rank) {
    case TorsionRank::Mass:
      break;
    case TorsionRank::Margin:
      if (a.stressRatio != b.stressRatio) return a.stressRatio < b.stressRatio;
      break;
    case TorsionRank::Body:
      if (a.design.BodyLength2 != b.design.BodyLength2)
        return a.design.BodyLength2 < b.design.BodyLength2;
      break;
  }
  return TieKey(a) < TieKey(b);
}

TorsionSearchResult SearchDesigns(const TorsionRequirements& req, const MaterialTable& materials,
                                  int threads, const SearchControl& control) {
  const auto start = std::chrono::steady_clock::now();
  TorsionSearchResult result;
  result.problem = RequirementProblem(req, materials);
  if (!result.problem.empty()) return result;

  Context cx{req};
  cx.m1 = StoredValue(req.M1, Quantity::Energy, UnitSystemOf(req.loadUnit));
  cx.m2 = StoredValue(req.M2, Quantity::Energy, UnitSystemOf(req.loadUnit));
  cx.rate = (cx.m2 - cx.m1) / req.stroke;
  cx.angles = AnglesOf(req);
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

std::string NothingFoundMessage(const TorsionSearchResult& result) {
  return NothingFoundMessageOf<TorsionRejection>(
      result,
      "探索範囲に候補がありません（材料の線径、バネ指数の範囲、穴径・軸径、平均径の範囲を"
      "確認してください）");
}

std::vector<std::string> CandidateHeadings(const TorsionRequirements&, UnitSystem units) {
  const std::string moment = UnitCaption(Quantity::Energy, units);
  return {"材料",
          "線径",
          "平均径",
          "外径",
          "内径",
          "総巻数",
          "腕1",
          "腕2",
          "θ1",
          "θ2",
          "バネ定数(" + moment + "/°)",
          "M1(" + moment + ")",
          "M2(" + moment + ")",
          "σ2/σa",
          "θ2内径",
          "θ2長さ",
          "質量(g)"};
}

std::vector<std::string> CandidateCells(const TorsionCandidate& c, const MaterialTable& materials,
                                        UnitSystem units) {
  const TorsionDesign& t = c.design;
  const auto moment = [units](double kgfmm) {
    return FormatShort(ShownValue(kgfmm, Quantity::Energy, units));
  };
  return {SjisToUtf8(MaterialOf(materials, t.MaterialNo).Symbol.Raw()),
          FormatFull(t.WireDiameter),
          FormatFull(t.MeanDiameter),
          FormatFull(t.OuterDiameter),
          FormatFull(t.InnerDiameter),
          FormatFull(t.TotalTurns),
          FormatFull(t.Leg1),
          FormatFull(t.Leg2),
          FormatShort(t.Angle1),
          FormatShort(t.Angle2),
          moment(t.SpringRate),
          moment(t.Moment1),
          moment(t.Moment2),
          FormatShort(c.stressRatio),
          FormatShort(t.InnerDiameter2),
          FormatShort(t.BodyLength2),
          FormatShort(c.mass)};
}

}  // namespace coilspring
