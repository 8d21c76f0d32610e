// A torsion spring's design as JSON: the keys of its field table, with "kind": "torsion".
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

// Every field given (optional ones only when known), the codes and MaterialNo, moments, the
// rate, loads and stresses in `units`, under "kind": "torsion".
JsonMembers TorsionMembers(const TorsionDesign& design, UnitSystem units);

// The torsion window's design file: the design's members and "history": [the stored designs].
using TorsionDocument = SpringDocument<TorsionDesign>;
std::string TorsionDocumentText(const TorsionDocument& document);
// Reads a whole design file, every design with the inputs its codes ask for (LoadArm and Rod may
// be left out or null, a missing input is refused) and then checked by TorsionInputProblem, its
// moments in the units its "units" names (gravitational without one); results are accepted and
// ignored, any other key is refused. Entries beyond `historyLimit` are left out. The designs come
// back as read, not calculated. Throws UserError naming the key that is wrong.
TorsionDocument ReadTorsionDocumentJson(std::string_view text, const MaterialTable& materials,
                                        std::size_t historyLimit);
// The same from the parsed document.
TorsionDocument ReadTorsionDocument(const nlohmann::json& file, const MaterialTable& materials,
                                    std::size_t historyLimit);

}  // namespace coilspring
