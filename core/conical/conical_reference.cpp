#include "core/conical/conical_reference.h"

#include <cmath>
#include <string>

#include "core/calc/coil_formulas.h"
#include "core/conical/conical_calc.h"

namespace coilspring {

namespace {

constexpr double kCubicMillimetresPerCubicCentimetre = 1000;
// Simpson's rule over this many load steps: the curve is smooth on each side of first contact,
// which is made a step boundary.
constexpr int kEnergySteps = 64;

ReferenceValue Valid(double v) {
  if (!std::isfinite(v)) return {};
  return {v, true};
}

std::string GradeName(int grade) { return "（" + std::to_string(grade) + "級）"; }

// ∫δ(P) dP over [a, b] by Simpson's rule.
double DeflectionIntegral(const ConicalCurve& curve, double a, double b) {
  const double h = (b - a) / kEnergySteps;
  double sum = curve.Deflection(a) + curve.Deflection(b);
  for (int i = 1; i < kEnergySteps; ++i) sum += (i % 2 ? 4 : 2) * curve.Deflection(a + i * h);
  return sum * h / 3;
}

}  // namespace

double ConicalEnergy(const ConicalDesign& r, const MaterialRecord& m, double Pa, double Pb) {
  // ∫P dδ = [P·δ] − ∫δ dP, the integral split at first contact and stopped at solid.
  const ConicalCurve curve = CurveOf(r, m);
  const auto clamp = [&](double P) { return std::fmin(P, curve.SolidLoad()); };
  const double a = clamp(Pa), b = clamp(Pb), knee = curve.FirstContactLoad();
  double integral = 0;
  if (a < knee && knee < b)
    integral = DeflectionIntegral(curve, a, knee) + DeflectionIntegral(curve, knee, b);
  else
    integral = DeflectionIntegral(curve, a, b);
  return b * curve.Deflection(b) - a * curve.Deflection(a) - integral;
}

std::vector<ReferenceRow> ConicalReferenceRows(const ConicalDesign& r, const MaterialRecord& m,
                                               UnitSystem units, double temperature) {
  std::vector<ReferenceRow> rows;
  const auto add = [&](std::string item, ReferenceValue v, std::string unit) {
    if (const auto quantity = QuantityOfUnit(unit)) {
      v.value = ShownValue(v.value, *quantity, units);
      unit = UnitCaption(*quantity, units);
    }
    rows.push_back({std::move(item), ReferenceText(v), std::move(unit)});
  };
  const double d = r.WireDiameter;
  // The active turns at the mean of the two ends' circumferences, the end turns split between
  // the two ends at their own diameters.
  const double endTurns = (r.TotalTurns - r.ActiveTurns) / 2;
  const double length = r.ActiveTurns * std::hypot(kPi * (r.SmallMean + r.LargeMean) / 2, r.Pitch) +
                        endTurns * kPi * (r.SmallMean + r.LargeMean);
  add("素線の長さ", Valid(length), "mm");
  add("質量",
      Valid(kPi / 4 * d * d * length * DefaultDensity(m) / kCubicMillimetresPerCubicCentimetre),
      "g");
  add("エネルギー（L1→L2）", Valid(ConicalEnergy(r, m, r.Load1, r.Load2)), "kgf·mm");
  add("エネルギー（L0→L2）", Valid(ConicalEnergy(r, m, 0, r.Load2)), "kgf·mm");

  // G(T) within the limits every kind holds it to: no temperature below absolute zero, none hot
  // enough to take the whole modulus away.
  const bool known = std::isfinite(temperature) && temperature >= kAbsoluteZero;
  const double factor = 1 - ModulusLossPerKelvin(m) * (temperature - kRoomTemperature);
  const bool usable = known && factor > 0;
  add("使用温度", known ? Valid(temperature) : ReferenceValue{}, "℃");
  rows.push_back({"使用温度の横弾性係数",
                  ModulusText(usable ? Valid(m.ShearModulus * factor) : ReferenceValue{}),
                  "N/mm^2"});
  add("使用温度の初期バネ定数", usable ? Valid(r.InitialRate * factor) : ReferenceValue{},
      "kgf/mm");
  for (int grade = 1; grade <= kToleranceGrades; ++grade)
    add("自由長さの許容差" + GradeName(grade),
        FreeLengthTolerance(r.SpringIndexLarge, grade, r.FreeLength), "mm");
  return rows;
}

}  // namespace coilspring
