// The data sheet (要目表) pages. Every spring kind's page goes to the printer and into a PDF the
// same way; what it draws is its own. The compression and extension springs' page: the spring
// illustration with its six dimension labels above the item grid, on white. The data sheet
// window shows it under its buttons; scripts fill, print or save one that is never shown.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "core/output/data_sheet.h"
#include "ui/platform/platform.h"
#include "ui/render/picture_views.h"
#include "ui/widgets/widgets.h"

class QLabel;
class QPainter;
class QTableWidget;

namespace coilspring {

class SheetPage {
 public:
  // Every kind's page is as wide, its item grid written as large.
  static constexpr int kWidth = 708;
  static constexpr int kGridFontPixels = 13;

  virtual ~SheetPage() = default;

  // The page's size in 96-dpi pixels.
  virtual QSize PageSize() const = 0;
  // The print job's and the PDF's title.
  virtual QString PageTitle() const = 0;
  // Paints the page as it goes to paper, in 96-dpi pixels from its top-left: lines and text stay
  // vectors, so a printer or a PDF gets them at its own resolution.
  virtual void Paint(QPainter& painter) = 0;
  // Prints the page on the default printer as such a drawing; returns the printer's error text.
  virtual std::optional<QString> Print(Platform& platform);
  // Writes the page as a one-page A4 PDF with real text, at its 96-dpi size from the page's
  // top-left. A failed save leaves any existing file untouched; throws UserError.
  void WritePdf(const QString& path);
};

class DataSheetPage : public QWidget, public SheetPage {
  Q_OBJECT

 public:
  // The window's outer size is 716 x 832; the page, kWidth x kHeight, is its client area inside
  // a common window frame.
  static constexpr int kHeight = 805;

  explicit DataSheetPage(QWidget* parent = nullptr);

  // Writes every cell and label of `sheet` into the page.
  void Fill(const DataSheet& sheet);

  // The page as it goes to paper: without a selection highlight, one pixel per screen pixel at
  // 96 pixels per inch.
  QImage PageImage();
  QSize PageSize() const override { return size(); }
  QString PageTitle() const override;
  void Paint(QPainter& painter) override;
  std::optional<QString> Print(Platform& platform) override;

  // The same for a sheet that is never shown, for scripts.
  static QImage RenderPage(const DataSheet& sheet);
  static void WritePagePdf(const DataSheet& sheet, const QString& path);

 private:
  class PaperMode;

  void BuildControls();
  void BuildGrid();

  // Set when the grid loses the input focus, cleared when it gets it back: an unfocused grid
  // shows no selection, so none reaches paper.
  bool gridFocusLeft_ = false;

  QLabel* title_;                   // SheetTitle: the kinds' own title, hidden for none
  IllustrationView* illustration_;  // Image1: the spring illustration, 360 x 200 at its top-left
  // Label1..Label6: free length, L1, L2, P2, P1, mean coil diameter (kDataSheetLabelPlaces).
  std::array<QLabel*, 6> labels_{};
  static constexpr std::size_t kLength2Label = 2;
  QTableWidget* sheetGrid_;  // sg1: the item table, 4 x 16 cells, first row and column fixed
};

}  // namespace coilspring
