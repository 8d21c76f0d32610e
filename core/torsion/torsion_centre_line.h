// The torsion spring's wire centre line for the 3D model, from the views' construction data
// (torsion_views.h).
#pragma once

#include "core/drawing/centre_line.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

// The close-wound body wound up by `angle` degrees (leg 2 turned about the axis, the body
// gaining angle/360 turns) and both legs straight along the wire's way at the body's ends,
// reaching Leg1 and Leg2 from the axis. The last quarter turn at each end flattens out so the
// legs lie square to the axis.
CentreLine TorsionCentreLine(const TorsionDesign& design, double angle, bool leftHand);

// The wind-up of the state: none free, θ1 or θ2 loaded.
double TorsionAngleOf(const TorsionDesign& design, SpringState state);

// The body's turns wound up by `angle`, and its length at them (close-wound).
double WoundTurnsOf(const TorsionDesign& design, double angle);

// The model of the design in `state`, the material named from `materials`.
SpringModel SpringModelOf(const TorsionDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand);

}  // namespace coilspring
