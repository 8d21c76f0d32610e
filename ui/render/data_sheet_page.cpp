#include "ui/render/data_sheet_page.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTableWidget>
#include <algorithm>
#include <string_view>

#include "core/drawing/illustration.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

constexpr int kPictureWidth = 361;
constexpr int kPictureHeight = 201;

constexpr int kPageFontPixels = 12;
constexpr int kLabelFontPixels = 19;
constexpr int kSmallestLabelPixels = 12;
constexpr int kTitleTop = 4;
// Grid lines are one pixel between cells and the border two pixels each side, outside the cell
// sizes: 64 + 222 + 97 + 169 + 4 lines + 2 x 2 border = 560, 16 x 30 + 16 lines + 4 = 500.
constexpr int kGridLine = 1;
constexpr int kGridBorder = 2;

constexpr double kScreenDpi = 96;
constexpr double kPdfMarginMm = 10;

}  // namespace

// While alive, the grid shows no selection, whether or not it has the focus: paper never does.
class DataSheetPage::PaperMode {
 public:
  explicit PaperMode(DataSheetPage& page) : page_(page), focusLeft_(page.gridFocusLeft_) {
    SetSelectionHidden(true);
  }
  ~PaperMode() {
    // Back on the screen, a grid without the focus in the active window shows no selection,
    // not even one set before it ever had the focus.
    const bool unfocused = page_.isActiveWindow() && !page_.sheetGrid_->hasFocus();
    SetSelectionHidden(focusLeft_ || unfocused);
  }
  PaperMode(const PaperMode&) = delete;
  PaperMode& operator=(const PaperMode&) = delete;

 private:
  void SetSelectionHidden(bool hidden) {
    page_.gridFocusLeft_ = hidden;
    page_.sheetGrid_->viewport()->update();
  }
  DataSheetPage& page_;
  bool focusLeft_;
};

DataSheetPage::DataSheetPage(QWidget* parent) : QWidget(parent) {
  setFont(GothicFont(kPageFontPixels));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setFixedSize(kWidth, kHeight);
  BuildControls();
}

void DataSheetPage::BuildControls() {
  illustration_ = new IllustrationView(
      this, "Image1",
      {kDataSheetPicturePlace.left, kDataSheetPicturePlace.top, kPictureWidth, kPictureHeight});

  // Above the picture, across the page; hidden while the sheet has no title.
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("SheetTitle"));
  title_->setFont(GothicFont(kLabelFontPixels));
  title_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  title_->setGeometry(0, kTitleTop, kWidth, kDataSheetPicturePlace.top - kTitleTop);
  title_->hide();

  // Created after the picture, so they lie on top of it.
  for (int i = 0; i < static_cast<int>(labels_.size()); ++i) {
    QLabel* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label->setFont(GothicFont(kLabelFontPixels));
    label->setAutoFillBackground(true);  // opaque: it hides the line art behind its text
    label->move(kDataSheetLabelPlaces[i].left, kDataSheetLabelPlaces[i].top);
    labels_[i] = label;
  }

  BuildGrid();
}

void DataSheetPage::BuildGrid() {
  GridShape shape;
  shape.columns = kDataSheetColumns;
  shape.rows = kDataSheetRows;
  shape.fixedRows = 1;
  shape.fixedColumns = 1;
  for (int width : kDataSheetColumnWidths) shape.columnWidths.push_back(width + kGridLine);
  shape.rowHeight = kDataSheetRowHeight + kGridLine;
  sheetGrid_ = MakeStringGrid(this, "sg1", shape, &gridFocusLeft_);
  sheetGrid_->setGeometry(kDataSheetGridPlace.left, kDataSheetGridPlace.top, kDataSheetGridWidth,
                          kDataSheetGridHeight);
  sheetGrid_->setFont(GothicFont(kGridFontPixels));
  sheetGrid_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  sheetGrid_->setLineWidth(kGridBorder);
  sheetGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sheetGrid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void DataSheetPage::Fill(const DataSheet& sheet) {
  title_->setText(Utf8(sheet.title));
  title_->setVisible(!sheet.title.empty());
  illustration_->SetDrawing(sheet.illustration);
  for (int r = 0; r < kDataSheetRows; ++r)
    for (int c = 0; c < kDataSheetColumns; ++c)
      SetCellText(sheetGrid_, r, c, Utf8(sheet.cells[r][c]));
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    labels_[i]->setFont(GothicFont(kLabelFontPixels));
    labels_[i]->setText(Utf8(sheet.labels[i]));
    labels_[i]->adjustSize();
    labels_[i]->move(kDataSheetLabelPlaces[i].left, kDataSheetLabelPlaces[i].top);
  }
  // L2 lies left of the load diagram: a longer text moves left along its arrow rather than
  // cover the diagram's corner, though never past the common extension line; one longer still
  // is set smaller.
  const int diagramLeft = kDataSheetPicturePlace.left + illustration::kLength2X;
  const int lineRight = kDataSheetPicturePlace.left + illustration::kLeftX + 2;
  QLabel* length2 = labels_[kLength2Label];
  for (int pixels = kLabelFontPixels; length2->geometry().right() >= diagramLeft - 1;) {
    if (length2->width() > diagramLeft - 2 - lineRight && pixels > kSmallestLabelPixels) {
      length2->setFont(GothicFont(--pixels));
      length2->adjustSize();
    }
    length2->move(std::max(lineRight, diagramLeft - 2 - length2->width()), length2->y());
    if (pixels == kSmallestLabelPixels) break;
  }
}

QImage DataSheetPage::PageImage() {
  PaperMode paper(*this);
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  render(&image, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
  return image;
}

void DataSheetPage::Paint(QPainter& painter) {
  PaperMode paper(*this);
  render(&painter, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
}

std::optional<QString> DataSheetPage::Print(Platform& platform) {
  // Also when the printer fails: back on the screen the grid shows no selection it does not
  // have the focus for.
  PaperMode paper(*this);
  return SheetPage::Print(platform);
}

std::optional<QString> SheetPage::Print(Platform& platform) {
  return platform.PrintDrawing(PageSize(), PageTitle(), [this](QPainter& p) { Paint(p); });
}

void SheetPage::WritePdf(const QString& path) {
  // The page is made in memory and written in one go, so the file is either whole or not
  // touched at all.
  const std::string target = LocalPath(path);
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(PageTitle());
    writer.setCreator(QStringLiteral("coilspring"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) throw UserError(CannotCreateMessage(target));
    // The same size as on a 96 dpi screen; widgets paint as vectors, so the text stays text.
    painter.scale(writer.logicalDpiX() / kScreenDpi, writer.logicalDpiY() / kScreenDpi);
    Paint(painter);
    if (!painter.end()) throw UserError(kWriteErrorMessage);
  }
  WriteFileAtomically(target,
                      std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

QString DataSheetPage::PageTitle() const {
  return title_->text().isEmpty() ? QStringLiteral("要目表") : title_->text();
}

QImage DataSheetPage::RenderPage(const DataSheet& sheet) {
  DataSheetPage page;
  page.Fill(sheet);
  return page.PageImage();
}

void DataSheetPage::WritePagePdf(const DataSheet& sheet, const QString& path) {
  DataSheetPage page;
  page.Fill(sheet);
  page.WritePdf(path);
}

}  // namespace coilspring
