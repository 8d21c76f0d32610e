// The extension spring's data sheet (要目表): the JIS B 2704-2 items of an extension spring and
// its own line art under the sheet's six labels.
#pragma once

#include "core/drawing/canvas.h"
#include "core/extension/extension_design.h"
#include "core/output/data_sheet.h"
#include "core/records/material_table.h"

namespace coilspring {

// The sheet of a calculated design: nothing is calculated here.
DataSheet MakeExtensionDataSheet(const ExtensionDesign& design, const MaterialTable& materials,
                                 bool leftHanded);

// A close-wound spring with a round hook at each end, the three lengths measured inside the
// hooks, the load line from the initial tension and the coil diameter: the dimensions sit where
// the sheet places its labels (free length, L1, L2, P2, P1, mean diameter).
void DrawExtensionIllustration(Canvas& canvas);

}  // namespace coilspring
