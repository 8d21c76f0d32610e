#include "core/torsion/torsion_design.h"

#include "core/records/input_problem.h"

namespace coilspring {

double& EnteredDiameter(TorsionDesign& t) {
  switch (t.DiameterKind) {
    case DiameterKind::Inner:
      return t.InnerDiameter;
    case DiameterKind::Outer:
      return t.OuterDiameter;
    default:
      return t.MeanDiameter;
  }
}

double EnteredDiameter(const TorsionDesign& t) {
  return EnteredDiameter(const_cast<TorsionDesign&>(t));
}

const char* EnteredDiameterName(DiameterKind kind) { return DiameterKeyOf(kind); }

std::optional<double> LoadArmOf(const TorsionDesign& t) {
  const double arm = t.LoadArm.value_or(t.Leg1);
  if (arm > 0) return arm;
  return std::nullopt;
}

namespace {

using Q = TorsionQuantity;
using T = TorsionDesign;

TorsionField Input(const char* name, const char* label, const char* unit, double T::*value,
                   Q quantity = Q::None) {
  return {name, label, unit, quantity, true, value, nullptr};
}
TorsionField OptionalInput(const char* name, const char* label, std::optional<double> T::*value) {
  return {name, label, "mm", Q::None, true, nullptr, value};
}
TorsionField Result(const char* name, const char* label, const char* unit, double T::*value,
                    Q quantity = Q::None) {
  return {name, label, unit, quantity, false, value, nullptr};
}
TorsionField OptionalResult(const char* name, const char* label, std::optional<double> T::*value) {
  return {name, label, "kgf", Q::Load, false, nullptr, value};
}

}  // namespace

const std::vector<TorsionField>& TorsionFields() {
  static const std::vector<TorsionField> fields = {
      Input("WireDiameter", "線径", "mm", &T::WireDiameter),
      Input("InnerDiameter", "コイル内径", "mm", &T::InnerDiameter),
      Input("MeanDiameter", "コイル平均径", "mm", &T::MeanDiameter),
      Input("OuterDiameter", "コイル外径", "mm", &T::OuterDiameter),
      Input("TotalTurns", "総巻数", "巻", &T::TotalTurns),
      Input("Leg1", "腕の長さ1", "mm", &T::Leg1),
      Input("Leg2", "腕の長さ2", "mm", &T::Leg2),
      OptionalInput("LoadArm", "荷重点の腕の長さ", &T::LoadArm),
      OptionalInput("Rod", "案内棒径", &T::Rod),
      Input("Angle1", "ねじれ角1", "°", &T::Angle1),
      Input("Angle2", "ねじれ角2", "°", &T::Angle2),
      Input("Moment1", "モーメント1", "kgf·mm", &T::Moment1, Q::Moment),
      Input("Moment2", "モーメント2", "kgf·mm", &T::Moment2, Q::Moment),
      Result("SpringIndex", "ばね指数", "", &T::SpringIndex),
      Result("BendingFactor", "曲げ応力修正係数", "", &T::BendingFactor),
      Result("ActiveTurns", "有効巻数", "巻", &T::ActiveTurns),
      Result("SpringRate", "ばね定数", "kgf·mm/°", &T::SpringRate, Q::Rate),
      Result("Stress1", "曲げ応力1", "kgf/mm^2", &T::Stress1, Q::Stress),
      Result("Stress2", "曲げ応力2", "kgf/mm^2", &T::Stress2, Q::Stress),
      Result("AllowableStress", "許容曲げ応力", "kgf/mm^2", &T::AllowableStress, Q::Stress),
      Result("MaxMoment", "最大モーメント", "kgf·mm", &T::MaxMoment, Q::Moment),
      Result("MaxAngle", "最大ねじれ角", "°", &T::MaxAngle),
      Result("MeanDiameter2", "θ2でのコイル平均径", "mm", &T::MeanDiameter2),
      Result("InnerDiameter2", "θ2でのコイル内径", "mm", &T::InnerDiameter2),
      Result("BodyLength2", "θ2でのコイル長さ", "mm", &T::BodyLength2),
      OptionalResult("Load1", "荷重1", &T::Load1),
      OptionalResult("Load2", "荷重2", &T::Load2),
      Result("TensileStrength", "引張強さ", "kgf/mm^2", &T::TensileStrength, Q::Stress),
      Result("UpperStressRatio", "上限応力係数", "", &T::UpperStressRatio),
  };
  return fields;
}

namespace {

std::optional<Quantity> DisplayQuantityOf(TorsionQuantity q) {
  switch (q) {
    case Q::Moment:
      return Quantity::Energy;  // kgf·mm, as the stored energy
    case Q::Rate:
      return Quantity::Rate;
    case Q::Stress:
      return Quantity::Stress;
    case Q::Load:
      return Quantity::Load;
    default:
      return std::nullopt;
  }
}

}  // namespace

double ShownTorsionValue(double stored, TorsionQuantity q, UnitSystem units) {
  const std::optional<Quantity> quantity = DisplayQuantityOf(q);
  return quantity ? ShownValue(stored, *quantity, units) : stored;
}

double StoredTorsionValue(double shown, TorsionQuantity q, UnitSystem units) {
  const std::optional<Quantity> quantity = DisplayQuantityOf(q);
  return quantity ? StoredValue(shown, *quantity, units) : shown;
}

std::string TorsionUnitCaption(const TorsionField& f, UnitSystem units) {
  if (f.quantity == Q::Rate) return units == UnitSystem::SI ? "N·mm/°" : "kgf·mm/°";
  const std::optional<Quantity> quantity = DisplayQuantityOf(f.quantity);
  return quantity ? UnitCaption(*quantity, units) : f.unit;
}

std::optional<double> FieldValue(const TorsionDesign& t, const TorsionField& f) {
  if (f.value) return t.*f.value;
  return t.*f.optionalValue;
}

void SetFieldValue(TorsionDesign& t, const TorsionField& f, std::optional<double> value) {
  if (f.value)
    t.*f.value = value.value_or(0);
  else
    t.*f.optionalValue = value;
}

}  // namespace coilspring
