#include "core/extension/extension_reference.h"

#include <array>
#include <cmath>
#include <string>

#include "core/calc/coil_formulas.h"
#include "core/display/display_units.h"

namespace coilspring {

namespace {

constexpr std::array<double, kToleranceGrades> kInitialTensionScatter = {0.10, 0.15, 0.20};
constexpr double kCubicMillimetresPerCubicCentimetre = 1000;

ReferenceValue Valid(double v) {
  if (!std::isfinite(v)) return {};
  return {v, true};
}

std::string GradeName(int grade) { return "（" + std::to_string(grade) + "級）"; }

}  // namespace

double HookWireLength(const ExtensionDesign& r) {
  const double loop = kPi * r.MeanDiameter;
  switch (r.HookKind) {
    case HookKind::HalfRound:
      return loop / 2;
    case HookKind::U:
      return loop / 2 + r.MeanDiameter;
    default:
      return loop;
  }
}

double ExtensionWireLength(const ExtensionDesign& r) {
  return r.TotalTurns * std::hypot(kPi * r.MeanDiameter, r.WireDiameter) + 2 * HookWireLength(r);
}

ReferenceValue ExtensionLoadTolerance(const ExtensionDesign& r, int grade, double load) {
  const auto beta = LoadTolerancePercent(r.ActiveTurns, grade);
  if (!beta) return {};
  return Valid(std::fabs(r.InitialTension) * kInitialTensionScatter[grade - 1] +
               std::fabs(load - r.InitialTension) * *beta / 100);
}

std::vector<ReferenceRow> ExtensionReferenceRows(const ExtensionDesign& r, const MaterialRecord& m,
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
  const double length = ExtensionWireLength(r);
  add("素線の長さ（本体＋フック）", Valid(length), "mm");
  add("質量",
      Valid(kPi / 4 * d * d * length * DefaultDensity(m) / kCubicMillimetresPerCubicCentimetre),
      "g");
  add("エネルギー（L1→L2）", Valid((r.Load1 + r.Load2) / 2 * (r.Length2 - r.Length1)), "kgf·mm");
  add("エネルギー（L0→L2）", Valid((r.InitialTension + r.Load2) / 2 * (r.Length2 - r.FreeLength)),
      "kgf·mm");

  // G(T) = G · (1 − k · (T − 20 °C)), within the limits the compression spring's holds it to: no
  // temperature below absolute zero, none hot enough to take the whole modulus away.
  const bool known = std::isfinite(temperature) && temperature >= kAbsoluteZero;
  const double factor = 1 - ModulusLossPerKelvin(m) * (temperature - kRoomTemperature);
  const bool usable = known && factor > 0;
  add("使用温度", known ? Valid(temperature) : ReferenceValue{}, "℃");
  rows.push_back({"使用温度の横弾性係数",
                  ModulusText(usable ? Valid(m.ShearModulus * factor) : ReferenceValue{}),
                  "N/mm^2"});
  add("使用温度のバネ定数", usable ? Valid(r.SpringRate * factor) : ReferenceValue{}, "kgf/mm");

  for (int grade = 1; grade <= kToleranceGrades; ++grade)
    add("自由長さの許容差" + GradeName(grade),
        FreeLengthTolerance(r.SpringIndex, grade, r.FreeLength), "mm");
  for (int grade = 1; grade <= kToleranceGrades; ++grade) {
    add("荷重P1の許容差" + GradeName(grade), ExtensionLoadTolerance(r, grade, r.Load1), "kgf");
    add("荷重P2の許容差" + GradeName(grade), ExtensionLoadTolerance(r, grade, r.Load2), "kgf");
  }
  return rows;
}

}  // namespace coilspring
