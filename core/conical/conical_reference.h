// What the conical spring's reference rows tell beside its checks: wire length and mass, the
// energy the curve stores, the spring at its operating temperature and the free-length
// tolerances at the large end's index. They inform; they change nothing.
#pragma once

#include <vector>

#include "core/calc/reference_values.h"
#include "core/conical/conical_design.h"
#include "core/display/display_units.h"
#include "core/display/reference_rows.h"
#include "core/records/material_table.h"

namespace coilspring {

// The work ∫P dδ from load Pa to Pb along the design's curve (kgf·mm).
double ConicalEnergy(const ConicalDesign& design, const MaterialRecord& material, double Pa,
                     double Pb);

// The rows of a calculated design, loads, rates and energies shown in `units`; `temperature` in
// °C (20 leaves G as it is).
std::vector<ReferenceRow> ConicalReferenceRows(const ConicalDesign& design,
                                               const MaterialRecord& material,
                                               UnitSystem units = UnitSystem::Gravitational,
                                               double temperature = kRoomTemperature);

}  // namespace coilspring
