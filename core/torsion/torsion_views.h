// The two views of a torsion spring, built once in model millimetres: the end view (the coil
// seen along its axis, leg 1 held at the left, leg 2 free at the right and wound up clockwise
// to θ1 and θ2) and, to its right, the side view of the close-wound body with its legs. The
// picture and the DXF drawing are two sinks of this one construction.
#pragma once

#include <string>
#include <vector>

#include "core/drawing/canvas.h"
#include "core/drawing/shape_primitives.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

// What a group of primitives shows; the picture gives each its pen, the drawing file draws
// them all alike.
enum class TorsionViewPart { Spring, Working1, Working2 };

struct TorsionViewGroup {
  TorsionViewPart part = TorsionViewPart::Spring;
  std::vector<ShapePrimitive> primitives;
};

struct TorsionViews {
  std::vector<TorsionViewGroup> groups;  // empty when the design cannot be drawn
  ModelPoint low, high;                  // the box holding every primitive
};

// A design whose wire or coil is not a positive finite size, whose coil does not hold the
// wire (D <= d) or whose turns are not in 0 < Nt <= kMaxBodyTurns gives no groups.
TorsionViews BuildTorsionViews(const TorsionDesign& design);
// That rule alone, which the 3D centre line shares.
bool TorsionDrawable(const TorsionDesign& design);

// Every primitive in order, for the drawing file.
std::vector<ShapePrimitive> AllPrimitives(const TorsionViews& views);
std::string TorsionDxfText(const TorsionDesign& design);

// Clears the picture to white and draws both views at one scale that fits them: the spring
// red, leg 2 at θ1 dashed blue, at θ2 solid blue.
void DrawTorsionViews(Canvas& canvas, const TorsionDesign& design);

}  // namespace coilspring
