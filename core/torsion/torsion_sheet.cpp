#include "core/torsion/torsion_sheet.h"

#include "core/calc/allowable_stress.h"
#include "core/display/reference_rows.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/torsion/torsion_illustration.h"

namespace coilspring {

namespace {

// The sheet reads in SI, converted as the unit switch converts.
std::string Shown(double value, Quantity quantity) {
  return FormatShort(ShownValue(value, quantity, UnitSystem::SI));
}

std::string Length(double value) { return FormatShort(value); }

}  // namespace

std::vector<TorsionSheetRow> TorsionSheetRows(const TorsionDesign& t,
                                              const MaterialTable& materials) {
  using Q = Quantity;
  const MaterialRecord& m = MaterialOf(materials, t.MaterialNo);
  const std::string momentUnit = "N·mm";
  const auto optional = [](const std::optional<double>& v, std::optional<Q> quantity) {
    if (!v) return std::string(kNotAvailable);
    return quantity ? Shown(*v, *quantity) : Length(*v);
  };
  return {
      {"材料", "", SjisToUtf8(m.Symbol.Raw())},
      {"材料の直径", "mm", Length(t.WireDiameter)},
      {"コイル平均径", "mm", Length(t.MeanDiameter)},
      {"コイル内径", "mm", Length(t.InnerDiameter)},
      {"コイル外径", "mm", Length(t.OuterDiameter)},
      {"総巻数", "巻", FormatShort(t.TotalTurns)},
      {"巻方向", "", t.LeftHand ? "左" : "右"},
      {"有効巻数", "巻", FormatShort(t.ActiveTurns)},
      {"腕の長さ 1", "mm", Length(t.Leg1)},
      {"腕の長さ 2", "mm", Length(t.Leg2)},
      {"荷重点の腕の長さ", "mm", optional(LoadArmOf(t), std::nullopt)},
      {"ばね定数", "N·mm/°", Shown(t.SpringRate, Q::Rate)},
      {"ねじれ角 1", "°", FormatShort(t.Angle1)},
      {"モーメント 1", momentUnit, Shown(t.Moment1, Q::Energy)},
      {"荷重 1", "N", optional(t.Load1, Q::Load)},
      {"曲げ応力 1", "N/mm^2", Shown(t.Stress1, Q::Stress)},
      {"ねじれ角 2", "°", FormatShort(t.Angle2)},
      {"モーメント 2", momentUnit, Shown(t.Moment2, Q::Energy)},
      {"荷重 2", "N", optional(t.Load2, Q::Load)},
      {"曲げ応力 2", "N/mm^2", Shown(t.Stress2, Q::Stress)},
      {"θ2でのコイル内径", "mm", Length(t.InnerDiameter2)},
      {"案内棒径", "mm", optional(t.Rod, std::nullopt)},
      {"許容曲げ応力", "N/mm^2", Shown(t.AllowableStress, Q::Stress)},
      {"最大ねじれ角", "°", FormatShort(t.MaxAngle)},
  };
}

std::array<TorsionSketchLabel, 5> TorsionSketchLabels(const TorsionDesign& t) {
  namespace place = torsion_illustration;
  const bool moments = t.InputMode == kMomentsEntered;
  const auto point = [&](const char* index, double angle, double moment) {
    return moments ? std::string("Ｍ") + index + " = " + Shown(moment, Quantity::Energy) + "N·mm"
                   : std::string("θ") + index + " = " + FormatShort(angle) + "°";
  };
  return {{
      {place::kLeg1, false, "腕１ = " + Length(t.Leg1) + "mm"},
      {place::kLeg2, false, "腕２ = " + Length(t.Leg2) + "mm"},
      {place::kPoint1, false, point("１", t.Angle1, t.Moment1)},
      {place::kPoint2, false, point("２", t.Angle2, t.Moment2)},
      {place::kDiameter, true, "外径 = " + Length(t.OuterDiameter) + "mm"},
  }};
}

}  // namespace coilspring
