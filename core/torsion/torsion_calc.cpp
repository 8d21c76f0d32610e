#include "core/torsion/torsion_calc.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <type_traits>

#include "core/calc/allowable_stress.h"
#include "core/calc/coil_formulas.h"

namespace coilspring {

namespace {

// A wound-up turn closes the coil: the body's turns grow by θ/360 and the mean diameter shrinks
// so that the wire's length in the coil stays.
void FillWoundUp(TorsionDesign& t) {
  const double addedTurns = t.Angle2 / 360;
  t.MeanDiameter2 = t.MeanDiameter * t.ActiveTurns / (t.ActiveTurns + addedTurns);
  t.InnerDiameter2 = t.MeanDiameter2 - t.WireDiameter;
  t.BodyLength2 = (t.TotalTurns + 1 + addedTurns) * t.WireDiameter;
}

// The number of a field, or nothing for an optional one not given or not a number at all.
template <class T>
std::optional<double> NumberOf(const T& value) {
  if constexpr (std::is_same_v<T, double> || std::is_same_v<T, std::optional<double>>)
    return value;
  else
    return std::nullopt;
}

bool AllResultsFinite(const TorsionDesign& t) {
  bool finite = true;
  TorsionDesign::VisitFields(t, [&](const DesignField&, const auto& value) {
    finite &= std::isfinite(NumberOf(value).value_or(0));
  });
  return finite;
}

}  // namespace

std::optional<InputProblem> TorsionInputProblem(const TorsionDesign& t,
                                                const MaterialTable& materials) {
  if (auto problem = MaterialInputProblem(t.MaterialNo, t.WireDiameter, materials)) return problem;
  const std::string_view entered = EnteredDiameterName(t.DiameterKind);
  const bool angles = t.InputMode == kAnglesEntered;
  std::optional<InputProblem> problem;
  TorsionDesign::VisitFields(t, [&](const DesignField& f, const auto& field) {
    const std::optional<double> value = NumberOf(field);
    // Codes and MaterialNo are checked above; an optional length may be left out.
    if (problem || !f.IsInput() || !value) return;
    const std::string_view key = f.name;
    if (key == "TotalTurns")
      problem = NotPositiveProblem(f.name, *value);
    else if (key.starts_with("Angle"))
      problem = angles ? AngleProblem(f.name, *value, t.TotalTurns) : std::nullopt;
    else if (key.starts_with("Moment"))
      problem = angles ? std::nullopt : FiniteProblem(f.name, *value);
    else if (!key.ends_with("Diameter") || key == "WireDiameter" || key == entered)
      problem = NegativeProblem(f.name, *value);
  });
  return problem;
}

double BendingFactorOf(double c) { return (4 * c * c - c - 1) / (4 * c * (c - 1)); }

namespace {

// The calculation with the material's allowable bending stress at the wire (N/mm^2).
void Calculate(TorsionDesign& t, const MaterialRecord& m, double allowableBending) {
  const double d = t.WireDiameter;
  const double d3 = d * d * d;
  const CoilDiameters now{t.InnerDiameter, t.MeanDiameter, t.OuterDiameter};
  const DiameterKind kind =
      CodeFrom<DiameterKind>(RawOf(t.DiameterKind)).value_or(DiameterKind::Mean);
  const CoilDiameters coil = DiametersFrom(kind, EnteredDiameter(t), d, now);
  t.InnerDiameter = coil.inner;
  t.MeanDiameter = coil.mean;
  t.OuterDiameter = coil.outer;
  const double D = t.MeanDiameter;

  t.SpringIndex = D / d;
  t.BendingFactor = BendingFactorOf(t.SpringIndex);
  t.ActiveTurns = t.TotalTurns + (t.Leg1 + t.Leg2) / (3 * kPi * D);
  t.SpringRate = m.YoungModulus * d3 * d / (kTorsionRateConstant * D * t.ActiveTurns) / kKgfForRate;
  if (t.InputMode == kMomentsEntered) {
    t.Angle1 = t.Moment1 / t.SpringRate;
    t.Angle2 = t.Moment2 / t.SpringRate;
  } else {
    t.Moment1 = t.SpringRate * t.Angle1;
    t.Moment2 = t.SpringRate * t.Angle2;
  }
  const std::optional<double> arm = LoadArmOf(t);
  t.Load1 = arm ? std::optional(t.Moment1 / *arm) : std::nullopt;
  t.Load2 = arm ? std::optional(t.Moment2 / *arm) : std::nullopt;
  t.Stress1 = t.BendingFactor * 32 * t.Moment1 / (kPi * d3);
  t.Stress2 = t.BendingFactor * 32 * t.Moment2 / (kPi * d3);

  t.AllowableStress = allowableBending / kKgfForAllowable;
  t.MaxMoment = t.AllowableStress * kPi * d3 / (32 * t.BendingFactor);
  t.MaxAngle = t.MaxMoment / t.SpringRate;
  FillWoundUp(t);
  // σB of the wire's row, in kgf/mm^2.
  t.TensileStrength =
      InterpolateTable(m.WireDiameters, m.TensileStrengths, m.UsableRows(), d) / kKgfForAllowable;
  t.UpperStressRatio = t.Stress2 / t.TensileStrength;
}

// The checks, with whether the allowable bending table covers the wire.
unsigned Faults(const TorsionDesign& t, bool tableCoversWire) {
  unsigned faults = 0;
  if (t.SpringIndex < 4) faults |= kTorsionIndexLow;
  if (t.SpringIndex > 22) faults |= kTorsionIndexHigh;
  // The greatest magnitude over θ1..θ2 when they are in order (the order check fails the
  // others): a coil unwound by a negative angle is stressed all the same.
  const double above = t.AllowableStress + kStressCheckAllowance;
  if (above < std::max(std::fabs(t.Stress2), -t.Stress1)) faults |= kTorsionOverstress;
  if (t.Angle2 < t.Angle1) faults |= kTorsionAngleOrder;
  if (t.Rod && t.InnerDiameter2 < *t.Rod) faults |= kTorsionRodInterference;
  if (!tableCoversWire) faults |= kTorsionOutsideTable;
  // A rate that is not above 0 is no spring at all: its other results cannot be trusted either.
  if (!AllResultsFinite(t) || !(t.SpringRate > 0)) faults |= kTorsionNotFinite;
  if (std::fabs(t.UpperStressRatio) > kUpperStressRatioLimit) faults |= kTorsionUpperStress;
  return faults;
}

TorsionCheck Check(const TorsionDesign& t, bool tableCoversWire) {
  const unsigned faults = Faults(t, tableCoversWire);
  TorsionCheck check;
  const std::pair<unsigned, const char*> errors[] = {
      {kTorsionIndexLow, CheckLineOf(kFaultIndexLow)},
      {kTorsionIndexHigh, CheckLineOf(kFaultIndexHigh)},
      {kTorsionOverstress, kBendingOverstressLine},
      {kTorsionAngleOrder, kAngleOrderLine},
      {kTorsionRodInterference, kRodInterferenceLine},
      {kTorsionOutsideTable, CheckLineOf(kFaultOutsideTable)},
      {kTorsionNotFinite, CheckLineOf(kFaultNotFinite)},
  };
  for (const auto& [bit, line] : errors)
    if (faults & bit) check.lines.emplace_back(line);
  check.failed = (faults & ~kTorsionWarnings) != 0;
  if (!check.failed) check.lines.emplace_back(kSuccessLine);
  if (faults & kTorsionUpperStress) check.lines.emplace_back(kUpperStressWarningLine);
  return check;
}

TableValue BendingOf(const MaterialTable& materials, const TorsionDesign& t) {
  AllowableStressTable table;
  BuildAllowableBendingTable(MaterialOf(materials, t.MaterialNo), table);
  return TableValueAt(table, t.WireDiameter);
}

}  // namespace

void CalculateTorsion(TorsionDesign& t, const PreparedMaterial& material) {
  Calculate(t, *material.material, PreparedBendingAt(material, t.WireDiameter).stress);
}

void CalculateTorsion(TorsionDesign& t, const MaterialTable& materials) {
  Calculate(t, MaterialOf(materials, t.MaterialNo), BendingOf(materials, t).stress);
}

unsigned TorsionFaults(const TorsionDesign& t, const PreparedMaterial& material) {
  return Faults(t, PreparedBendingAt(material, t.WireDiameter).covered);
}

TorsionCheck CheckTorsion(const TorsionDesign& t, const PreparedMaterial& material) {
  return Check(t, PreparedBendingAt(material, t.WireDiameter).covered);
}

TorsionCheck CheckTorsion(const TorsionDesign& t, const MaterialTable& materials) {
  return Check(t, BendingOf(materials, t).covered);
}

}  // namespace coilspring
