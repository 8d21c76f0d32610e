// The calculate cycle of the "計算" button, without a window: calculation, life class and the
// six checks of one design of the state. The window, the CLI, the fuzz targets and the
// benchmarks all run it, so a design gives the same record wherever it is calculated.
#pragma once

#include "core/compression/calculator_state.h"
#include "core/compression/spring_calc.h"

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

// What the input panel shows after its boxes were read into the current design: the design
// calculated once (no life class, no checks) and the values it recommends.
struct DerivedInputs {
  double springIndex = 0;
  // 3..22, not the 4 of the panel's fixed text. Outside it, or undefined, the panel shows the
  // index error line and keeps the recommended values it showed before.
  bool indexInRange = false;
  double recommendedFreeLength = 0;
  double maxLoad = 0;
};
DerivedInputs DeriveFromInputs(CalculatorState& state);

// The life class of the current design as it stands, for a design put into the window without
// a calculation (a recall, a file read).
void DetermineCurrentLifeClass(CalculatorState& state);

// The check lines of the current design from the results it holds, with no calculation: a
// recalled or read design is judged by what it stores, never by the verdict of the design
// shown before it.
ValidationResult CheckStoredDesign(CalculatorState& state);

}  // namespace coilspring
