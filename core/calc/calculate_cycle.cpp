#include "core/calc/calculate_cycle.h"

#include "core/calc/fatigue.h"

namespace coilspring {

ValidationResult RecalculateDesign(CalculatorState& state, int slot, DesignInputs inputs) {
  DesignRecord& r = state.design[static_cast<std::size_t>(slot)];
  if (inputs == DesignInputs::FromRecord) DeriveInputsFromRecord(r, state.materials);
  CalculateSpring(r, state.materials, state.settings, state.allowable);
  DetermineLifeClass(r, state.materials);
  return ValidateDesign(r, state.allowable);
}

}  // namespace coilspring
