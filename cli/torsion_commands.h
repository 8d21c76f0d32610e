// The commands on a torsion spring's design file ("kind": "torsion", kind_commands.h).
#pragma once

#include <string>

#include "cli/kind_file.h"
#include "core/drawing/centre_line.h"
#include "core/torsion/torsion_calc.h"

namespace coilspring::cli {

// The design of the options' slot, calculated and checked against the material database.
struct LoadedTorsion : KindDesign<TorsionDesign> {
  TorsionCheck check;
};
LoadedTorsion LoadTorsion(const DesignFile& file, const DesignFileOptions& options);

// calc takes --units and --temperature and refuses the other options.
int RunTorsionCalc(const DesignFile& file, const DesignFileOptions& options);
// Both views as calc calculates the design.
int RunTorsionDxf(const DesignFile& file, const DesignFileOptions& options);

// Why the views of the design cannot be drawn ("側面図を描けません: …"); empty when they can.
std::string TorsionCannotDrawMessage(const TorsionDesign& design);

// The 3D model of the design in `state` (step).
SpringModel TorsionModel(const DesignFile& file, const DesignFileOptions& options,
                         SpringState state, bool leftHand);

}  // namespace coilspring::cli
