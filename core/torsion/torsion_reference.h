// Reference rows of a torsion spring beside its checks: the wire's length and mass, the energy
// it stores, the spring at its operating temperature and the standard tolerances of cold-coiled
// torsion springs. They inform the designer and never change the design.
#pragma once

#include <optional>
#include <vector>

#include "core/calc/reference_values.h"
#include "core/display/display_units.h"
#include "core/display/reference_rows.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

// Tolerances of one grade (1..3).
struct TorsionTolerances {
  ReferenceValue coilDiameter;  // mm, of the inner diameter when that is entered, else the outer
  ReferenceValue freeAngle;     // degrees, the legs' free angle
  ReferenceValue moment1;       // kgf·mm at θ1
  ReferenceValue moment2;       // kgf·mm at θ2
};
TorsionTolerances TorsionTolerancesOf(const TorsionDesign& design, int grade);

struct TorsionReference {
  ReferenceValue wireLength;            // mm: the body's turns and both legs from the coil outward
  ReferenceValue mass;                  // g
  ReferenceValue energy2;               // kgf·mm from free to θ2: M2·θ2/2, θ in radians
  ReferenceValue energy12;              // kgf·mm from θ1 to θ2
  ReferenceValue temperature;           // °C
  ReferenceValue youngAtTemperature;    // N/mm^2
  ReferenceValue rateAtTemperature;     // kgf·mm/°
  ReferenceValue moment2AtTemperature;  // kgf·mm at θ2
  std::array<TorsionTolerances, kToleranceGrades> tolerances{};
};
// The wire of the body's turns and of both legs from the coil outward (mm); 0 for a coil of no
// size.
double TorsionWireLength(const TorsionDesign& design);

TorsionReference ComputeTorsionReference(const TorsionDesign& design,
                                         const MaterialRecord& material,
                                         double temperature = kRoomTemperature);

// The rows as the window and the text output show them, moments and rates in `units`.
std::vector<ReferenceRow> TorsionReferenceRows(const TorsionReference& reference, UnitSystem units);

}  // namespace coilspring
