// The conical spring's side view in model millimetres: the end turns closed at their ends' radii
// and the active turns between them, closing one by one from the large end as the spring is
// compressed. One construction feeds the picture and the DXF file, as every kind's does.
#pragma once

#include <string>
#include <vector>

#include "core/conical/conical_design.h"
#include "core/drawing/canvas.h"
#include "core/drawing/shape_primitives.h"
#include "core/drawing/shape_view_sink.h"

namespace coilspring {

struct ConicalShape {
  ShapeStatus status = ShapeStatus::NonFiniteInput;
  std::vector<ShapePrimitive> primitives;  // empty unless Built
  ShapeFrame frame;                        // the box the picture is fitted by
  double length = 0;                       // as drawn: never below the solid height, mm
};

// The calculated design at `length`: the small end on the left, the wire's front halves as bands
// from the top of one turn to the bottom of the next, each outlined by its two edges and the
// round ends of its cut. A wire element at radius R advances p/2π per radian, less what the
// load closes of it, P·R³/(G·J) up to its whole gap c: the length only fixes P/(G·J), so the
// view needs no material. A left-hand design is the right-hand one reflected across the axis.
ConicalShape BuildConicalShape(const ConicalDesign& design, double length);

// The picture as the windows show it: white, the spring in a 1-pixel red pen, at the scale and
// place of the free spring, so that the states compare by eye.
void DrawConicalShape(Canvas& canvas, const ConicalDesign& design, double length);
// The DXF file: the spring free, at L1 and at L2, one under the other, each on its own layer with
// its axis on the centre layer; `status` gets the free state's verdict.
std::string ConicalDxfText(const ConicalDesign& design, ShapeStatus* status = nullptr);

}  // namespace coilspring

namespace coilspring {

// The side view's wire at `length`, for the 3D model: at each wire angle θ (radians from the
// small end, 0 … 2π·Nt) the centre's axial position (x) and mean radius (y) where the bands
// are drawn; no points unless the view can be built.
struct ConicalWire {
  ShapeStatus status = ShapeStatus::NonFiniteInput;
  std::vector<ModelPoint> points;
};
ConicalWire ConicalWireAt(const ConicalDesign& design, double length,
                          const std::vector<double>& angles);

}  // namespace coilspring
