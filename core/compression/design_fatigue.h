// The fatigue life of a compression design: its stress coefficients and life class on the
// fatigue-strength diagram (core/calc/fatigue.h holds the diagram's lines).
#pragma once

#include "core/calc/allowable_stress.h"
#include "core/calc/fatigue.h"
#include "core/compression/design_record.h"
#include "core/records/material_table.h"

namespace coilspring {

// The tensile strength sigmaB (N/mm^2) at the design's wire row; 0 when the material or the
// row does not exist.
double TensileStrengthOf(const DesignRecord& design, const MaterialTable& materials);

// x = Stress1 * 9.8 / sigmaB, y = Stress2 * 9.8 / sigmaB at the design's wire.
StressCoefficients FatigueCoefficients(const DesignRecord& design, const MaterialTable& materials);

// The life class of the design's working point, written into its LifeClass.
void DetermineLifeClass(DesignRecord& design, const MaterialTable& materials);

}  // namespace coilspring
