// The calculate cycle of the "計算" button, without a window: calculation, life class and the
// six checks of one design of the state. The window, the CLI, the fuzz targets and the
// benchmarks all run it, so a design gives the same record wherever it is calculated.
#pragma once

#include "core/calc/calculator_state.h"
#include "core/calc/spring_calc.h"

namespace coilspring {

// Where the design's inputs come from.
enum class DesignInputs {
  // The window has read its boxes into the record already.
  AsEntered,
  // A stored design: bring its inputs into the form the input panel would read them in first
  // (DeriveInputsFromRecord).
  FromRecord,
};

// Calculates record `slot` (0 = the current design), sets its life class and returns its check
// lines.
ValidationResult RecalculateDesign(CalculatorState& state, int slot, DesignInputs inputs);

}  // namespace coilspring
