// An extension spring's design as JSON: {"kind": "extension", the design's keys..., "history":
// [...]}, the file the extension window saves, and the object "calc --json" prints.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/display/display_units.h"
#include "core/extension/extension_design.h"
#include "core/records/material_table.h"
#include "json/json_text.h"
#include "json/spring_document.h"

namespace coilspring {

// The design of the document's top level (keys not given keep the start-up design's values), its
// loads read in the units its "units" names (gravitational without one; results are ignored).
// Throws UserError naming the key that is wrong: a value of the wrong type, a code outside its
// enumeration, a material the database does not hold, a wire its table does not list.
ExtensionDesign ReadExtensionDesignJson(std::string_view text, const MaterialTable& materials);

// "kind", the inputs and results under their keys in `units` (loads, the rate and stresses),
// and "LifeClassText".
JsonMembers ExtensionMembers(const ExtensionDesign& design, UnitSystem units);

// The extension window's design file: {"kind": "extension", the design's keys..., "history":
// [the stored designs, each an object of the same keys]}.
using ExtensionDocument = SpringDocument<ExtensionDesign>;
std::string ExtensionDocumentText(const ExtensionDocument& document);
// Reads a whole design file, every history entry checked as the design is; entries beyond
// `historyLimit` are left out. Throws UserError naming the key that is wrong.
ExtensionDocument ReadExtensionDocumentJson(std::string_view text, const MaterialTable& materials,
                                            std::size_t historyLimit);
// The same from the parsed document.
ExtensionDocument ReadExtensionDocument(const nlohmann::json& file, const MaterialTable& materials,
                                        std::size_t historyLimit);

}  // namespace coilspring
