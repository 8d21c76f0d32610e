// The commands on a compression spring's design file (kind_commands.h).
#pragma once

#include "cli/commands.h"
#include "core/drawing/centre_line.h"

namespace coilspring::cli {

// --all prints the design and every history slot in use.
int RunCompressionCalc(const DesignFile& file, const DesignFileOptions& options);
// The record as stored, not recalculated, as the window exports it.
int RunCompressionDxf(const DesignFile& file, const DesignFileOptions& options);

// The 3D model of the design in `state` (step).
SpringModel CompressionModel(const DesignFile& file, const DesignFileOptions& options,
                             SpringState state, bool leftHand);

}  // namespace coilspring::cli
