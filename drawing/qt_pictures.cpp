#include "drawing/qt_pictures.h"

#include "calc/fatigue.h"
#include "drawing/qt_canvas.h"
#include "drawing/shape_builder.h"
#include "drawing/shape_view_sink.h"

namespace coilspring {

FatigueDiagramImage RenderFatigueDiagram(const DesignRecord& design, const MaterialTable& materials) {
  FatigueDiagramImage out;
  out.image = QtCanvas::MakeImage(kFatigueDiagramWidth, kFatigueDiagramHeight);
  const StressCoefficients k = FatigueCoefficients(design, materials);
  QtCanvas canvas(out.image);
  out.overflow = DrawFatigueDiagram(canvas, true, k.x, k.y);
  out.lifeClass = LifeClassOf(k.x, k.y);
  return out;
}

QImage RenderSpringShape(const DesignRecord& design, double length) {
  QImage image = QtCanvas::MakeImage(777, 201);
  QtCanvas canvas(image);
  const ShapeInputs in = ShapeInputsOf(design, length);
  DrawSpringShape(canvas, in.mode, in.d, in.D, in.n, in.L);
  return image;
}

}  // namespace coilspring
