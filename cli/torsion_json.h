// A torsion spring's design as JSON: the names of TorsionFields, with "kind": "torsion".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/json_text.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"
#include "core/torsion/torsion_design.h"

namespace coilspring::cli {

// Reads a design: MaterialNo, WireDiameter (one of the material's listed diameters),
// DiameterKind with the diameter of that kind, TotalTurns, Leg1, Leg2, InputMode with Angle1
// and Angle2 (1) or Moment1 and Moment2 (0); LoadArm and Rod may be left out. Results and the
// window's "history" are accepted and ignored. Throws UserError naming the key that is wrong.
TorsionDesign ReadTorsionJson(std::string_view text, const MaterialTable& materials);

// Every field given (optional ones only when known), the codes and MaterialNo, moments, the
// rate, loads and stresses in `units`, under "kind": "torsion".
JsonMembers TorsionMembers(const TorsionDesign& design, UnitSystem units);

}  // namespace coilspring::cli
