#include "core/torsion/torsion_reference.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/calc/coil_formulas.h"
#include "core/drawing/geometry.h"

namespace coilspring {

namespace {

ReferenceValue Valid(double v) {
  if (!std::isfinite(v)) return {};
  return {v, true};
}

// Cold-coiled torsion springs, JIS B 2704-2 as published by the spring makers' association
// (JSMA SB001-2): the legs' free angle by the number of turns, and the moment at a specified
// angle ΔM = ±(θ·β1 + β2)·kT with β1 by grade and β2, the free angle's scatter, by turns.
struct TurnsAngles {
  double upperTurns;                               // this band holds turns up to and including this
  std::array<double, kToleranceGrades> freeAngle;  // degrees
  double scatter;                                  // β2, degrees; 0 where not given
};
constexpr std::array<TurnsAngles, 4> kTurnsBands = {{
    {3, {8, 10, 15}, 0},
    {10, {10, 15, 20}, 10},
    {20, {15, 20, 30}, 15},
    {30, {20, 30, 40}, 20},
}};
constexpr std::array<double, kToleranceGrades> kMomentScatter = {0.03, 0.05, 0.08};  // β1

const TurnsAngles* TurnsBandOf(double turns) {
  if (!(turns > 0)) return nullptr;
  for (const TurnsAngles& band : kTurnsBands)
    if (turns <= band.upperTurns) return &band;
  return nullptr;
}

ReferenceValue MomentTolerance(const TurnsAngles* band, int grade, double angle, double rate) {
  if (band == nullptr || band->scatter == 0) return {};
  return Valid((std::fabs(angle) * kMomentScatter[grade - 1] + band->scatter) * rate);
}

constexpr double kCubicMillimetresPerCubicCentimetre = 1000;

void FillWire(const TorsionDesign& t, const MaterialRecord& m, TorsionReference& out) {
  const double D = t.MeanDiameter, d = t.WireDiameter;
  if (!(D > 0) || !(d > 0)) return;
  out.wireLength = Valid(TorsionWireLength(t));
  if (!out.wireLength.valid) return;
  out.mass = Valid(kPi / 4 * d * d * out.wireLength.value * DefaultDensity(m) /
                   kCubicMillimetresPerCubicCentimetre);
}

// E(T) = E · (1 − k · (T − 20 °C)) with the loss the compression spring's modulus takes.
void FillTemperature(const TorsionDesign& t, const MaterialRecord& m, double temperature,
                     TorsionReference& out) {
  if (!std::isfinite(temperature) || temperature < kAbsoluteZero) return;
  out.temperature = Valid(temperature);
  const double factor = 1 - ModulusLossPerKelvin(m) * (temperature - kRoomTemperature);
  if (!(factor > 0)) return;
  out.youngAtTemperature = Valid(m.YoungModulus * factor);
  out.rateAtTemperature = Valid(t.SpringRate * factor);
  out.moment2AtTemperature = Valid(t.SpringRate * factor * t.Angle2);
}

}  // namespace

TorsionTolerances TorsionTolerancesOf(const TorsionDesign& t, int grade) {
  TorsionTolerances tol;
  if (grade < 1 || grade > kToleranceGrades) return tol;
  const double coil = t.DiameterKind == DiameterKind::Inner ? t.InnerDiameter : t.OuterDiameter;
  tol.coilDiameter = CoilDiameterTolerance(t.SpringIndex, grade, coil);
  const TurnsAngles* band = TurnsBandOf(t.TotalTurns);
  if (band) tol.freeAngle = Valid(band->freeAngle[grade - 1]);
  tol.moment1 = MomentTolerance(band, grade, t.Angle1, t.SpringRate);
  tol.moment2 = MomentTolerance(band, grade, t.Angle2, t.SpringRate);
  return tol;
}

double TorsionWireLength(const TorsionDesign& t) {
  const double D = t.MeanDiameter, d = t.WireDiameter;
  if (!(D > 0) || !(d > 0)) return 0;
  const double legs = std::max(t.Leg1 - D / 2, 0.0) + std::max(t.Leg2 - D / 2, 0.0);
  return kPi * D * t.TotalTurns + legs;
}

TorsionReference ComputeTorsionReference(const TorsionDesign& t, const MaterialRecord& m,
                                         double temperature) {
  TorsionReference out;
  FillWire(t, m, out);
  constexpr double kRadiansPerDegree = 1 / kDegreesPerRadian;
  out.energy2 = Valid(t.Moment2 * t.Angle2 * kRadiansPerDegree / 2);
  out.energy12 = Valid((t.Moment1 + t.Moment2) / 2 * (t.Angle2 - t.Angle1) * kRadiansPerDegree);
  FillTemperature(t, m, temperature, out);
  for (int grade = 1; grade <= kToleranceGrades; ++grade)
    out.tolerances[grade - 1] = TorsionTolerancesOf(t, grade);
  return out;
}

std::vector<ReferenceRow> TorsionReferenceRows(const TorsionReference& r, UnitSystem units) {
  const auto moment = [&](const ReferenceValue& v) {
    return ReferenceValue{ShownValue(v.value, Quantity::Energy, units), v.valid};
  };
  const std::string momentUnit = UnitCaption(Quantity::Energy, units);
  const std::string rateUnit = ShownUnit("kgf·mm/°", units);
  std::vector<ReferenceRow> rows = {
      {"線材の長さ（腕を含む）", ReferenceText(r.wireLength), "mm"},
      {"質量", ReferenceText(r.mass), "g"},
      {"エネルギー（0→θ2）", ReferenceText(moment(r.energy2)), momentUnit},
      {"エネルギー（θ1→θ2）", ReferenceText(moment(r.energy12)), momentUnit},
      {"使用温度", ReferenceText(r.temperature), "℃"},
      {"縦弾性係数（使用温度）", ModulusText(r.youngAtTemperature), "N/mm^2"},
      {"ばね定数（使用温度）",
       ReferenceText({ShownValue(r.rateAtTemperature.value, Quantity::Rate, units),
                      r.rateAtTemperature.valid}),
       rateUnit},
      {"モーメント2（使用温度）", ReferenceText(moment(r.moment2AtTemperature)), momentUnit},
  };
  for (int grade = 1; grade <= kToleranceGrades; ++grade) {
    const TorsionTolerances& t = r.tolerances[grade - 1];
    const std::string g = std::to_string(grade) + "級 ";
    rows.push_back({g + "コイル径の許容差 ±", ReferenceText(t.coilDiameter), "mm"});
    rows.push_back({g + "腕の自由角度の許容差 ±", ReferenceText(t.freeAngle), "°"});
    rows.push_back({g + "モーメント1の許容差 ±", ReferenceText(moment(t.moment1)), momentUnit});
    rows.push_back({g + "モーメント2の許容差 ±", ReferenceText(moment(t.moment2)), momentUnit});
  }
  return rows;
}

}  // namespace coilspring
