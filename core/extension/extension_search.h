// The extension spring's design search: from two loads at two lengths, the bore and the longest
// free length to a ranked short list of designs that pass every check of the calculator, on the
// shared search machine. Each candidate takes the free length the window recommends for it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/fatigue.h"
#include "core/extension/extension_design.h"
#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"
#include "core/search_machine/search_machine.h"

namespace coilspring {

enum class ExtensionRank { Mass, Life, Margin, Length };
inline constexpr std::array<ExtensionRank, 4> kExtensionRanks = {
    ExtensionRank::Mass, ExtensionRank::Life, ExtensionRank::Margin, ExtensionRank::Length};
const char* RankKey(ExtensionRank rank);   // "mass", "life", "margin", "length"
const char* RankName(ExtensionRank rank);  // Japanese, as the window offers it

struct ExtensionRequirements {
  std::vector<int> materials;  // record numbers; empty: every material the lists show
  std::vector<HookKind> hookKinds{HookKind::Round};
  LoadUnit loadUnit = LoadUnit::Newton;
  double P1 = 0;  // at the total length L1 (hook to hook), in loadUnit
  double L1 = 0;  // mm
  double P2 = 0;  // at L2
  double L2 = 0;
  double loadTolerance = 0.05;             // fraction of each load
  std::optional<double> bore;              // largest outer diameter, mm
  std::optional<double> maxFreeLength;     // mm
  std::optional<ValueRange> meanDiameter;  // mm
  std::int32_t lifeAtLeast = kLowestLifeClass;
  // The initial stress must lie in the band cold coiling reaches (with the material's
  // reductions); false asks only for an initial tension of at least 0.
  bool initialTensionInBand = true;
  ValueRange springIndex{4, 16};
  ExtensionRank rank = ExtensionRank::Mass;
  int top = 30;  // 1..kMostCandidatesShown
};

// Why a calculated candidate was left out; a candidate counts under every reason it fails.
enum class ExtensionRejection {
  Overstress,       // the body's stress above the allowable
  HookOverstress,   // the hook's stress above the allowable
  FewActiveTurns,   // fewer than 3 turns
  OtherChecks,      // the remaining checks (index, order of lengths, table, undefined values)
  LoadTolerance,    // P1 or P2 at L1, L2 outside the tolerance
  NegativeTension,  // the initial tension the loads ask for is below 0
  TensionBand,      // the initial stress outside the band that can be coiled
  SpringIndex,      // outside the required range
  Bore,             // outer diameter larger than the bore
  FreeLength,       // free length above the largest allowed
  Life,             // life class below the one required
};
inline constexpr int kExtensionRejectionCount = 11;
const char* RejectionName(ExtensionRejection reason);  // Japanese

struct ExtensionCandidate {
  ExtensionDesign design;  // calculated, lengths entered
  double mass = 0;         // g: the body and both hooks
  double stressRatio = 0;  // Stress2 / AllowableStress
};
using ExtensionSearchResult = SearchResultOf<ExtensionCandidate, kExtensionRejectionCount>;

// `threads` 0 uses every core.
ExtensionSearchResult SearchDesigns(const ExtensionRequirements& requirements,
                                    const MaterialTable& materials,
                                    const CoefficientSettings& settings, int threads = 0,
                                    const SearchControl& control = {});
// How many candidates the search would calculate, at most; 0 for requirements it refuses.
std::int64_t EstimateCandidateCount(const ExtensionRequirements& requirements,
                                    const MaterialTable& materials);
// What the requirements ask that no search can give; empty when they can be searched.
std::string RequirementProblem(const ExtensionRequirements& requirements,
                               const MaterialTable& materials);
std::string TooManyCandidatesMessage(const ExtensionRequirements& requirements, std::int64_t count);

// The ranking: true when `a` comes before `b`. Ties go by mass, then material, wire, mean
// diameter, hook form and turns, so no two candidates are ever equal.
bool RanksBefore(const ExtensionCandidate& a, const ExtensionCandidate& b, ExtensionRank rank);
std::string NothingFoundMessage(const ExtensionSearchResult& result);

// The short list as a table, for the command line and the window alike: the headings, and a
// row of cells per candidate; loads and the rate in `units`.
std::vector<std::string> CandidateHeadings(const ExtensionRequirements& requirements,
                                           UnitSystem units);
std::vector<std::string> CandidateCells(const ExtensionCandidate& candidate,
                                        const MaterialTable& materials, UnitSystem units);

}  // namespace coilspring
