// The torsion spring's pictures as images: its two views, its moment–angle diagram and its data
// sheet page, for the window, the printer, PDF files and scripts.
#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <vector>

#include "core/display/display_units.h"
#include "core/torsion/torsion_design.h"
#include "core/torsion/torsion_sheet.h"
#include "ui/render/data_sheet_page.h"

namespace coilspring {

inline constexpr int kTorsionViewsWidth = 560;
inline constexpr int kTorsionViewsHeight = 240;

// At a pixel ratio above 1 (a high-DPI screen) the image is drawn at that finer resolution.
QImage TorsionViewsImage(const TorsionDesign& design,
                         QSize size = {kTorsionViewsWidth, kTorsionViewsHeight},
                         qreal pixelRatio = 1);
QImage MomentDiagramImage(const TorsionDesign& design, UnitSystem units, qreal pixelRatio = 1);

// The data sheet page: its title, the sketch with the design's legs, working points and diameter
// on their dimensions, and the item grid.
class TorsionSheetPage final : public SheetPage {
 public:
  TorsionSheetPage(const TorsionDesign& design, std::vector<TorsionSheetRow> rows);
  QSize PageSize() const override;
  QString PageTitle() const override;
  void Paint(QPainter& painter) override;

 private:
  void PaintSketch(QPainter& painter) const;

  TorsionDesign design_;
  std::vector<TorsionSheetRow> rows_;
};

}  // namespace coilspring
