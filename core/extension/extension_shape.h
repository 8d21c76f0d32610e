// The extension spring's side view in model millimetres: the close-wound body (opened up by the
// extension beyond the free length) and a hook at each end. One construction feeds the picture
// and the DXF file, as the compression spring's does.
#pragma once

#include <string>
#include <vector>

#include "core/drawing/canvas.h"
#include "core/drawing/shape_primitives.h"
#include "core/drawing/shape_view_sink.h"
#include "core/extension/extension_design.h"

namespace coilspring {

struct ExtensionShape {
  ShapeStatus status = ShapeStatus::NonFiniteInput;
  std::vector<ShapePrimitive> primitives;  // empty unless Built
  ShapeFrame frame;                        // the box the picture is fitted by
  double bodyLength = 0;                   // outside the end turns, mm
  double hookHeight = 0;                   // each hook's inner height as drawn, mm
};

// The sizes the side view and the 3D centre line are both built from: the body's length and
// turns (bands) and each hook's inner height, with the verdict on the design.
struct ExtensionLayout {
  ShapeStatus status = ShapeStatus::NonFiniteInput;
  double bodyLength = 0;  // outside the end turns, mm
  double hookHeight = 0;  // each hook's inner height, mm
  int bands = 0;          // the body's turns
};
ExtensionLayout ExtensionLayoutOf(const ExtensionDesign& design, double length);

// A U hook's loop: its inner radius is this share of the hook's height, the legs take the rest.
inline constexpr double kUHookBendShare = 0.25;

// The spring at `length` (inside the hooks): the body is (Nt + 1)·d long while the spring is not
// extended beyond its free length and grows by the extension; the hooks take the rest of the
// free length, (L0 − (Nt + 1)·d) / 2 each. Body bands: Nt rounded to the nearest whole number
// (halves to even), at least one.
ExtensionShape BuildExtensionShape(const ExtensionDesign& design, double length);

// The picture as the window shows it: white, the spring in a 1-pixel red pen.
void DrawExtensionShape(Canvas& canvas, const ExtensionDesign& design, double length);
// The DXF file, always at the free length; `status` gets the construction's verdict.
std::string ExtensionDxfText(const ExtensionDesign& design, ShapeStatus* status = nullptr);

}  // namespace coilspring
