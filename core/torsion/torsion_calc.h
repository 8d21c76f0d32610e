// The torsion spring's formulas and its design checks.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calc/allowable_stress.h"
#include "core/records/input_problem.h"
#include "core/records/material_table.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

// 64 · 180 / π as the rate formula of the torsion-spring standard writes it.
inline constexpr double kTorsionRateConstant = 3667;
// Where set matters the upper stress should stay at or below this share of the tensile
// strength.
inline constexpr double kUpperStressRatioLimit = 0.7;

// κb = (4c² − c − 1) / (4c(c − 1)), the bending stress correction of the coil's inner fibre.
double BendingFactorOf(double springIndex);

// The first input of the design, MaterialNo and then in field-table order, that no spring can
// have, naming its key: a material the database does not have, a wire diameter its table does
// not list, body turns not above 0, a diameter, leg, load arm or rod below 0, a value that is
// not finite, or a wind-up angle beyond ±360° per body turn. Only the entered one of the
// diameters, and the angles or the moments as InputMode enters them, are looked at: the others
// are results.
std::optional<InputProblem> TorsionInputProblem(const TorsionDesign& design,
                                                const MaterialTable& materials);

// Computes every result of `design` from its inputs and its material: the three coil
// diameters from the entered one, then the rate, the working points, the stresses, the
// allowable stress and what follows from them. `material` is the design's, prepared
// (PrepareMaterial, or a PreparedMaterialCache) so that a calculation and its checks read one
// bending table; the material table alone builds it for the one call.
void CalculateTorsion(TorsionDesign& design, const PreparedMaterial& material);
void CalculateTorsion(TorsionDesign& design, const MaterialTable& materials);

// The checks as bits, in the order of their lines; the upper stress ratio is a warning.
enum TorsionFault : unsigned {
  kTorsionIndexLow = 1u << 0,
  kTorsionIndexHigh = 1u << 1,
  kTorsionOverstress = 1u << 2,
  kTorsionAngleOrder = 1u << 3,
  kTorsionRodInterference = 1u << 4,
  kTorsionOutsideTable = 1u << 5,
  kTorsionNotFinite = 1u << 6,
  kTorsionUpperStress = 1u << 7,
};
inline constexpr unsigned kTorsionWarnings = kTorsionUpperStress;
// What CheckTorsion finds, without its lines: a search judges millions of designs.
unsigned TorsionFaults(const TorsionDesign& design, const PreparedMaterial& material);

struct TorsionCheck {
  std::vector<std::string> lines;  // error lines, or the success line; then any warnings
  bool failed = false;             // an error line is among them
};
TorsionCheck CheckTorsion(const TorsionDesign& design, const PreparedMaterial& material);
TorsionCheck CheckTorsion(const TorsionDesign& design, const MaterialTable& materials);

inline constexpr const char* kBendingOverstressLine = "エラー:曲げ応力オーバー";
inline constexpr const char* kAngleOrderLine = "エラー:ねじれ角の順番が不適";
inline constexpr const char* kRodInterferenceLine = "エラー:軸とコイル内径が干渉";
inline constexpr const char* kUpperStressWarningLine =
    "注意:上限応力係数が0.7を超えています（へたりに注意）";

}  // namespace coilspring
