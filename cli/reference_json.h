// The reference checks of a calculated design in `coilspring-cli calc`: the "reference" object
// of --json and the lines of the readable table. Inputs left at their defaults are the tab's
// (both ends fixed, the material's default density, grade 2, no bore or rod, 20 °C).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/compression/design_record.h"
#include "core/compression/reference.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"

namespace coilspring::cli {

// Reads a reference option (--grade N, --bore MM, --rod MM, --temperature C) and its value into
// `inputs`; false when `option` is no such option. Throws std::invalid_argument or the number's
// UserError for an unusable value.
bool TakeReferenceOption(const std::string& option, const std::string& text,
                         ReferenceInputs& inputs);

// A JSON object on one line; values the design does not give are null. Forces, rates and
// stresses in `units`.
std::string ReferenceJson(const DesignRecord& design, const MaterialRecord& material,
                          const ReferenceInputs& inputs = {},
                          UnitSystem units = UnitSystem::Gravitational);

// The same checks as lines of the readable table: a heading, then item, value, unit and
// verdict per line, each line ending in a newline.
std::string ReferenceTable(const DesignRecord& design, const MaterialRecord& material,
                           const ReferenceInputs& inputs = {},
                           UnitSystem units = UnitSystem::Gravitational);

}  // namespace coilspring::cli
