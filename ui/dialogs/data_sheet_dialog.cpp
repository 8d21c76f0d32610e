#include "ui/dialogs/data_sheet_dialog.h"

#include <QPainter>
#include <QPushButton>

#include "core/text/user_error.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/window_place.h"
#include "ui/render/data_sheet_page.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

constexpr int kButtonLeft = 24;
constexpr int kButtonTop = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// The PDF button sits under "プリント": beside it there is no room left of the illustration.
constexpr int kPdfButtonTop = 48;

constexpr int kWindowFontPixels = 12;

// Paints a page that draws itself, as it goes to paper.
class DrawnPageView final : public QWidget {
 public:
  DrawnPageView(SheetPage& page, QWidget* parent) : QWidget(parent), page_(page) {
    setObjectName(QStringLiteral("DrawnSheetPage"));
    setFixedSize(page.PageSize());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    page_.Paint(painter);
  }

 private:
  SheetPage& page_;
};

}  // namespace

DataSheetDialog::DataSheetDialog(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("prinform"));
  KeepWindowPlace(this);
  setWindowTitle(QStringLiteral("prinform"));
  setFont(GothicFont(kWindowFontPixels));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setFixedSize(DataSheetPage::kWidth, DataSheetPage::kHeight);

  printButton_ = new QPushButton(QStringLiteral("プリント"), this);
  printButton_->setObjectName(QStringLiteral("Button1"));
  printButton_->setGeometry(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
  ConnectGuarded(platform_, this, printButton_, &QPushButton::clicked,
                 &DataSheetDialog::PrintSheet);

  pdfButton_ = new QPushButton(QStringLiteral("PDF保存"), this);
  pdfButton_->setObjectName(QStringLiteral("Button2"));
  pdfButton_->setGeometry(kButtonLeft, kPdfButtonTop, kButtonWidth, kButtonHeight);
  ConnectGuarded(platform_, this, pdfButton_, &QPushButton::clicked, &DataSheetDialog::SavePdf);

  // Made after the buttons, so the focus still starts on "プリント" and Enter prints; lowered,
  // so the buttons lie on top of it.
  page_ = new DataSheetPage(this);
  page_->lower();
}

DataSheetDialog::~DataSheetDialog() = default;

void DataSheetDialog::ShowSheet(const DataSheet& sheet, const QString& pdfName) {
  Fill(sheet);
  pdfName_ = pdfName;
  exec();
}

void DataSheetDialog::Fill(const DataSheet& sheet) {
  delete drawnView_;
  drawnView_ = nullptr;
  drawnPage_.reset();
  pdfName_ = QStringLiteral("aspring.pdf");
  page_->show();
  setFixedSize(DataSheetPage::kWidth, DataSheetPage::kHeight);
  page_->Fill(sheet);
}

void DataSheetDialog::ShowPage(std::unique_ptr<SheetPage> page, const QString& pdfName) {
  FillPage(std::move(page), pdfName);
  exec();
}

void DataSheetDialog::FillPage(std::unique_ptr<SheetPage> page, const QString& pdfName) {
  delete drawnView_;
  drawnPage_ = std::move(page);
  pdfName_ = pdfName;
  page_->hide();
  drawnView_ = new DrawnPageView(*drawnPage_, this);
  drawnView_->lower();
  drawnView_->show();
  setFixedSize(drawnPage_->PageSize());
}

QImage DataSheetDialog::PageImage() { return page_->PageImage(); }

void DataSheetDialog::PrintSheet() {
  // Drawn for the printer, not captured: its lines and text come out at the printer's resolution.
  SheetPage& page = drawnPage_ ? *drawnPage_ : static_cast<SheetPage&>(*page_);
  if (const auto failure = page.Print(platform_)) throw UserError(failure->toStdString());
  accept();
}

void DataSheetDialog::SavePdf() {
  const auto path = platform_.AskSaveFile(this, {QStringLiteral("PDFファイル (*.pdf)"), pdfName_});
  if (!path) return;
  (drawnPage_ ? *drawnPage_ : static_cast<SheetPage&>(*page_)).WritePdf(*path);
}

}  // namespace coilspring
