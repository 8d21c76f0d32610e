// The moment–angle diagram of a torsion spring: its straight line M = kT·θ up to the maximum
// angle, the two working points and θmax.
#pragma once

#include <optional>

#include "core/display/display_units.h"
#include "core/drawing/canvas.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

inline constexpr int kMomentDiagramWidth = 400;
inline constexpr int kMomentDiagramHeight = 300;

// Where the diagram puts things: the plot area in pixels and the largest angle and moment it
// shows (a tenth beyond the largest of θ1, θ2 and θmax).
struct MomentDiagramLayout {
  int left = 0, top = 0, right = 0, bottom = 0;
  double maxAngle = 0;   // degrees at the right edge
  double maxMoment = 0;  // kgf·mm at the top edge
  PixelPoint At(double angle, double moment) const;
};
// Nothing for a design whose angles or rate are not finite, or that has nothing to show
// (no positive angle or a rate that is not positive).
std::optional<MomentDiagramLayout> LayoutMomentDiagram(const TorsionDesign& design, int width,
                                                       int height);

// Clears the canvas and draws the axes, then, where the design has a layout, the rate line,
// θmax dashed, the working points as blue squares and the scales in `units`.
void DrawMomentDiagram(Canvas& canvas, const TorsionDesign& design, UnitSystem units);

}  // namespace coilspring
