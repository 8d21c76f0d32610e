// The conical spring's calculation: its load curve (every coil open, then closing one by one
// from the largest, then solid), the stresses at the largest open coil, the allowable stress,
// maximum load, life class and fatigue working point as for the compression spring, and the
// check lines.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/calc/allowable_stress.h"
#include "core/calc/fatigue.h"
#include "core/conical/conical_design.h"
#include "core/records/coefficient_settings.h"
#include "core/records/input_problem.h"
#include "core/records/material_table.h"

namespace coilspring {

// The load–deflection relation of a conical coil of uniform free pitch. A wire element at mean
// radius R deflects dδ/dφ = P·R³/(G·J) until it closes at its capacity c = (p − d)/(2π) per
// radian, at the load Pc(R) = c·G·J/R³: the largest coil first, the smallest last. Loads in kgf,
// lengths in mm, G·J in kgf·mm².
class ConicalCurve {
 public:
  // R1 ≤ R2 the mean radii of the small and the large end, Na active turns of free pitch p.
  ConicalCurve(double shearModulusKgf, double d, double R1, double R2, double activeTurns,
               double pitch);

  double InitialRate() const { return k1_; }
  double FirstContactLoad() const { return firstContact_; }    // Pc(R2)
  double SolidLoad() const { return solid_; }                  // Pc(R1)
  double SolidDeflection() const { return solidDeflection_; }  // Na·(p − d)
  // The mean radius of the largest coil still open under P: R2 up to first contact, then
  // Rb = (c·G·J/P)^(1/3), R1 once solid.
  double OpenRadius(double P) const;
  // δ(P): 16·P·Na·(R1 + R2)(R1² + R2²)/(G·d⁴) while every coil is open; then
  // (P/GJ)·(2πNa/(R2 − R1))·(Rb⁴ − R1⁴)/4 + c·2πNa·(R2 − Rb)/(R2 − R1); Na·(p − d) once solid.
  double Deflection(double P) const;
  // The load at a deflection: k1·δ while every coil is open, the solid load at or beyond the
  // solid deflection, and in between the load of δ(P) = δ found by bisection to 1e-12 of the
  // load (δ rises monotonically with P; the bisection runs over Rb, P = c·G·J/Rb³).
  double LoadAt(double deflection) const;
  // dP/dδ: the open coils' compliance ∫R³/(GJ)dφ inverted; nothing once the spring is solid.
  std::optional<double> RateAt(double P) const;
  // τ = κ(2Ra/d)·16·P·Ra/(πd³) at the largest open coil Ra.
  double StressAt(double P) const;
  // The load at which StressAt reaches τ (it rises with P), or the solid load when τ is not
  // reached before the spring is solid.
  double LoadAtStress(double stress) const;

 private:
  double DeflectionAtRadius(double Rb) const;
  double LoadAtRadius(double Rb) const;
  double StressAtRadius(double Ra, double P) const;

  double d_, R1_, R2_, GJ_, capacity_, turnsAngle_;  // turnsAngle_: 2πNa
  double k1_, firstContact_, solid_, solidDeflection_;
};

// The faults of a conical design, as bits in the order of the check lines: the compression
// spring's (DesignFault in core/calc/coil_formulas.h, with their line texts), then telescoping.
enum ConicalFault : unsigned {
  kConicalTelescoping = 1u << 8,
};

struct ConicalCheck {
  unsigned faults = 0;
  bool failed() const { return faults != 0; }
  // One line per fault, in bit order, or the success line; the telescoping line names the
  // design's diameters.
  std::vector<std::string> Lines(const ConicalDesign& design) const;
};

// The curve of a design whose mean diameters, active turns and pitch are calculated.
ConicalCurve CurveOf(const ConicalDesign& design, const MaterialRecord& material);

// The mean diameters from the entered ones, WireRow from the material's table, then every
// result; returns the checks. `material` is the design's (MaterialOf its MaterialNo), prepared
// where designs are calculated over and over.
ConicalCheck CalculateConical(ConicalDesign& design, const PreparedMaterial& material,
                              const CoefficientSettings& settings);
ConicalCheck CalculateConical(ConicalDesign& design, const MaterialRecord& material,
                              const CoefficientSettings& settings);

// The first input of the design, in field-table order, that no spring can have, naming its key:
// a material the database does not have, a wire its table does not list, turns not above 0, a
// diameter or length below 0, a value that is not finite, a large end smaller than the small
// one, or a free length below the solid height (Nt + 1)·d. Only the lengths or the loads as
// InputMode enters them are looked at.
std::optional<InputProblem> ConicalInputProblem(const ConicalDesign& design,
                                                const MaterialTable& materials);

// Whether the coils would nest inside each other: the mean radius grows by (R2 − R1)/Na per
// active turn, and from the wire diameter on one turn slips into the next. Such a spring is
// not one this calculation covers.
bool Telescopes(const ConicalDesign& design);
// "コイルが入れ子になる円すいばねは計算できません（…）" with the design's diameters, for a
// design that Telescopes; nothing otherwise. A design of valid inputs only.
std::optional<std::string> TelescopingRefusal(const ConicalDesign& design);

// The working point on the fatigue diagram: τ1 and τ2 against σB of the design's wire row.
StressCoefficients ConicalFatigueCoefficients(const ConicalDesign& design,
                                              const MaterialRecord& material);

}  // namespace coilspring
