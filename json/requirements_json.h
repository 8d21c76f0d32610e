// The requirement documents of the design search ("solve" and the kind windows' 設計支援) as
// JSON; every key is described in the README.
#pragma once

#include <string_view>

#include "core/compression/compression_search.h"
#include "core/extension/extension_search.h"
#include "core/kinds/spring_kinds.h"
#include "core/records/material_table.h"
#include "core/torsion/torsion_search.h"

namespace coilspring {

// The spring kind a requirement document's "kind" names; a document without one asks for a
// compression spring.
SpringKind RequirementKindOf(std::string_view text);

// Each throws UserError naming the key that is wrong, missing, unknown or of another kind.
// Material symbols and kind names are looked up in `materials`.
SearchRequirements ReadRequirementsJson(std::string_view text, const MaterialTable& materials);
ExtensionRequirements ReadExtensionRequirementsJson(std::string_view text,
                                                    const MaterialTable& materials);
TorsionRequirements ReadTorsionRequirementsJson(std::string_view text,
                                                const MaterialTable& materials);

}  // namespace coilspring
