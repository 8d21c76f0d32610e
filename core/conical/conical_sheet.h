// The conical spring's data sheet (要目表): its items and its own line art (a cone with the
// length dimensions and the rising load curve) under the sheet's six labels.
#pragma once

#include "core/conical/conical_design.h"
#include "core/conical/conical_illustration.h"
#include "core/drawing/canvas.h"
#include "core/output/data_sheet.h"
#include "core/records/material_table.h"

namespace coilspring {

// The sheet of a calculated design: nothing is calculated here. The winding is left-handed when
// the design is or `leftHanded` asks for it.
DataSheet MakeConicalDataSheet(const ConicalDesign& design, const MaterialTable& materials,
                               bool leftHanded);

}  // namespace coilspring
