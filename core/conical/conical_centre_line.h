// The conical spring's wire centre line for the 3D model, from the side view's construction
// (conical_shape.h).
#pragma once

#include "core/conical/conical_design.h"
#include "core/drawing/centre_line.h"

namespace coilspring {

// The calculated spring at `length`, at the side view's axial positions and radii (the end turns
// closed at their ends' radii, the active turns at the pitch with the radius growing linearly
// along the wire from the small end to the large, closing from the large end under load), in
// helix pieces a quarter turn long so the pitch follows the closing coils; where the end turns
// meet the active ones the pitch and the radius's growth change smoothly over half a turn, as
// the compression spring's pitch does. Ground ends sit a quarter of d beyond their faces and are
// cut flat at 0 and `length`.
CentreLine ConicalCentreLine(const ConicalDesign& design, double length, bool leftHand);

// The length of the state: the free length or the length under load 1 or 2.
double ConicalLengthOf(const ConicalDesign& design, SpringState state);

// The model of the calculated design in `state` (left-handed when `leftHand` or the design
// says so), the material named from `materials`.
SpringModel SpringModelOf(const ConicalDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand);

}  // namespace coilspring
