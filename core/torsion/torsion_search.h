// The torsion spring's design search: from two moments a stroke apart, the legs and the space
// (arbor, bore, body length) to a ranked short list of designs that pass every check of the
// calculator, on the shared search machine.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/records/material_table.h"
#include "core/search_machine/search_machine.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

enum class TorsionRank { Mass, Margin, Body };
inline constexpr std::array<TorsionRank, 3> kTorsionRanks = {TorsionRank::Mass, TorsionRank::Margin,
                                                             TorsionRank::Body};
const char* RankKey(TorsionRank rank);   // "mass", "margin", "body"
const char* RankName(TorsionRank rank);  // Japanese, as the window offers it

struct TorsionRequirements {
  std::vector<int> materials;  // record numbers; empty: every material the lists show
  LoadUnit loadUnit = LoadUnit::Newton;
  double M1 = 0;      // at the installed position, in loadUnit·mm
  double M2 = 0;      // at the working position
  double stroke = 0;  // degrees from the installed to the working position
  double Leg1 = 0;    // mm
  double Leg2 = 0;
  std::optional<double> LoadArm;        // mm; Leg1 when not given
  std::optional<double> rod;            // the arbor: smallest inner diameter wound up at θ2, mm
  std::optional<double> bore;           // largest free outer diameter, mm
  std::optional<double> maxBodyLength;  // body length at θ2, mm
  std::optional<ValueRange> meanDiameter;
  double loadTolerance = 0.05;  // fraction of each moment
  ValueRange springIndex{4, 16};
  // The upper stress ratio above its limit is a warning of the calculator; asked, it leaves the
  // candidate out.
  bool refuseUpperStress = false;
  TorsionRank rank = TorsionRank::Mass;
  int top = 30;  // 1..kMostCandidatesShown
};

enum class TorsionRejection {
  Overstress,        // the bending stress above the allowable
  Rod,               // the coil wound up at θ2 grips the arbor
  OtherChecks,       // the remaining checks (index, order of angles, table, undefined values)
  LoadTolerance,     // M1 or M2 outside the tolerance
  SpringIndex,       // outside the required range
  Bore,              // free outer diameter larger than the bore
  BodyLength,        // body at θ2 longer than allowed
  UpperStressRatio,  // above the limit, when refused
};
inline constexpr int kTorsionRejectionCount = 8;
const char* RejectionName(TorsionRejection reason);  // Japanese

struct TorsionCandidate {
  TorsionDesign design;    // calculated, angles entered
  double mass = 0;         // g: the body and the legs
  double stressRatio = 0;  // Stress2 / AllowableStress
};
using TorsionSearchResult = SearchResultOf<TorsionCandidate, kTorsionRejectionCount>;

// The free position the moments ask for: θ1 = M1/k, θ2 = θ1 + stroke with k = (M2 − M1)/stroke.
struct RequiredAngles {
  double angle1 = 0;
  double angle2 = 0;
};
RequiredAngles AnglesOf(const TorsionRequirements& requirements);

// `threads` 0 uses every core.
TorsionSearchResult SearchDesigns(const TorsionRequirements& requirements,
                                  const MaterialTable& materials, int threads = 0,
                                  const SearchControl& control = {});
std::int64_t EstimateCandidateCount(const TorsionRequirements& requirements,
                                    const MaterialTable& materials);
std::string RequirementProblem(const TorsionRequirements& requirements,
                               const MaterialTable& materials);
std::string TooManyCandidatesMessage(const TorsionRequirements& requirements, std::int64_t count);

// Ties go by mass, then material, wire, mean diameter and turns.
bool RanksBefore(const TorsionCandidate& a, const TorsionCandidate& b, TorsionRank rank);
std::string NothingFoundMessage(const TorsionSearchResult& result);

// The short list as a table, for the command line and the window alike: the headings, and a
// row of cells per candidate; moments and the rate in `units`.
std::vector<std::string> CandidateHeadings(const TorsionRequirements& requirements,
                                           UnitSystem units);
std::vector<std::string> CandidateCells(const TorsionCandidate& candidate,
                                        const MaterialTable& materials, UnitSystem units);

}  // namespace coilspring
