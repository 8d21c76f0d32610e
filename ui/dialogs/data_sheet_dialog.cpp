#include "ui/dialogs/data_sheet_dialog.h"

#include <QBuffer>
#include <QByteArray>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <string_view>

#include "core/records/file_io.h"
#include "ui/platform/widgets.h"
#include "ui/platform/handler_guard.h"
#include "core/text/user_error.h"
#include "core/drawing/illustration.h"
#include "ui/platform/qt_canvas.h"

namespace coilspring {
namespace {

// The window's outer size is 716 x 832; this is its client area inside a common window frame.
constexpr int kClientWidth = 708;
constexpr int kClientHeight = 805;

constexpr int kButtonLeft = 24;
constexpr int kButtonTop = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// The PDF button sits under "プリント": beside it there is no room left of the illustration.
constexpr int kPdfButtonTop = 48;
constexpr int kPictureWidth = 361;
constexpr int kPictureHeight = 201;

constexpr int kWindowFontPixels = 12;
constexpr int kLabelFontPixels = 19;
constexpr int kGridFontPixels = 13;
// Grid lines are one pixel between cells and the border two pixels each side, outside the cell
// sizes: 64 + 222 + 97 + 169 + 4 lines + 2 x 2 border = 560, 16 x 30 + 16 lines + 4 = 500.
constexpr int kGridLine = 1;
constexpr int kGridBorder = 2;

constexpr double kScreenDpi = 96;
constexpr double kPdfMarginMm = 10;


QPixmap IllustrationPixmap() {
  QImage image = QtCanvas::MakeImage(illustration::kWidth, illustration::kHeight);
  QtCanvas canvas(image);
  DrawSpringIllustration(canvas);
  return QPixmap::fromImage(image);
}

// The print job's and the PDF's title.
QString SheetTitle() { return QStringLiteral("要目表"); }

}  // namespace

// While alive, the window looks as it does on paper: no buttons, no selection highlight.
class DataSheetDialog::PageMode {
 public:
  explicit PageMode(DataSheetDialog& window)
      : window_(window), focused_(window.focusWidget()), focusLeft_(window.sg1FocusLeft_) {
    window_.Button1->hide();
    window_.Button2->hide();
    SetSelectionHidden(true);
  }
  ~PageMode() {
    SetSelectionHidden(focusLeft_);
    window_.Button1->show();
    window_.Button2->show();
    // Hiding the pressed button moved the focus on; give it back, so Enter presses it again.
    if (focused_ == window_.Button1 || focused_ == window_.Button2) focused_->setFocus();
  }
  PageMode(const PageMode&) = delete;
  PageMode& operator=(const PageMode&) = delete;

