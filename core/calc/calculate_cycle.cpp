#include "core/calc/calculate_cycle.h"

#include "core/calc/fatigue.h"

namespace coilspring {

ValidationResult RecalculateDesign(CalculatorState& state, int slot, DesignInputs inputs) {
  DesignRecord& r = state.design[static_cast<std::size_t>(slot)];
  if (inputs == DesignInputs::FromRecord) DeriveInputsFromRecord(r, state.materials);
  const PreparedMaterial& material = state.prepared.Of(state.materials, r.MaterialNo);
  CalculateSpring(r, material, state.settings);
  DetermineLifeClass(r, state.materials);
  return ValidateDesign(r, material);
}

}  // namespace coilspring
