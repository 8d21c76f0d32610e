// The requirements of "solve" as a JSON document; every key is described in the README.
#pragma once

#include <string_view>

#include "core/records/material_table.h"
#include "core/compression/compression_search.h"

namespace coilspring::cli {

// Throws UserError naming the key that is wrong, missing or unknown. Material symbols and kind
// names are looked up in `materials`.
SearchRequirements ReadRequirementsJson(std::string_view text, const MaterialTable& materials);

}  // namespace coilspring::cli
