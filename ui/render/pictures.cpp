#include "ui/render/pictures.h"

#include <QFont>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/calc/fatigue.h"
#include "core/compression/design_fatigue.h"
#include "core/compression/shape_builder.h"
#include "core/compression/shape_view.h"
#include "core/conical/conical_shape.h"
#include "core/conical/load_curve_diagram.h"
#include "core/drawing/shape_view_sink.h"
#include "core/extension/extension_shape.h"
#include "ui/render/qt_canvas.h"

namespace coilspring {
namespace {

// The diagram without a working point, drawn once for the whole run, and again only if the
// application's font (the font its texts are drawn in) or the pixel ratio changes.
// The cacheKey of a QImage changes with every new drawing, so a picture can tell that the
// background it started from is no longer the current one.
const QImage& DiagramBackground(qreal pixelRatio) {
  static QFont drawnWith;
  static QImage background;
  if (background.isNull() || drawnWith != QFont() || background.devicePixelRatio() != pixelRatio) {
    drawnWith = QFont();
    background = QtCanvas::Drawing(kFatigueDiagramWidth, kFatigueDiagramHeight, pixelRatio,
                                   DrawFatigueDiagramBackground);
  }
  return background;
}

// Bit for bit, so that even -0 and NaN inputs, which the construction may treat differently
// from 0 and from each other, are only taken as the same when they are.
bool SameInputs(const ShapeInputs& a, const ShapeInputs& b) {
  const auto same = [](double x, double y) {
    return std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
  };
  return a.mode == b.mode && same(a.d, b.d) && same(a.D, b.D) && same(a.n, b.n) && same(a.L, b.L) &&
         a.leftHand == b.leftHand;
}

// The square's outline pen may reach a pixel beyond its corners; restoring a little more than
// the square costs nothing and leaves no trace of it.
constexpr int kMarkSlack = 2;

}  // namespace

FatigueDiagramPicture::FatigueDiagramPicture(qreal pixelRatio)
    : pixelRatio_(std::max(pixelRatio, qreal(1))) {
  StartFromBackground();
}

void FatigueDiagramPicture::StartFromBackground() {
  const QImage& background = DiagramBackground(pixelRatio_);
  if (backgroundKey_ == background.cacheKey()) return;
  // Painted over in place: the image keeps its buffer, the view showing it stays valid.
  if (image_.size() != background.size()) {
    image_ = QImage(background.size(), background.format());
    image_.setDevicePixelRatio(pixelRatio_);
  }
  std::memcpy(image_.bits(), background.constBits(),
              static_cast<std::size_t>(background.sizeInBytes()));
  backgroundKey_ = background.cacheKey();
  mark_.reset();
}

void FatigueDiagramPicture::RestoreBackground(const PixelRect& area) {
  const QImage& background = DiagramBackground(pixelRatio_);
  // A point below or left of the origin gives a square whose corners are the other way round.
  // The image's pixels [first, last] cover the drawing's units [low, high].
  const auto first = [&](int low) {
    return std::max(static_cast<int>(std::floor((low - kMarkSlack) * pixelRatio_)), 0);
  };
  const auto last = [&](int high, int pixels) {
    return std::min(static_cast<int>(std::ceil((high + kMarkSlack + 1) * pixelRatio_)) - 1,
                    pixels - 1);
  };
  const int left = first(std::min(area.left, area.right));
  const int right = last(std::max(area.left, area.right), image_.width());
  const int top = first(std::min(area.top, area.bottom));
  const int bottom = last(std::max(area.top, area.bottom), image_.height());
  if (left > right || top > bottom) return;
  const auto bytes = static_cast<std::size_t>(right - left + 1) * sizeof(QRgb);
  for (int y = top; y <= bottom; ++y) {
    std::memcpy(reinterpret_cast<QRgb*>(image_.scanLine(y)) + left,
                reinterpret_cast<const QRgb*>(background.constScanLine(y)) + left, bytes);
  }
}

bool FatigueDiagramPicture::Show(const DesignRecord& design, const MaterialTable& materials) {
  return Show(FatigueCoefficients(design, materials));
}

bool FatigueDiagramPicture::Show(const StressCoefficients& k) {
  StartFromBackground();
  const std::optional<PixelRect> square = WorkingPointSquare(k.x, k.y);
  if (square != mark_) {
    if (mark_) RestoreBackground(*mark_);
    QtCanvas canvas(image_);
    mark_ = MarkWorkingPoint(canvas, k.x, k.y);
  }
  return OutsideDiagram(k.x, k.y);
}

SpringShapePicture::SpringShapePicture(qreal pixelRatio)
    : image_(QtCanvas::MakeImage(kWidth, kHeight, pixelRatio)) {}

void SpringShapePicture::Show(const DesignRecord& design, double length, bool leftHand) {
  ShapeInputs in = ShapeInputsOf(design, length);
  in.leftHand = leftHand;
  if (shown_ && SameInputs(*shown_, in)) return;
  QtCanvas canvas(image_);
  DrawSpringShape(canvas, in);
  shown_ = in;
}

ExtensionShapePicture::ExtensionShapePicture(qreal pixelRatio)
    : image_(QtCanvas::MakeImage(SpringShapePicture::kWidth, SpringShapePicture::kHeight,
                                 pixelRatio)) {}

// A design holding a value that is not a number never equals itself: it is simply drawn again.
void ExtensionShapePicture::Show(const ExtensionDesign& design, double length) {
  if (shown_ && shown_->first == design && shown_->second == length) return;
  shown_.emplace(design, length);
  QtCanvas canvas(image_);
  DrawExtensionShape(canvas, design, length);
}

QImage ConicalShapeImage(const ConicalDesign& design, double length, qreal pixelRatio) {
  QImage image =
      QtCanvas::MakeImage(SpringShapePicture::kWidth, SpringShapePicture::kHeight, pixelRatio);
  QtCanvas canvas(image);
  DrawConicalShape(canvas, design, length);
  return image;
}

QImage LoadCurveImage(const ConicalDesign& design, const MaterialRecord& material, UnitSystem units,
                      qreal pixelRatio) {
  QImage image = QtCanvas::MakeImage(kLoadCurveWidth, kLoadCurveHeight, pixelRatio);
  QtCanvas canvas(image);
  DrawLoadCurveDiagram(canvas, design, material, units);
  return image;
}

}  // namespace coilspring
