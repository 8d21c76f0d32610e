// The data sheet (要目表) window: the sheet of the current design as a preview, printed as it
// stands on the screen, or saved as a one-page PDF for desks without a printer.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <memory>

#include "core/output/data_sheet.h"
#include "ui/platform/platform.h"

class QPushButton;

namespace coilspring {

class DataSheetPage;
class SheetPage;

class DataSheetDialog : public QDialog {
  Q_OBJECT

 public:
  // Created once at start-up and kept hidden between uses.
  DataSheetDialog(Platform& platform, QWidget* parent = nullptr);
  ~DataSheetDialog() override;

  // Fills the sheet, then shows it modally until the user prints or closes it.
  void ShowSheet(const DataSheet& sheet, const QString& pdfName = QStringLiteral("aspring.pdf"));
  // Writes every cell and label of `sheet` into the window, without showing it.
  void Fill(const DataSheet& sheet);
  // The same for a kind whose page draws itself: `page` is shown, printed and saved (proposed
  // as `pdfName`) in place of the page of cells, until the next sheet.
  void ShowPage(std::unique_ptr<SheetPage> page, const QString& pdfName);
  void FillPage(std::unique_ptr<SheetPage> page, const QString& pdfName);
  // The page under the buttons as it goes to paper.
  QImage PageImage();

 private slots:
  void PrintSheet();
  void SavePdf();

 private:
  Platform& platform_;

  QPushButton* printButton_;  // Button1: "プリント" prints the sheet and closes the window
  QPushButton* pdfButton_;    // Button2: "PDF保存" saves the printed page as a PDF file
  DataSheetPage* page_;       // everything that goes to paper: the whole client area
  // A page that draws itself, shown instead of page_ while set.
  std::unique_ptr<SheetPage> drawnPage_;
  QWidget* drawnView_ = nullptr;
  QString pdfName_ = QStringLiteral("aspring.pdf");
};

}  // namespace coilspring
