// The two computed pictures as images, drawn the same way for the window and for the CLI. Each
// picture keeps its image from one design to the next and redraws only what changes: a press
// of "計算" must not allocate, clear and convert whole images.
#pragma once

#include <QImage>
#include <optional>
#include <utility>

#include "core/calc/fatigue.h"
#include "core/compression/design_record.h"
#include "core/compression/shape_builder.h"
#include "core/conical/conical_design.h"
#include "core/display/display_units.h"
#include "core/drawing/fatigue_diagram.h"
#include "core/extension/extension_design.h"
#include "core/records/material_table.h"

namespace coilspring {

// The fatigue-strength diagram with a design's working point. The lines and texts every design
// shares are drawn once; a new design only moves the red square.
class FatigueDiagramPicture {
 public:
  // `pixelRatio`: the image's pixels per unit, the screen's device pixel ratio.
  explicit FatigueDiagramPicture(qreal pixelRatio = 1);

  // Shows the working point of the design's stress coefficients. Returns true when the point
  // has no place on the diagram and is not marked (ListBox1 then gets kGraphAreaOverLine).
  bool Show(const DesignRecord& design, const MaterialTable& materials);
  // The same for stress coefficients worked out by any spring kind.
  bool Show(const StressCoefficients& coefficients);
  const QImage& Image() const { return image_; }

 private:
  void StartFromBackground();
  void RestoreBackground(const PixelRect& area);

  qreal pixelRatio_;
  QImage image_;
  qint64 backgroundKey_ = 0;       // the cacheKey of the background the image was copied from
  std::optional<PixelRect> mark_;  // where the square of the shown design lies
};

// The side view (777 x 201) of a design compressed to a length. The same drawing inputs give
// the same picture, so it is drawn again only when they change.
class SpringShapePicture {
 public:
  static constexpr int kWidth = 777;
  static constexpr int kHeight = 201;

  explicit SpringShapePicture(qreal pixelRatio = 1);  // as FatigueDiagramPicture
  void Show(const DesignRecord& design, double length, bool leftHand = false);
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  std::optional<ShapeInputs> shown_;
};

// The side view of an extension spring at a length, the same size as the compression spring's;
// drawn again only when the design or the length changes.
class ExtensionShapePicture {
 public:
  explicit ExtensionShapePicture(qreal pixelRatio = 1);  // as FatigueDiagramPicture
  void Show(const ExtensionDesign& design, double length);
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
  std::optional<std::pair<ExtensionDesign, double>> shown_;
};

// The conical spring's side view at `length` and its load–deflection diagram, as the command line
// and the reference pictures draw them (the window keeps its own images and draws the same).
QImage ConicalShapeImage(const ConicalDesign& design, double length, qreal pixelRatio = 1);
QImage LoadCurveImage(const ConicalDesign& design, const MaterialRecord& material, UnitSystem units,
                      qreal pixelRatio = 1);

}  // namespace coilspring
