// The designs and data the benchmarks run on: the shipped database and settings of the build's
// program folder, the start-up design and a long spring of 60 body turns.
#pragma once

#include <string>

#include "core/compression/calculator_state.h"
#include "core/records/file_io.h"

namespace coilspring::bench {

inline const std::string kProgramFolder = COILSPRING_BIN_DIR;

inline CalculatorState ShippedState() {
  CalculatorState state;
  ReadRecordFile(kProgramFolder + "/" + kMaterialFileName, state.EditMaterials());
  ReadRecordFile(kProgramFolder + "/" + kSettingsFileName, state.settings);
  state.kinds = BuildKindIndex(state.materials());
  InitDesign(state.design);
  return state;
}

// A spring of `bodyTurns` body turns between its two end turns, long enough to be drawn.
inline void MakeLongSpring(DesignRecord& r, int bodyTurns) {
  r.TotalTurns = bodyTurns + 2;
  r.FreeLength = 2.7 * (bodyTurns + 2);
  r.Length1 = 0.9 * r.FreeLength;
  r.Length2 = 0.8 * r.FreeLength;
}

// 62 total turns draw 60 body turns between the two end turns.
inline void MakeSixtyTurnSpring(DesignRecord& r) {
  r.TotalTurns = 62;
  r.FreeLength = 160;
  r.Length1 = 140;
  r.Length2 = 120;
}

}  // namespace coilspring::bench