 private:
  void SetSelectionHidden(bool hidden) {
    window_.sg1FocusLeft_ = hidden;
    window_.sg1->viewport()->update();
  }
  DataSheetDialog& window_;
  QWidget* focused_;
  bool focusLeft_;
};

DataSheetDialog::DataSheetDialog(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setObjectName(QStringLiteral("prinform"));
  setWindowTitle(QStringLiteral("prinform"));
  setFont(GothicFont(kWindowFontPixels));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
}

void DataSheetDialog::BuildControls() {
  Button1 = new QPushButton(QStringLiteral("プリント"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight);
  connect(Button1, &QPushButton::clicked, this,
          [this] { RunGuarded(platform_, this, [this] { Button1Click(); }); });

  Button2 = new QPushButton(QStringLiteral("PDF保存"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(kButtonLeft, kPdfButtonTop, kButtonWidth, kButtonHeight);
  connect(Button2, &QPushButton::clicked, this,
          [this] { RunGuarded(platform_, this, [this] { Button2Click(); }); });

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setGeometry(kDataSheetPicturePlace.left, kDataSheetPicturePlace.top, kPictureWidth,
                      kPictureHeight);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setPixmap(IllustrationPixmap());

  // Created after the picture, so they lie on top of it.
  std::array<QLabel*, 6> labels{};
  for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
    QLabel* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    label->setFont(GothicFont(kLabelFontPixels));
    label->setAutoFillBackground(true);  // opaque: it hides the line art behind its text
    label->move(kDataSheetLabelPlaces[i].left, kDataSheetLabelPlaces[i].top);
    labels[i] = label;
  }
  Label1 = labels[0];
  Label2 = labels[1];
  Label3 = labels[2];
  Label4 = labels[3];
  Label5 = labels[4];
  Label6 = labels[5];

  BuildGrid();
}

void DataSheetDialog::BuildGrid() {
  GridShape shape;
  shape.columns = kDataSheetColumns;
  shape.rows = kDataSheetRows;
  shape.fixedRows = 1;
  shape.fixedColumns = 1;
  for (int width : kDataSheetColumnWidths) shape.columnWidths.push_back(width + kGridLine);
  shape.rowHeight = kDataSheetRowHeight + kGridLine;
  sg1 = MakeStringGrid(this, "sg1", shape, &sg1FocusLeft_);
  sg1->setGeometry(kDataSheetGridPlace.left, kDataSheetGridPlace.top, kDataSheetGridWidth,
                   kDataSheetGridHeight);
  sg1->setFont(GothicFont(kGridFontPixels));
  sg1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  sg1->setLineWidth(kGridBorder);
  sg1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sg1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

std::array<QLabel*, 6> DataSheetDialog::Labels() const {
  return {Label1, Label2, Label3, Label4, Label5, Label6};
}

void DataSheetDialog::ShowSheet(const DataSheet& sheet) {
  Fill(sheet);
  exec();
}

void DataSheetDialog::Fill(const DataSheet& sheet) {
  for (int r = 0; r < kDataSheetRows; ++r)
    for (int c = 0; c < kDataSheetColumns; ++c)
      SetCellText(sg1, r, c, QString::fromStdString(sheet.cells[r][c]));
  const auto labels = Labels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    labels[i]->setText(QString::fromStdString(sheet.labels[i]));
    labels[i]->adjustSize();
  }
}

QImage DataSheetDialog::PageImage() {
  PageMode page(*this);
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  render(&image, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
  return image;
}

void DataSheetDialog::WritePdf(const QString& path) {
  // The page is made in memory and written in one go, so the file is either whole or not
  // touched at all.
  const std::string target = QFile::encodeName(path).toStdString();
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(SheetTitle());
    writer.setCreator(QStringLiteral("coilspring"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                          QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) throw UserError(CannotCreateMessage(target));
    // The same size as on a 96 dpi screen; widgets paint as vectors, so the text stays text.
    painter.scale(writer.logicalDpiX() / kScreenDpi, writer.logicalDpiY() / kScreenDpi);
    PageMode page(*this);
    render(&painter, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
    if (!painter.end()) throw UserError(kWriteErrorMessage);
  }
  WriteFileAtomically(target,
                      std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

QImage DataSheetDialog::RenderPage(const DataSheet& sheet) {
  DataSheetDialog window(DesktopPlatform());
  window.Fill(sheet);
  return window.PageImage();
}

void DataSheetDialog::WritePagePdf(const DataSheet& sheet, const QString& path) {
  DataSheetDialog window(DesktopPlatform());
  window.Fill(sheet);
  window.WritePdf(path);
}

void DataSheetDialog::Button1Click() {
  // The buttons are back before the printer is asked, so they are there whatever it answers.
  const QImage page = PageImage();
  if (const auto failure = platform_.PrintImage(page, SheetTitle(), PagePlacement::ScreenSize))
    throw UserError(failure->toStdString());
  accept();
}

void DataSheetDialog::Button2Click() {
  const auto path = platform_.AskSaveFile(
      this, {QStringLiteral("PDFファイル (*.pdf)"), QStringLiteral("aspring.pdf")});
  if (!path) return;
  WritePdf(*path);
}

}  // namespace coilspring
