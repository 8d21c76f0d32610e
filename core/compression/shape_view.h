// The compression spring's side view on a canvas.
#pragma once

#include "core/compression/shape_builder.h"
#include "core/drawing/canvas.h"
#include "core/drawing/shape_view_sink.h"

namespace coilspring {

// Clears the picture to white and draws the side view in a 1-pixel red pen. Inputs the
// construction refuses (see ShapeStatus) leave the cleared picture.
void DrawSpringShape(Canvas& canvas, const ShapeInputs& inputs);

}  // namespace coilspring
