#include "ui/platform/pictures.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "core/calc/fatigue.h"
#include "core/drawing/shape_builder.h"
#include "core/drawing/shape_view_sink.h"
#include "ui/platform/qt_canvas.h"

namespace coilspring {
namespace {

// The diagram without a working point, drawn once for the whole run.
const QImage& DiagramBackground() {
  static const QImage background = [] {
    QImage image = QtCanvas::MakeImage(kFatigueDiagramWidth, kFatigueDiagramHeight);
    QtCanvas canvas(image);
    DrawFatigueDiagramBackground(canvas);
    return image;
  }();
  return background;
}

// The square's outline pen may reach a pixel beyond its corners; restoring a little more than
// the square costs nothing and leaves no trace of it.
constexpr int kMarkSlack = 2;

}  // namespace

FatigueDiagramPicture::FatigueDiagramPicture() : image_(DiagramBackground().copy()) {}

void FatigueDiagramPicture::RestoreBackground(const PixelRect& area) {
  const QImage& background = DiagramBackground();
  const int left = std::max(area.left - kMarkSlack, 0);
  const int right = std::min(area.right + kMarkSlack, image_.width() - 1);
  const int top = std::max(area.top - kMarkSlack, 0);
  const int bottom = std::min(area.bottom + kMarkSlack, image_.height() - 1);
  if (left > right || top > bottom) return;
  const auto bytes = static_cast<std::size_t>(right - left + 1) * sizeof(QRgb);
  for (int y = top; y <= bottom; ++y) {
    std::memcpy(reinterpret_cast<QRgb*>(image_.scanLine(y)) + left,
                reinterpret_cast<const QRgb*>(background.constScanLine(y)) + left, bytes);
  }
}

bool FatigueDiagramPicture::Show(const DesignRecord& design, const MaterialTable& materials) {
  if (mark_) RestoreBackground(*mark_);
  const StressCoefficients k = FatigueCoefficients(design, materials);
  QtCanvas canvas(image_);
  mark_ = MarkWorkingPoint(canvas, k.x, k.y);
  return OutsideDiagram(k.x, k.y);
}

SpringShapePicture::SpringShapePicture() : image_(QtCanvas::MakeImage(kWidth, kHeight)) {}

void SpringShapePicture::Show(const DesignRecord& design, double length) {
  QtCanvas canvas(image_);
  const ShapeInputs in = ShapeInputsOf(design, length);
  DrawSpringShape(canvas, in.mode, in.d, in.D, in.n, in.L);
}

}  // namespace coilspring
