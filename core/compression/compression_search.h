// The compression spring's design search: from two working points, the space the spring must fit
// and the life it must reach to a ranked short list of designs that already pass every check of the
// calculator. Each candidate goes through the calculator's own calculation, checks, life class and
// reference checks; the result does not depend on the number of threads.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/fatigue.h"
#include "core/compression/design_record.h"
#include "core/compression/reference.h"
#include "core/compression/spring_calc.h"
#include "core/display/display_units.h"
#include "core/records/coefficient_settings.h"
#include "core/records/material_table.h"
#include "core/search_machine/search_machine.h"

namespace coilspring {

enum class RankBy { Mass, Life, Margin, Solid };
inline constexpr std::array<RankBy, 4> kRankings = {RankBy::Mass, RankBy::Life, RankBy::Margin,
                                                    RankBy::Solid};
const char* RankKey(RankBy rank);   // "mass", "life", "margin", "solid"
const char* RankName(RankBy rank);  // Japanese, as the window offers it
std::optional<RankBy> RankByKey(std::string_view key);

struct SearchRequirements {
  std::vector<int> materials;     // record numbers; empty: every material the lists show
  std::vector<EndKind> endKinds;  // empty: all seven
  LoadUnit loadUnit = LoadUnit::Newton;
  double P1 = 0;                                // at L1, in loadUnit
  double L1 = 0;                                // mm
  double P2 = 0;                                // at L2, in loadUnit
  double L2 = 0;                                // mm
  double loadTolerance = 0.05;                  // fraction of each load
  std::optional<double> bore;                   // largest outer diameter, free and at L2, mm
  std::optional<double> rod;                    // smallest inner diameter, mm
  std::optional<double> maxFreeLength;          // mm
  std::optional<ValueRange> meanDiameter;       // mm
  std::int32_t lifeAtLeast = kLowestLifeClass;  // a life class; 8 asks for nothing
  ValueRange springIndex{4, 22};                // the checks' own range
  std::optional<Seating> seating;               // buckling at L2 must be safe for it
  std::optional<double> minNaturalFrequency;    // Hz
  // A tolerance grade 1..3: the spring as that grade may deliver it at its worst must still
  // meet the allowable stress, the life, the bore and the rod. Empty: judged as designed.
  std::optional<int> worstCaseGrade;
  RankBy rank = RankBy::Mass;
  int top = 30;  // 1..kMostCandidatesShown
};

// Why a calculated candidate was left out; a candidate counts under every reason it fails.
enum class Rejection {
  Overstress,        // check 5
  BelowSolid,        // check 3
  FewActiveTurns,    // check 6
  OtherChecks,       // the remaining checks (order of lengths, table, undefined values)
  LoadTolerance,     // P1 or P2 at L1, L2 outside the tolerance
  SpringIndex,       // outside the required range
  Bore,              // outer diameter larger than the bore
  Rod,               // inner diameter smaller than the rod
  FreeLength,        // free length above the largest allowed
  Life,              // life class below the one required
  BoreAtL2,          // outer diameter at L2 (grown under load) larger than the bore
  Buckling,          // can buckle at L2 with the required seating
  NaturalFrequency,  // below the lowest allowed
  WorstCase,         // the worst case of the required grade fails stress, life, bore or rod
};
inline constexpr int kRejectionCount = 14;
const char* RejectionName(Rejection reason);  // Japanese

struct SearchCandidate {
  DesignRecord design;  // calculated, with its life class; lengths entered
  // Every end form that gives this very spring (the same geometry and results), ascending; the
  // design carries the first. One spring is one candidate, however many end forms make it.
  std::vector<EndKind> endKinds;
  double mass = 0;            // g: the wire mass of the reference checks
  double stressRatio = 0;     // Stress2 / AllowableStress
  ReferenceChecks reference;  // with the required seating (both ends fixed when none)
};

using SearchResult = SearchResultOf<SearchCandidate, kRejectionCount>;

// The candidate's end forms as one text: their names joined by `separator`.
std::string EndFormsText(const SearchCandidate& candidate, const char* separator = "／");

// `threads` 0 uses every core.
SearchResult SearchDesigns(const SearchRequirements& requirements, const MaterialTable& materials,
                           const CoefficientSettings& settings, int threads = 0,
                           const SearchControl& control = {});

// How many candidates SearchDesigns would calculate for these requirements, at most: every
// mean diameter of the grid that the index range, the space and the mean-diameter range allow,
// for every wire of every material searched, every end form and two turn counts. Cheap (no
// calculation); 0 for requirements SearchDesigns refuses.
std::int64_t EstimateCandidateCount(const SearchRequirements& requirements,
                                    const MaterialTable& materials);
// Why a search of `count` candidates is too wide, naming what narrows it.
std::string TooManyCandidatesMessage(std::int64_t count);

// The ranking: true when `a` comes before `b`. Ties go by mass, then material, wire, mean
// diameter, end form and turns, so no two candidates are ever equal.
bool RanksBefore(const SearchCandidate& a, const SearchCandidate& b, RankBy rank);

// Why a search found nothing, for the designer: the requirement that left out most candidates.
std::string NothingFoundMessage(const SearchResult& result);

// The candidates fill the history slots 1, 2, ... in rank order, at most 30; the slots after
// them keep what they hold.
void PutIntoHistory(SpringDesign& design, std::span<const SearchCandidate> candidates);

}  // namespace coilspring
