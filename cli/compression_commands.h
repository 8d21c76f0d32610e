// The commands on a compression spring's design file (kind_commands.h).
#pragma once

#include "cli/commands.h"

namespace coilspring::cli {

// --all prints the design and every history slot in use.
int RunCompressionCalc(const DesignFile& file, const DesignFileOptions& options);
// The record as stored, not recalculated, as the window exports it.
int RunCompressionDxf(const DesignFile& file, const DesignFileOptions& options);

}  // namespace coilspring::cli
