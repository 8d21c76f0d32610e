// A conical spring's design as JSON: {"kind": "conical", the design's keys..., "history": [...]},
// the file the conical spring's window saves, and the object "calc --json" prints.
#pragma once

#include <string>
#include <string_view>

#include "core/conical/conical_design.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"
#include "json/json_text.h"
#include "json/spring_document.h"

namespace coilspring {

// The design of the document's top level (keys not given keep the start-up design's values), its
// loads read in the units its "units" names. Throws UserError naming the key that is wrong (a
// value of the wrong type, a code outside its enumeration, an input no spring can have), or
// saying that the coils would nest.
ConicalDesign ReadConicalDesignJson(std::string_view text, const MaterialTable& materials);

// "kind", the inputs and results under their keys in `units`, and "LifeClassText".
JsonMembers ConicalMembers(const ConicalDesign& design, UnitSystem units);

using ConicalDocument = SpringDocument<ConicalDesign>;
std::string ConicalDocumentText(const ConicalDocument& document);
// Reads a whole design file, every history entry checked as the design is; entries beyond
// `historyLimit` are left out.
ConicalDocument ReadConicalDocumentJson(std::string_view text, const MaterialTable& materials,
                                        std::size_t historyLimit);
ConicalDocument ReadConicalDocument(const nlohmann::json& file, const MaterialTable& materials,
                                    std::size_t historyLimit);

}  // namespace coilspring
