// Reference checks shown beside the six design checks: buckling, natural frequency, stress at
// solid height, growth of the outer diameter under load, the makers' tolerance grades and the
// worst case of one grade, the coil clearance at L2, the stored energy, the wire's length and
// mass, and the spring at its operating temperature.
// They never change the design, its checks or any file; they only inform the designer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "core/calc/reference_values.h"
#include "core/compression/design_record.h"
#include "core/records/material_table.h"

namespace coilspring {

// How the spring's ends are held, which sets the buckling length factor ν.
enum class Seating { BothFixed, FixedHinged, BothHinged, FixedFree };
inline constexpr std::array<Seating, 4> kSeatings = {Seating::BothFixed, Seating::FixedHinged,
                                                     Seating::BothHinged, Seating::FixedFree};
double SeatingFactor(Seating seating);     // ν: 0.5, 0.7, 1, 2
const char* SeatingName(Seating seating);  // Japanese, as the drop-down shows it

struct ReferenceInputs {
  Seating seating = Seating::BothFixed;
  std::optional<double> density;          // g/cm^3; empty: DefaultDensity of the material
  int grade = kDefaultGrade;              // JIS B 2704-2 grade of the worst case, 1..3
  std::optional<double> bore{};           // mm the spring works in; empty: no check
  std::optional<double> rod{};            // mm the spring works over; empty: no check
  double temperature = kRoomTemperature;  // °C; NaN where no temperature is known
};

enum class BucklingState {
  Unknown,  // the formula cannot be evaluated (E, G, D or L0 unusable)
  Stable,   // no deflection at all makes it buckle
  HasCriticalDeflection,
};

struct GradeTolerances {        // ± half-widths for one grade
  ReferenceValue freeLength;    // mm
  ReferenceValue coilDiameter;  // mm, of the diameter named by toleranceOnInner
  ReferenceValue load1;         // kgf
  ReferenceValue load2;         // kgf
};

// The spring as the grade's tolerances may deliver it, at its worst for the designer.
struct WorstCase {
  int grade = kDefaultGrade;
  ReferenceValue outerDiameterMax;  // mm, at L2 with growth and tolerance
  ReferenceValue bore;              // mm, as given
  Verdict boreVerdict = Verdict::None;
  ReferenceValue innerDiameterMin;  // mm, free
  ReferenceValue rod;               // mm, as given
  Verdict rodVerdict = Verdict::None;
  ReferenceValue load1Min, load1Max, load2Min, load2Max;  // kgf
  ReferenceValue stress2Max;                              // kgf/mm^2 at load2Max
  Verdict stressVerdict = Verdict::None;                  // against the allowable stress
  std::optional<std::int32_t> lifeClass;                  // of (τ1 at load1Min, τ2 at load2Max)
};

struct ReferenceChecks {
  Seating seating = Seating::BothFixed;
  double seatingFactor = 0;

  ReferenceValue slenderness;         // L0 / D
  ReferenceValue criticalFreeLength;  // mm: longer springs can buckle
  BucklingState bucklingState = BucklingState::Unknown;
  ReferenceValue criticalDeflection;  // mm, valid only with HasCriticalDeflection
  ReferenceValue deflection2;         // L0 - L2, mm
  Verdict buckling = Verdict::None;

  ReferenceValue density;           // g/cm^3 used
  ReferenceValue naturalFrequency;  // Hz, both ends fixed

  ReferenceValue solidLoad;                  // kgf
  ReferenceValue solidStress;                // uncorrected, kgf/mm^2
  ReferenceValue solidStressCorrected;       // with the stress correction factor, kgf/mm^2
  ReferenceValue solidStressRatio;           // uncorrected / allowable
  ReferenceValue solidStressCorrectedRatio;  // corrected / allowable
  Verdict solidStressVerdict = Verdict::None;

  ReferenceValue pitch;                // mm, free
  ReferenceValue outerDiameterAtL2;    // mm
  ReferenceValue outerDiameterGrowth;  // mm, at L2 against the free outer diameter

  bool toleranceOnInner = false;  // the design gives its inner diameter, else the outer
  std::array<GradeTolerances, kToleranceGrades> tolerances{};

  WorstCase worstCase;

  // EN 13906-1 smallest safe length Ln = Hs + Sa, static and under dynamic load (1.5·Sa).
  ReferenceValue smallestSafeLength;             // mm
  ReferenceValue smallestSafeLengthDynamic;      // mm
  Verdict coilClearance = Verdict::None;         // L2 >= Ln
  Verdict coilClearanceDynamic = Verdict::None;  // L2 >= Ln, dynamic

  ReferenceValue energy12;  // kgf·mm between L1 and L2
  ReferenceValue energy2;   // kgf·mm from free to L2

  ReferenceValue wireLength;  // mm
  ReferenceValue mass;        // g

  ReferenceValue temperature;                // °C
  ReferenceValue shearLossPerKelvin;         // 1/K
  ReferenceValue shearModulusAtTemperature;  // N/mm^2
  ReferenceValue rateAtTemperature;          // kgf/mm
  ReferenceValue load1AtTemperature;         // kgf at L1
  ReferenceValue load2AtTemperature;         // kgf at L2
};

// Everything from a calculated design (the result fields must be those of CalculateSpring).
ReferenceChecks ComputeReferenceChecks(const DesignRecord& design, const MaterialRecord& material,
                                       const ReferenceInputs& inputs);

// The formulas on their own, in N/mm^2 and mm; an empty result where they do not apply.
// Free length beyond which the spring can buckle.
std::optional<double> CriticalFreeLength(double meanDiameter, double shearModulus,
                                         double youngModulus, double seatingFactor);
struct BucklingResult {
  BucklingState state = BucklingState::Unknown;
  double criticalDeflection = 0;  // mm, with HasCriticalDeflection
};
BucklingResult BucklingOf(double freeLength, double meanDiameter, double shearModulus,
                          double youngModulus, double seatingFactor);
// Fundamental natural frequency in Hz with both ends fixed; density in g/cm^3.
std::optional<double> NaturalFrequency(double wireDiameter, double meanDiameter, double activeTurns,
                                       double shearModulus, double density);

}  // namespace coilspring
