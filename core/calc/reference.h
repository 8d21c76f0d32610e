// Reference checks shown beside the six design checks: buckling, natural frequency, stress at
// solid height, growth of the outer diameter under load and the makers' tolerance grades.
// They never change the design, its checks or any file; they only inform the designer.
#pragma once

#include <array>
#include <optional>

#include "core/records/design_record.h"
#include "core/records/material_table.h"

namespace coilspring {

// How the spring's ends are held, which sets the buckling length factor ν.
enum class Seating { BothFixed, FixedHinged, BothHinged, FixedFree };
inline constexpr std::array<Seating, 4> kSeatings = {Seating::BothFixed, Seating::FixedHinged,
                                                     Seating::BothHinged, Seating::FixedFree};
double SeatingFactor(Seating seating);     // ν: 0.5, 0.7, 1, 2
const char* SeatingName(Seating seating);  // Japanese, as the drop-down shows it

inline constexpr double kSteelDensity = 7.85;      // g/cm^3
inline constexpr double kStainlessDensity = 7.93;  // g/cm^3
// 7.93 for a stainless wire (kind name with ステンレス, or a symbol starting with SUS),
// 7.85 for every other (steel) wire.
double DefaultDensity(const MaterialRecord& material);

struct ReferenceInputs {
  Seating seating = Seating::BothFixed;
  std::optional<double> density;  // g/cm^3; empty: DefaultDensity of the material
};

// A computed value; `valid` is false where the design gives no meaningful number (then the
// value is 0, never NaN or infinity).
struct ReferenceValue {
  double value = 0;
  bool valid = false;
};

enum class Verdict { None, Ok, Caution };  // None: no limit, or nothing to judge
const char* VerdictText(Verdict verdict);  // "", "OK", "注意"

enum class BucklingState {
  Unknown,  // the formula cannot be evaluated (E, G, D or L0 unusable)
  Stable,   // no deflection at all makes it buckle
  HasCriticalDeflection,
};

inline constexpr int kToleranceGrades = 3;
struct GradeTolerances {        // ± half-widths for one grade
  ReferenceValue freeLength;    // mm
  ReferenceValue coilDiameter;  // mm, of the diameter named by toleranceOnInner
  ReferenceValue load1;         // kgf
  ReferenceValue load2;         // kgf
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
