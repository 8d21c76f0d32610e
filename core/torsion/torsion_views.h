// The two views of a torsion spring, built once in model millimetres: the end view (the coil
// seen along its axis, leg 1 held at the left, leg 2 free at the right and wound up clockwise
// to θ1 and θ2, the coil wound up to its diameter at θ2 and the rod it works over) and, to its
// right, the side view of the close-wound helix with its legs. A left-hand spring is the mirror
// image: it winds up counter-clockwise. The picture and the DXF drawing are two sinks of this one
// construction.
#pragma once

#include <string>
#include <vector>

#include "core/drawing/canvas.h"
#include "core/drawing/shape_primitives.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

// What a group of primitives shows; the picture gives each its pen, the drawing file its layer.
enum class TorsionViewPart {
  Spring,    // free: both views
  Working1,  // leg 2 at θ1
  Working2,  // leg 2 and the coil at θ2
  Rod,       // the rod the coil works over, when given
  Centre,    // the centre lines of both views
};

struct TorsionViewGroup {
  TorsionViewPart part = TorsionViewPart::Spring;
  std::vector<ShapePrimitive> primitives;
};

struct TorsionViews {
  std::vector<TorsionViewGroup> groups;  // empty when the design cannot be drawn
  ModelPoint low, high;                  // the box holding every primitive
};

// A design whose wire or coil is not a positive finite size, whose coil does not hold the
// wire (D <= d) or whose turns are not in 0 < Nt <= kMaxBodyTurns gives no groups. The coil at
// θ2 is left out while its diameter does not hold the wire, the rod while it is not a positive
// size smaller than the coil's outer diameter.
TorsionViews BuildTorsionViews(const TorsionDesign& design);
// That rule alone, which the 3D centre line shares.
bool TorsionDrawable(const TorsionDesign& design);
// The coil's mean diameter wound up to θ2 as the end view draws it (and the 3D model takes it):
// the result D2 when it is a coil, else D.
double WoundMeanDiameter(const TorsionDesign& design);

// Every primitive in order, for the drawing file.
std::vector<ShapePrimitive> AllPrimitives(const TorsionViews& views);
std::string TorsionDxfText(const TorsionDesign& design);

// Clears the picture to white and draws both views at one scale that fits them under a legend:
// the spring red, leg 2 at θ1 dashed blue, leg 2 and the coil at θ2 solid blue, the rod black,
// the centre lines dotted silver.
void DrawTorsionViews(Canvas& canvas, const TorsionDesign& design);

// The legend's texts, in the order of the parts it names (free, θ1, θ2).
inline constexpr const char* kTorsionLegendTexts[] = {"自由", "θ1", "θ2"};

}  // namespace coilspring
