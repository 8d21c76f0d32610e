// The commands on an extension spring's design file ("kind": "extension", kind_commands.h).
#pragma once

#include "cli/kind_file.h"
#include "core/compression/reference.h"
#include "core/drawing/centre_line.h"
#include "core/extension/extension_calc.h"

namespace coilspring::cli {

// The design of the options' slot, calculated with the data files the options name.
struct LoadedExtension : KindDesign<ExtensionDesign> {
  ExtensionCheck check;
  const MaterialRecord& material() const { return MaterialOf(*materials, design.MaterialNo); }
};
LoadedExtension LoadExtension(const DesignFile& file, const DesignFileOptions& options);

// calc takes --units and the reference options; --all is refused.
int RunExtensionCalc(const DesignFile& file, const DesignFileOptions& options);
// The side view at the free length, calculated first (the coil diameters follow the entered
// one).
int RunExtensionDxf(const DesignFile& file, const DesignFileOptions& options);

// The 3D model of the design in `state` (step).
SpringModel ExtensionModel(const DesignFile& file, const DesignFileOptions& options,
                           SpringState state, bool leftHand);

}  // namespace coilspring::cli
