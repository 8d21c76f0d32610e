// The compression spring's data sheet: its fifteen items and labels on the sheet's page
// (core/output/data_sheet.h).
#pragma once

#include "core/compression/design_record.h"
#include "core/output/data_sheet.h"
#include "core/records/material_table.h"

namespace coilspring {

// The sheet of `design` as it stands: nothing is read from the panel and nothing calculated.
// A MaterialNo or EndKind that names nothing leaves that value cell empty.
DataSheet MakeDataSheet(const DesignRecord& design, const MaterialTable& materials,
                        bool leftHanded);

}  // namespace coilspring
