// The compression spring's wire centre line for the 3D model, from the side view's
// construction data (shape_builder.h).
#pragma once

#include "core/compression/design_record.h"
#include "core/drawing/centre_line.h"

namespace coilspring {

// The spring at `length`: the body's turns at the side view's pitch, an end turn at pitch d at
// each end with a smooth change of pitch between the two (half a turn across the join, which
// keeps the side view's heights), and ground ends cut flat at 0 and `length`.
CentreLine CompressionCentreLine(const DesignRecord& design, double length, bool leftHand);

// The length of the state: the free length or the length under load 1 or 2.
double CompressionLengthOf(const DesignRecord& design, SpringState state);

// The model of the design in `state`, the material named from `materials`.
SpringModel SpringModelOf(const DesignRecord& design, const MaterialTable& materials,
                          SpringState state, bool leftHand);

}  // namespace coilspring
