// A compression design and its reference checks in the units on screen
// (core/display/display_units.h).
#pragma once

#include "core/compression/design_record.h"
#include "core/compression/reference.h"
#include "core/display/display_units.h"

namespace coilspring {

// A copy of the design with its loads, rate and stresses in `units`, for display only: it must
// never be stored, calculated or saved.
DesignRecord ShownRecord(const DesignRecord& design, UnitSystem units);
// A design shown in `units` as the record holds it: the exact inverse of ShownRecord.
DesignRecord StoredRecord(const DesignRecord& shown, UnitSystem units);
// The same for the reference checks; ratios, lengths and verdicts are unit-free and stay.
ReferenceChecks ShownReferenceChecks(const ReferenceChecks& checks, UnitSystem units);

}  // namespace coilspring
