// What the extension spring's reference rows tell beside its checks: wire length and mass, the
// energy stored, the spring at its operating temperature and the JIS B 2704-2 tolerances of an
// extension spring's free length and loads. They inform; they change nothing.
#pragma once

#include <vector>

#include "core/calc/reference_values.h"
#include "core/display/display_units.h"
#include "core/display/reference_rows.h"
#include "core/extension/extension_design.h"
#include "core/records/material_table.h"

namespace coilspring {

// The wire in one hook (mm): a full loop for the round hooks, half a loop for the half-round
// hook, half a loop and two straight legs of half the mean diameter for the U hook.
double HookWireLength(const ExtensionDesign& design);
// The wire of the whole spring (mm): the body's turns on their helix and both hooks.
double ExtensionWireLength(const ExtensionDesign& design);

// JIS B 2704-2 load tolerance (± kgf) at load P of grade 1..3: Pi·α + (P − Pi)·β, α 0.10,
// 0.15, 0.20 for the scatter of the initial tension and β the load tolerance by active turns.
ReferenceValue ExtensionLoadTolerance(const ExtensionDesign& design, int grade, double load);

// The rows of a calculated design, loads and rates shown in `units`; `temperature` in °C (20
// leaves G as it is).
std::vector<ReferenceRow> ExtensionReferenceRows(const ExtensionDesign& design,
                                                 const MaterialRecord& material,
                                                 UnitSystem units = UnitSystem::Gravitational,
                                                 double temperature = kRoomTemperature);

}  // namespace coilspring
