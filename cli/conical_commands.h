// The commands on a conical spring's design file ("kind": "conical", kind_commands.h).
#pragma once

#include "cli/kind_file.h"
#include "core/conical/conical_calc.h"
#include "core/drawing/centre_line.h"

namespace coilspring::cli {

// The design of the options' slot, calculated with the data files the options name.
struct LoadedConical : KindDesign<ConicalDesign> {
  ConicalCheck check;
  const MaterialRecord& material() const { return MaterialOf(*materials, design.MaterialNo); }
};
LoadedConical LoadConical(const DesignFile& file, const DesignFileOptions& options);

// calc takes --units and the reference options; --all is refused.
int RunConicalCalc(const DesignFile& file, const DesignFileOptions& options);
// The side view at the free length, as calc calculates the design.
int RunConicalDxf(const DesignFile& file, const DesignFileOptions& options);

// The 3D model of the design in `state` (step).
SpringModel ConicalModel(const DesignFile& file, const DesignFileOptions& options,
                         SpringState state, bool leftHand);

}  // namespace coilspring::cli
