// What the reference checks of every spring kind share: the computed value and its verdict, the
// wire's class and density, the moduli at temperature and the JIS B 2704-2 tolerance tables.
#pragma once

#include <optional>

#include "core/records/material_table.h"

namespace coilspring {

inline constexpr double kSteelDensity = 7.85;      // g/cm^3
inline constexpr double kStainlessDensity = 7.93;  // g/cm^3
// A stainless wire: kind name with ステンレス, or a symbol starting with SUS (also full-width).
// Every other wire of the database (piano, hard-drawn, oil-tempered) is carbon or alloy steel.
bool IsStainless(const MaterialRecord& material);

// The classes of wire the extension spring's initial-tension band knows: stainless as
// IsStainless tells it, then 「ピアノ」 and 「硬鋼」 in the kind name; other wires keep the band as
// it is.
enum class WireClass { PianoWire, HardDrawn, Stainless, Other };
WireClass WireClassOf(const MaterialRecord& material);
// 7.93 for a stainless wire, 7.85 for every other (steel) wire.
double DefaultDensity(const MaterialRecord& material);

inline constexpr int kToleranceGrades = 3;
inline constexpr int kDefaultGrade = 2;
inline constexpr double kRoomTemperature = 20;    // °C, where the material's G holds
inline constexpr double kAbsoluteZero = -273.15;  // °C
// Loss of the shear modulus per kelvin above room temperature (EN 13906-1).
inline constexpr double kSteelShearLossPerKelvin = 0.25e-3;
inline constexpr double kStainlessShearLossPerKelvin = 0.40e-3;

// A computed value; `valid` is false where the design gives no meaningful number (then the
// value is 0, never NaN or infinity).
struct ReferenceValue {
  double value = 0;
  bool valid = false;
};

enum class Verdict { None, Ok, Caution };  // None: no limit, or nothing to judge
const char* VerdictText(Verdict verdict);  // "", "OK", "注意"

// JIS B 2704-2 free-length tolerance (± mm) of grade 1..3 for a spring of index D/d; the
// compression and the extension spring share the table. Invalid outside index 3..22.
ReferenceValue FreeLengthTolerance(double springIndex, int grade, double freeLength);
// The percentage of the load tolerance of grade 1..3 by active turns (the extension spring's β
// in percent); empty below 3 active turns.
std::optional<double> LoadTolerancePercent(double activeTurns, int grade);
// The coil-diameter tolerance of a grade (1..3) for a coil (inner or outer) diameter at a spring
// index: the table that holds for compression and torsion springs alike.
ReferenceValue CoilDiameterTolerance(double springIndex, int grade, double diameter);
// The loss of the moduli per kelvin above room temperature for the material's wire.
double ModulusLossPerKelvin(const MaterialRecord& material);

}  // namespace coilspring
