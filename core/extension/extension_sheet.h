// The extension spring's data sheet (要目表): the JIS B 2704-2 items of an extension spring and
// its own line art under the sheet's six labels.
#pragma once

#include "core/drawing/canvas.h"
#include "core/extension/extension_design.h"
#include "core/extension/extension_illustration.h"
#include "core/output/data_sheet.h"
#include "core/records/material_table.h"

namespace coilspring {

// The sheet of a calculated design: nothing is calculated here.
DataSheet MakeExtensionDataSheet(const ExtensionDesign& design, const MaterialTable& materials,
                                 bool leftHanded);

}  // namespace coilspring
