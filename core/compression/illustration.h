// The compression spring's illustration: the line art of the input panel and the data sheet.
#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/illustration.h"

namespace coilspring {

// Clears the picture to white and draws the spring with its dimension arrows in blue.
void DrawSpringIllustration(Canvas& canvas);

}  // namespace coilspring
