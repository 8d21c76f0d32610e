#include "core/compression/calculate_cycle.h"

#include "core/calc/fatigue.h"
#include "core/compression/design_fatigue.h"

namespace coilspring {

ValidationResult RecalculateDesign(CalculatorState& state, int slot, DesignInputs inputs) {
  DesignRecord& r = state.design[static_cast<std::size_t>(slot)];
  if (inputs == DesignInputs::FromRecord) DeriveInputsFromRecord(r, state.materials());
  const PreparedMaterial& material =
      state.prepared.Of(state.materials(), r.MaterialNo, state.settings);
  CalculateSpring(r, material, state.settings);
  DetermineLifeClass(r, state.materials());
  ++state.work.calculations;
  ++state.work.lifeClasses;
  return ValidateDesign(r, material);
}

DerivedInputs DeriveFromInputs(CalculatorState& state) {
  DesignRecord& r = state.current();
  CalculateSpring(r, state.prepared.Of(state.materials(), r.MaterialNo, state.settings),
                  state.settings);
  ++state.work.calculations;
  const double c = r.SpringIndex;
  return {.springIndex = c,
          .indexInRange = c >= 3 && c <= 22,
          .recommendedFreeLength = r.RecommendedFreeLength,
          .maxLoad = r.MaxLoad};
}

void DetermineCurrentLifeClass(CalculatorState& state) {
  DetermineLifeClass(state.current(), state.materials());
  ++state.work.lifeClasses;
}

ValidationResult CheckStoredDesign(CalculatorState& state) {
  const DesignRecord& r = state.current();
  return ValidateDesign(r, state.prepared.Of(state.materials(), r.MaterialNo, state.settings));
}

}  // namespace coilspring
