// The data sheet (要目表) window: the sheet of the current design as a preview, printed as it
// stands on the screen, or saved as a one-page PDF for desks without a printer.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <array>

#include "ui/platform/platform.h"
#include "core/output/data_sheet.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace coilspring {


class DataSheetDialog : public QDialog {
  Q_OBJECT

 public:
  // Created once at start-up and kept hidden between uses.
  DataSheetDialog(Platform& platform, QWidget* parent = nullptr);

  // Fills the sheet, then shows it modally until the user prints or closes it.
  void ShowSheet(const DataSheet& sheet);
  // Writes every cell and label of `sheet` into the window, without showing it.
  void Fill(const DataSheet& sheet);

  // The client area as it goes to paper: without the buttons and without a selection highlight,
  // one pixel per screen pixel at 96 pixels per inch.
  QImage PageImage();
  // Writes the page as a one-page A4 PDF with real text, at its 96-dpi size from the page's
  // top-left. A failed save leaves any existing file untouched; throws UserError.
  void WritePdf(const QString& path);

  // The same for a sheet that is never shown, for scripts.
  static QImage RenderPage(const DataSheet& sheet);
  static void WritePagePdf(const DataSheet& sheet, const QString& path);

 private:
  class PageMode;

  void Button1Click();
  void Button2Click();

  void BuildControls();
  void BuildGrid();
  std::array<QLabel*, 6> Labels() const;

  Platform& platform_;
  // Set when the grid loses the input focus, cleared when it gets it back: an unfocused grid
  // shows no selection, so none reaches paper.
  bool sg1FocusLeft_ = false;

  QPushButton* Button1;  // "プリント": prints the sheet and closes the window
  QPushButton* Button2;  // "PDF保存": saves the printed page as a PDF file
  QLabel* Image1;        // the spring illustration, 360 x 200 at its top-left
  QLabel* Label1;        // free length
  QLabel* Label2;        // length L1
  QLabel* Label3;        // length L2
  QLabel* Label4;        // load P2
  QLabel* Label5;        // load P1
  QLabel* Label6;        // mean coil diameter
  QTableWidget* sg1;     // the item table, 4 columns x 16 rows, first row and column fixed
};

}  // namespace coilspring
