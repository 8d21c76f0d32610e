// The data sheet (要目表) page: the spring illustration with its six dimension labels above the
// item grid, on white. The data sheet window shows it under its buttons; scripts fill, print or
// save one that is never shown.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "core/output/data_sheet.h"
#include "ui/platform/platform.h"
#include "ui/render/picture_views.h"
#include "ui/widgets/widgets.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace coilspring {

// Writes a drawing as a one-page A4 PDF with real text, `paint` drawing in 96-dpi pixels from
// the page's top-left. A failed save leaves any existing file untouched; throws UserError.
void WriteDrawingPdf(const QString& path, const QString& title,
                     const std::function<void(QPainter&)>& paint);

class DataSheetPage : public QWidget {
  Q_OBJECT

 public:
  // The window's outer size is 716 x 832; the page is its client area inside a common window
  // frame.
  static constexpr int kWidth = 708;
  static constexpr int kHeight = 805;

  explicit DataSheetPage(QWidget* parent = nullptr);

  // Writes every cell and label of `sheet` into the page.
  void Fill(const DataSheet& sheet);

  // The page as it goes to paper: without a selection highlight, one pixel per screen pixel at
  // 96 pixels per inch.
  QImage PageImage();
  // Paints the page as it goes to paper, in 96-dpi pixels from its top-left: lines and text stay
  // vectors, so a printer or a PDF gets them at its own resolution.
  void Paint(QPainter& painter);
  // Prints the page on the default printer as such a drawing; returns the printer's error text.
  std::optional<QString> Print(Platform& platform);
  // Writes the page as a one-page A4 PDF with real text, at its 96-dpi size from the page's
  // top-left. A failed save leaves any existing file untouched; throws UserError.
  void WritePdf(const QString& path);

  // The print job's and the PDF's title.
  static QString Title();
  // The same for a sheet that is never shown, for scripts.
  static QImage RenderPage(const DataSheet& sheet);
  static void WritePagePdf(const DataSheet& sheet, const QString& path);

 private:
  class PaperMode;

  void BuildControls();
  void BuildGrid();
  void RenderOnto(QPainter& painter);

  // Set when the grid loses the input focus, cleared when it gets it back: an unfocused grid
  // shows no selection, so none reaches paper.
  bool gridFocusLeft_ = false;

  IllustrationView* illustration_;  // Image1: the spring illustration, 360 x 200 at its top-left
  // Label1..Label6: free length, L1, L2, P2, P1, mean coil diameter (kDataSheetLabelPlaces).
  std::array<QLabel*, 6> labels_{};
  static constexpr std::size_t kLength2Label = 2;
  QTableWidget* sheetGrid_;  // sg1: the item table, 4 x 16 cells, first row and column fixed
};

}  // namespace coilspring
