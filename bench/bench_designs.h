// The designs and data the benchmarks run on: the shipped database and settings of the build's
// program folder, the start-up design and a long spring of 60 body turns.
#pragma once

#include <string>

#include "core/calc/calculator_state.h"
#include "core/records/file_io.h"

namespace coilspring::bench {

inline const std::string kProgramFolder = COILSPRING_BIN_DIR;

inline CalculatorState ShippedState() {
  CalculatorState state;
  ReadRecordFile(kProgramFolder + "/" + kMaterialFileName, state.materials);
  ReadRecordFile(kProgramFolder + "/" + kSettingsFileName, state.settings);
  state.kinds = BuildKindIndex(state.materials);
  InitDesign(state.design);
  return state;
}

// 62 total turns draw 60 body turns between the two end turns.
inline void MakeSixtyTurnSpring(DesignRecord& r) {
  r.TotalTurns = 62;
  r.FreeLength = 160;
  r.Length1 = 140;
  r.Length2 = 120;
}

}  // namespace coilspring::bench
