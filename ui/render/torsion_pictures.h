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

namespace coilspring {

inline constexpr int kTorsionViewsWidth = 560;
inline constexpr int kTorsionViewsHeight = 240;

// At a pixel ratio above 1 (a high-DPI screen) the image is drawn at that finer resolution.
QImage TorsionViewsImage(const TorsionDesign& design,
                         QSize size = {kTorsionViewsWidth, kTorsionViewsHeight},
                         qreal pixelRatio = 1);
QImage MomentDiagramImage(const TorsionDesign& design, UnitSystem units, qreal pixelRatio = 1);

// The data sheet page: its title, both views and the item grid, in 96-dpi pixels.
class TorsionSheetPage {
 public:
  TorsionSheetPage(const TorsionDesign& design, std::vector<TorsionSheetRow> rows);
  QSize Size() const;
  void Paint(QPainter& painter) const;
  QImage Image() const;
  // Throws UserError as WriteDrawingPdf does.
  void WritePdf(const QString& path) const;
  static QString Title();

 private:
  TorsionDesign design_;
  std::vector<TorsionSheetRow> rows_;
};

}  // namespace coilspring
