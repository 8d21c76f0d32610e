#include "core/compression/design_units.h"

#include <type_traits>

namespace coilspring {

namespace {

void Convert(ReferenceValue& value, Quantity quantity, UnitSystem units) {
  value.value = ShownValue(value.value, quantity, units);
}

}  // namespace

namespace {

// The record with `convert(value, field)` applied to every real; the field's unit says what the
// unit switch does to it.
template <class Convert>
DesignRecord WithQuantities(const DesignRecord& design, Convert&& convert) {
  DesignRecord r = design;
  DesignRecord::VisitDesignFields(r, [&](const DesignField& f, auto& value) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, double>)
      value = convert(value, f);
  });
  return r;
}

}  // namespace

DesignRecord ShownRecord(const DesignRecord& design, UnitSystem units) {
  return WithQuantities(
      design, [units](double v, const DesignField& f) { return ShownFieldValue(v, f, units); });
}

DesignRecord StoredRecord(const DesignRecord& shown, UnitSystem units) {
  return WithQuantities(
      shown, [units](double v, const DesignField& f) { return StoredFieldValue(v, f, units); });
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
