// The load–deflection diagram of a conical spring: the straight part while every coil is open,
// the progressive part as the coils close from the large end up to solid, first contact and the
// two working points.
#pragma once

#include <optional>

#include "core/conical/conical_design.h"
#include "core/display/display_units.h"
#include "core/drawing/canvas.h"
#include "core/records/material_table.h"

namespace coilspring {

inline constexpr int kLoadCurveWidth = 400;
inline constexpr int kLoadCurveHeight = 300;

// The plot area in pixels and the largest deflection (mm) and load (kgf) it shows: a tenth
// beyond the solid deflection and the largest of the solid load and the working loads.
struct LoadCurveLayout {
  int left = 0, top = 0, right = 0, bottom = 0;
  double maxDeflection = 0;
  double maxLoad = 0;
  PixelPoint At(double deflection, double load) const;
};
// Nothing for a calculated design whose curve has nothing finite and positive to show.
std::optional<LoadCurveLayout> LayoutLoadCurve(const ConicalDesign& design,
                                               const MaterialRecord& material, int width,
                                               int height);

// Clears the canvas and draws the axes, then, where the design has a layout, the straight part
// in red, the progressive part in blue up to solid, first contact dashed, the working points as
// squares and the scales in `units`.
void DrawLoadCurveDiagram(Canvas& canvas, const ConicalDesign& design,
                          const MaterialRecord& material, UnitSystem units);

}  // namespace coilspring
