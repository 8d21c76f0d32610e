// The torsion spring (ねじりコイルばね): a close-wound body of round wire with two straight legs,
// loaded by a moment that winds the coil up. Units as the compression spring's: mm, degrees,
// kgf, kgf·mm, kgf·mm/°, kgf/mm^2.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/display/display_units.h"
#include "core/records/design_codes.h"

namespace coilspring {

// InputMode keeps its meaning: Lengths (1) enters the deflections, here the angles, and derives
// the loads, here the moments; Loads (0) the other way round.
inline constexpr InputMode kAnglesEntered = InputMode::Lengths;
inline constexpr InputMode kMomentsEntered = InputMode::Loads;

struct TorsionDesign {
  // Inputs.
  std::int32_t MaterialNo = 0;
  double WireDiameter = 0;  // d, one of the material's listed diameters
  coilspring::DiameterKind DiameterKind = coilspring::DiameterKind::Mean;
  double InnerDiameter = 0;  // the three coil diameters; the one of DiameterKind is entered
  double MeanDiameter = 0;   // D
  double OuterDiameter = 0;
  double TotalTurns = 0;          // Nt, the body's turns
  double Leg1 = 0;                // l1, mm from the coil axis
  double Leg2 = 0;                // l2
  std::optional<double> LoadArm;  // R, where the load acts; Leg1 when not given
  std::optional<double> Rod;      // the rod the coil works over; no check when not given
  coilspring::InputMode InputMode = kAnglesEntered;
  double Angle1 = 0, Angle2 = 0;    // θ1, θ2, degrees of wind-up
  double Moment1 = 0, Moment2 = 0;  // M1, M2, kgf·mm

  // Results.
  double SpringIndex = 0;      // c = D / d
  double BendingFactor = 0;    // κb
  double ActiveTurns = 0;      // Na, the body and the legs' own bending
  double SpringRate = 0;       // kT, kgf·mm per degree
  double Stress1 = 0;          // σ1, kgf/mm^2
  double Stress2 = 0;          // σ2
  double AllowableStress = 0;  // σa
  double MaxMoment = 0;        // Mmax, at which σ reaches σa
  double MaxAngle = 0;         // θmax
  double MeanDiameter2 = 0;    // the coil wound up to θ2
  double InnerDiameter2 = 0;
  double BodyLength2 = 0;
  std::optional<double> Load1;  // P = M / R, when an arm is known
  std::optional<double> Load2;
  double TensileStrength = 0;   // σB of the wire's row, kgf/mm^2
  double UpperStressRatio = 0;  // σ2 / σB

  bool operator==(const TorsionDesign&) const = default;
};

// The coil diameter DiameterKind says is entered (the mean diameter for a kind outside the
// enumeration), and its field's name.
double& EnteredDiameter(TorsionDesign& design);
double EnteredDiameter(const TorsionDesign& design);
const char* EnteredDiameterName(DiameterKind kind);

// The arm the loads act at: LoadArm, or Leg1 when none is given; nothing when neither is a
// positive length.
std::optional<double> LoadArmOf(const TorsionDesign& design);

// What a number measures, for the unit switch; None for lengths, angles, turns and ratios.
enum class TorsionQuantity { None, Moment, Rate, Stress, Load };

// The design's numbers under the names the design files and scripts use, in file order. A
// field is an input (a design file gives it), optional (it may be left out) or a result.
struct TorsionField {
  const char* name;
  const char* label;  // Japanese, as the window and the data sheet name it
  const char* unit;   // in the gravitational units
  TorsionQuantity quantity;
  bool input;
  double TorsionDesign::*value = nullptr;
  std::optional<double> TorsionDesign::*optionalValue = nullptr;
};
const std::vector<TorsionField>& TorsionFields();

// The value of a field, or nothing for an optional field not given.
std::optional<double> FieldValue(const TorsionDesign& design, const TorsionField& field);
void SetFieldValue(TorsionDesign& design, const TorsionField& field, std::optional<double> value);

// A field's value and unit as the unit switch shows them: moments, loads and stresses with the
// 9.807 of the data sheet, the rate with the 9.8066 it is calculated with.
double ShownTorsionValue(double stored, TorsionQuantity quantity, UnitSystem units);
double StoredTorsionValue(double shown, TorsionQuantity quantity, UnitSystem units);
std::string TorsionUnitCaption(const TorsionField& field, UnitSystem units);

// The JSON "kind" of a torsion spring's design file.
inline constexpr const char* kTorsionKind = "torsion";

}  // namespace coilspring
