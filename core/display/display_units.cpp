#include "core/display/display_units.h"

#include <type_traits>

#include "core/calc/spring_calc.h"

namespace coilspring {

namespace {

double NewtonsPer(Quantity quantity) {
  return quantity == Quantity::Rate ? kKgfForRate : kKgfForAllowable;
}

struct UnitPair {
  Quantity quantity;
  const char* gravitational;
  const char* si;
};

constexpr UnitPair kUnits[] = {
    {Quantity::Load, "kgf", "N"},
    {Quantity::Rate, "kgf/mm", "N/mm"},
    {Quantity::Stress, "kgf/mm^2", "N/mm^2"},
    {Quantity::Energy, "kgf·mm", "N·mm"},
};

void Convert(ReferenceValue& value, Quantity quantity, UnitSystem units) {
  value.value = ShownValue(value.value, quantity, units);
}

}  // namespace

double ShownValue(double stored, Quantity quantity, UnitSystem units) {
  return units == UnitSystem::SI ? stored * NewtonsPer(quantity) : stored;
}

double StoredValue(double shown, Quantity quantity, UnitSystem units) {
  return units == UnitSystem::SI ? shown / NewtonsPer(quantity) : shown;
}

const char* UnitCaption(Quantity quantity, UnitSystem units) {
  for (const UnitPair& u : kUnits)
    if (u.quantity == quantity) return units == UnitSystem::SI ? u.si : u.gravitational;
  return "";
}

std::optional<Quantity> QuantityOfUnit(std::string_view gravitationalUnit) {
  for (const UnitPair& u : kUnits)
    if (gravitationalUnit == u.gravitational) return u.quantity;
  return std::nullopt;
}

std::string ShownUnit(std::string_view gravitationalUnit, UnitSystem units) {
  const std::optional<Quantity> quantity = QuantityOfUnit(gravitationalUnit);
  return quantity ? UnitCaption(*quantity, units) : std::string(gravitationalUnit);
}

namespace {

// The record with `convert(value, quantity)` applied to its loads, rates and stresses, which the
// field table's units name.
template <class Convert>
DesignRecord WithQuantities(const DesignRecord& design, Convert&& convert) {
  DesignRecord r = design;
  DesignRecord::VisitFields(r, [&](const FieldInfo& f, auto& value) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, double>)
      if (const std::optional<Quantity> quantity = QuantityOfUnit(f.unit))
        value = convert(value, *quantity);
  });
  return r;
}

}  // namespace

DesignRecord ShownRecord(const DesignRecord& design, UnitSystem units) {
  return WithQuantities(design, [units](double v, Quantity q) { return ShownValue(v, q, units); });
}

DesignRecord StoredRecord(const DesignRecord& shown, UnitSystem units) {
  return WithQuantities(shown, [units](double v, Quantity q) { return StoredValue(v, q, units); });
}

ReferenceChecks ShownReferenceChecks(const ReferenceChecks& checks, UnitSystem units) {
  ReferenceChecks x = checks;
  for (ReferenceValue* load :
       {&x.solidLoad, &x.load1AtTemperature, &x.load2AtTemperature, &x.worstCase.load1Min,
        &x.worstCase.load1Max, &x.worstCase.load2Min, &x.worstCase.load2Max})
    Convert(*load, Quantity::Load, units);
  for (GradeTolerances& grade : x.tolerances) {
    Convert(grade.load1, Quantity::Load, units);
    Convert(grade.load2, Quantity::Load, units);
  }
  for (ReferenceValue* stress : {&x.solidStress, &x.solidStressCorrected, &x.worstCase.stress2Max})
    Convert(*stress, Quantity::Stress, units);
  for (ReferenceValue* energy : {&x.energy12, &x.energy2})
    Convert(*energy, Quantity::Energy, units);
  Convert(x.rateAtTemperature, Quantity::Rate, units);
  return x;
}

const char* UnitSystemName(UnitSystem units) { return units == UnitSystem::SI ? "si" : "gravity"; }

std::optional<UnitSystem> UnitSystemNamed(std::string_view name) {
  if (name == "si") return UnitSystem::SI;
  if (name == "gravity") return UnitSystem::Gravitational;
  return std::nullopt;
}

}  // namespace coilspring
