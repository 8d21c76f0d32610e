// The extension spring's calculation: rate, initial tension and its band, stresses of the coil
// body and the hook, allowable stress, maximum load and length, life class and the check lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calc/allowable_stress.h"
#include "core/calc/fatigue.h"
#include "core/extension/extension_design.h"
#include "core/records/coefficient_settings.h"
#include "core/records/input_problem.h"
#include "core/records/material_table.h"

namespace coilspring {

// The initial stress (uncorrected, N/mm^2) that cold coiling of steel wire achieves at spring
// index c, as the published spring-industry relation gives it:
//   τi = 231·e^(−0.105c) ± 6.9·(4 − (c − 3)/6.5).
struct StressBand {
  double min = 0;
  double max = 0;
};
StressBand CoiledInitialStressBand(double springIndex);
// The factor that lowers the band for a wire class, annealed after coiling or not:
// stainless wire by StainlessTensionReduction, and after low-temperature annealing piano wire
// by PianoWireTensionReduction, hard-drawn wire by HardDrawnTensionReduction and stainless wire
// further by AnnealedStainlessTensionReduction (all percent).
double InitialTensionFactor(WireClass wire, bool annealed, const CoefficientSettings& settings);

// The faults of an extension design, as bits in the order of the check lines. Those the
// compression spring has too (DesignFault in core/calc/spring_calc.h) share its line texts, but
// not its bits: the two kinds list their lines in different orders.
enum ExtensionFault : unsigned {
  kExtensionIndexLow = 1u << 0,
  kExtensionIndexHigh = 1u << 1,
  kExtensionFewTurns = 1u << 2,
  kExtensionOverstress = 1u << 3,
  kExtensionHookOverstress = 1u << 4,
  kExtensionOrder = 1u << 5,
  kExtensionOutsideTable = 1u << 6,
  kExtensionNotFinite = 1u << 7,
  // A warning, not a fault: the design may still be made, with care.
  kExtensionInitialStressOutsideBand = 1u << 8,
};
inline constexpr unsigned kExtensionWarnings = kExtensionInitialStressOutsideBand;

struct ExtensionCheck {
  unsigned faults = 0;
  bool failed() const { return (faults & ~kExtensionWarnings) != 0; }
  // One line per fault or warning, in bit order, or the success line.
  std::vector<std::string> Lines(coilspring::InputMode inputMode) const;
};

// The coil diameters from the one DiameterKind names, WireRow from the material's table, then
// every result; returns the checks. `material` is the design's (MaterialOf its MaterialNo),
// prepared (PrepareMaterial, or a PreparedMaterialCache) where designs are calculated over and
// over; the record alone prepares what the one calculation needs, its wire class included.
ExtensionCheck CalculateExtension(ExtensionDesign& design, const PreparedMaterial& material,
                                  const CoefficientSettings& settings);
ExtensionCheck CalculateExtension(ExtensionDesign& design, const MaterialRecord& material,
                                  const CoefficientSettings& settings);

// The first input of the design, in field-table order, that no spring can have, naming its key:
// a material the database does not have, a wire diameter its table does not list, turns that
// are not above 0, a diameter, length or initial tension below 0, a value that is not finite,
// or a close-wound body (StandardFreeLength's (Nt + 1)·d) longer than the free length. Only
// the entered one of the diameters, and the lengths or the loads as InputMode enters them, are
// looked at: the others are results.
std::optional<InputProblem> ExtensionInputProblem(const ExtensionDesign& design,
                                                  const MaterialTable& materials);

// The initial tension (kgf) that gives the band's initial stresses on the design's coil.
StressBand InitialTensionBand(const ExtensionDesign& design);

// The working point of the coil body on the fatigue diagram: τ1 and τ2 against σB of the
// design's wire row.
StressCoefficients ExtensionFatigueCoefficients(const ExtensionDesign& design,
                                                const MaterialRecord& material);

// The standard free length inside the hooks: the close-wound body and the two hooks' inner
// heights, (Nt + 1)·d + 2·h.
double StandardFreeLength(const ExtensionDesign& design);
// The inner height of one hook of the design's form: the inner diameter for the round hooks,
// half of it for the half-round hook, the inner diameter again for the U hook.
double HookInnerHeight(const ExtensionDesign& design);

}  // namespace coilspring
