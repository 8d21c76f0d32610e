#include "core/compression/shape_view.h"

namespace coilspring {

void DrawSpringShape(Canvas& canvas, const ShapeInputs& inputs) {
  ShapeBuilder builder;
  builder.Build(inputs);  // a refused input leaves no primitives: the picture stays cleared
  const ShapeDerived& v = builder.Derived();
  DrawShapeFitted(canvas, builder.Primitives(), {v.cx, v.cy, inputs.L, inputs.D, inputs.d});
}

}  // namespace coilspring
