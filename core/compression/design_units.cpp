#include "core/compression/design_units.h"

#include <optional>
#include <type_traits>

namespace coilspring {

namespace {

void Convert(ReferenceValue& value, Quantity quantity, UnitSystem units) {
  value.value = ShownValue(value.value, quantity, units);
}

}  // namespace

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

}  // namespace coilspring
