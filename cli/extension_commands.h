// The commands on an extension spring's design file ("kind": "extension"); calc, dxf, picture
// and sheet hand such a file over here after reading their options.
#pragma once

#include <optional>

#include "cli/commands.h"
#include "core/compression/reference.h"
#include "core/display/display_units.h"
#include "core/extension/extension_calc.h"

namespace coilspring::cli {

// The design of the file, calculated with the data files the options name.
struct LoadedExtension {
  ExtensionDesign design;
  ExtensionCheck check;
  MaterialTable materials;
  CoefficientSettings settings;
  const MaterialRecord& material() const { return materials[design.MaterialNo]; }
};
// Refuses --slot: the file holds one design and its history, not slots.
LoadedExtension LoadExtension(const DesignFileOptions& options);

int RunExtensionCalc(const DesignFileOptions& options, std::optional<UnitSystem> units,
                     const ReferenceInputs& reference);
// The side view at the free length, calculated first (the coil diameters follow the entered
// one); exit code 1 for a spring that cannot be drawn, whose empty drawing is still written.
int RunExtensionDxf(const DesignFileOptions& options);

}  // namespace coilspring::cli
