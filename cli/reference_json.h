// The reference checks of a calculated design in `coilspring-cli calc`: the "reference" object
// of --json and the lines of the readable table, with the tab's default inputs (both ends
// fixed, the material's default density).
#pragma once

#include <string>

#include "core/records/design_record.h"
#include "core/records/material_table.h"

namespace coilspring::cli {

// A JSON object on one line; values the design does not give are null.
std::string ReferenceJson(const DesignRecord& design, const MaterialRecord& material);

// The same checks as lines of the readable table: a heading, then item, value, unit and
// verdict per line, each line ending in a newline.
std::string ReferenceTable(const DesignRecord& design, const MaterialRecord& material);

}  // namespace coilspring::cli
