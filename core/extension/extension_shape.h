// The extension spring's side view in model millimetres: the close-wound body (opened up by the
// extension beyond the free length) and a hook at each end. One construction feeds the picture,
// the DXF file and the 3D model's hooks, as the compression spring's does.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/drawing/canvas.h"
#include "core/drawing/shape_primitives.h"
#include "core/drawing/shape_view_sink.h"
#include "core/drawing/wire_path.h"
#include "core/extension/extension_design.h"

namespace coilspring {

struct ExtensionShape {
  ShapeStatus status = ShapeStatus::NonFiniteInput;
  std::vector<ShapePrimitive> primitives;  // empty unless Built
  ShapeFrame frame;                        // the box the picture is fitted by
  double bodyLength = 0;                   // outside the end turns, mm
  double hookHeight = 0;                   // each hook's inner height as drawn, mm
  std::array<WirePath, 2> hooks;           // the left and the right hook's centre lines, placed
};

// The centre line of the left hook of a coil of mean diameter D and wire d, the body's left end
// face at x = 0, the top of its turns at y = 0 and its axis at y = −D/2; the hook's inner side
// reaches x = −hookHeight and its wire leaves the turns at x = joinX (d/2 for the first turn).
// Every form is bent to the coil's own diameter, so a loop is as wide as the coil (its outer
// diameter D + d) and runs into the body along the top (丸・半丸・U) or the bottom (逆丸) of the
// turns:
//   丸フック     a straight run out from the first turn, then a full loop;
//   半丸フック   the straight run and half a loop, ending at the bottom of the coil;
//   逆丸フック   as 丸フック, leaving from the bottom of the turns;
//   Uフック      half a loop on two straight legs, the lower one ending at the end face.
// The right hook is the mirror image about the body's middle.
WirePath HookCentreLine(HookKind kind, double hookHeight, double D, double d, double joinX);
// Where a hook's wire leaves the turns, from its end face: the first band's top (or bottom) at
// the left end, the last band's at the right end, for bands `pitch` apart.
double HookJoinX(HookKind kind, bool rightEnd, double pitch, double d);

// The spring at `length` (inside the hooks): the body is (Nt + 1)·d long while the spring is not
// extended beyond its free length and grows by the extension; the hooks take the rest of the
// free length, (L0 − (Nt + 1)·d) / 2 each. Body bands: Nt rounded to the nearest whole number
// (halves to even), at least one. A left-hand design is the right-hand one reflected across the
// axis.
ExtensionShape BuildExtensionShape(const ExtensionDesign& design, double length);

// The picture as the window shows it: white, the spring in a 1-pixel red pen, at the scale and
// place of the design's longest state (free, L1, L2), so that the states compare by eye.
void DrawExtensionShape(Canvas& canvas, const ExtensionDesign& design, double length);
// The DXF file: the spring free, at L1 and at L2, one under the other, each on its own layer with
// its axis on the centre layer; `status` gets the free state's verdict.
std::string ExtensionDxfText(const ExtensionDesign& design, ShapeStatus* status = nullptr);

}  // namespace coilspring
