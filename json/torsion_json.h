// A torsion spring's design as JSON: the names of TorsionFields, with "kind": "torsion".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/display/display_units.h"
#include "core/records/material_table.h"
#include "core/torsion/torsion_design.h"
#include "json/json_text.h"
#include "json/spring_document.h"

namespace coilspring {

// Reads a design as ReadTorsionMembers does: the document itself for slot 0, entry slot − 1 of
// its "history" (as the window saves it) for slot 1 to 30. Results are accepted and ignored, any
// other key is refused. Throws UserError naming the key that is wrong.
TorsionDesign ReadTorsionJson(std::string_view text, const MaterialTable& materials, int slot = 0);

// Every field given (optional ones only when known), the codes and MaterialNo, moments, the
// rate, loads and stresses in `units`, under "kind": "torsion".
JsonMembers TorsionMembers(const TorsionDesign& design, UnitSystem units);

// The torsion window's design file: the design's members and "history": [the stored designs].
using TorsionDocument = SpringDocument<TorsionDesign>;
std::string TorsionDocumentText(const TorsionDocument& document);
// Reads a whole design file, every history entry checked as the design is; entries beyond
// `historyLimit` are left out. The designs come back as read, not calculated. Throws UserError
// naming the key that is wrong.
TorsionDocument ReadTorsionDocumentJson(std::string_view text, const MaterialTable& materials,
                                        std::size_t historyLimit);

}  // namespace coilspring
