// The extension spring's wire centre line for the 3D model, from the side view's layout
// (extension_shape.h).
#pragma once

#include "core/drawing/centre_line.h"
#include "core/extension/extension_design.h"

namespace coilspring {

// The body at `length` (inside the hooks) with a hook of the design's form at each end, each
// in the plane the end turn runs in and joined tangent to it.
CentreLine ExtensionCentreLine(const ExtensionDesign& design, double length, bool leftHand);

double ExtensionLengthOf(const ExtensionDesign& design, SpringState state);

// The model of the design in `state`, the material named from `materials`.
SpringModel SpringModelOf(const ExtensionDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand);

}  // namespace coilspring
