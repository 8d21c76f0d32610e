#include "output/prinform_window.h"

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
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <string_view>

#include "app/file_io.h"
#include "app/handler_guard.h"
#include "app/user_error.h"
#include "drawing/illustration.h"
#include "drawing/qt_canvas.h"

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
constexpr int kCellTextDrop = 2;

constexpr double kScreenDpi = 96;
constexpr double kPdfMarginMm = 10;

QFont GothicFont(int pixels) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(pixels);
  return font;
}

QPixmap IllustrationPixmap() {
  QImage image = QtCanvas::MakeImage(illustration::kWidth, illustration::kHeight);
  QtCanvas canvas(image);
  DrawSpringIllustration(canvas);
  return QPixmap::fromImage(image);
}

// The heading row and the item-number column.
bool IsFixedCell(int row, int column) { return row == 0 || column == 0; }

// The print job's and the PDF's title.
QString SheetTitle() { return QStringLiteral("要目表"); }

}  // namespace

// Paints every cell itself: a flat fill, the text centred and dropped by two pixels, and the
// selection only while the grid has the focus, so a selected cell never reaches paper.
class SheetCellDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void SetSelectionShown(bool shown) { selectionShown_ = shown; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QPalette& palette = option.palette;
    const bool fixed = IsFixedCell(index.row(), index.column());
    QColor fill = palette.color(fixed ? QPalette::Button : QPalette::Base);
    QColor text = palette.color(fixed ? QPalette::ButtonText : QPalette::Text);
    if (!fixed && selectionShown_ && (option.state & QStyle::State_Selected)) {
      fill = palette.color(QPalette::Highlight);
      text = palette.color(QPalette::HighlightedText);
    }
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setClipRect(option.rect);
    painter->setPen(text);
    painter->setFont(option.font);
    painter->drawText(option.rect.translated(0, kCellTextDrop),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }

 private:
  bool selectionShown_ = true;
};

// While alive, the window looks as it does on paper: no buttons, no selection highlight.
class Tprinform::PageMode {
 public:
  explicit PageMode(Tprinform& window) : window_(window), focused_(window.focusWidget()) {
    window_.Button1->hide();
    window_.Button2->hide();
    SetSelectionShown(false);
  }
  ~PageMode() {
    SetSelectionShown(!window_.sg1FocusLeft_);
    window_.Button1->show();
    window_.Button2->show();
    // Hiding the pressed button moved the focus on; give it back, so Enter presses it again.
    if (focused_ == window_.Button1 || focused_ == window_.Button2) focused_->setFocus();
  }
  PageMode(const PageMode&) = delete;
  PageMode& operator=(const PageMode&) = delete;

 private:
  void SetSelectionShown(bool shown) {
    window_.cellPainter_->SetSelectionShown(shown);
    window_.sg1->viewport()->update();
  }
  Tprinform& window_;
  QWidget* focused_;
};

Tprinform::Tprinform(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
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

void Tprinform::BuildControls() {
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

void Tprinform::BuildGrid() {
  sg1 = new QTableWidget(kDataSheetRows, kDataSheetColumns, this);
  sg1->setObjectName(QStringLiteral("sg1"));
  sg1->setGeometry(kDataSheetGridPlace.left, kDataSheetGridPlace.top, kDataSheetGridWidth,
                   kDataSheetGridHeight);
  sg1->setFont(GothicFont(kGridFontPixels));
  sg1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  sg1->setLineWidth(kGridBorder);
  sg1->horizontalHeader()->hide();
  sg1->verticalHeader()->hide();
  sg1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sg1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sg1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sg1->setSelectionMode(QAbstractItemView::SingleSelection);
  sg1->setSelectionBehavior(QAbstractItemView::SelectItems);
  sg1->setWordWrap(false);
  for (int c = 0; c < kDataSheetColumns; ++c)
    sg1->setColumnWidth(c, kDataSheetColumnWidths[c] + kGridLine);
  for (int r = 0; r < kDataSheetRows; ++r) {
    sg1->setRowHeight(r, kDataSheetRowHeight + kGridLine);
    for (int c = 0; c < kDataSheetColumns; ++c) {
      auto* item = new QTableWidgetItem();
      item->setFlags(IsFixedCell(r, c) ? Qt::ItemIsEnabled
                                       : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      sg1->setItem(r, c, item);
    }
  }
  cellPainter_ = new SheetCellDelegate(sg1);
  sg1->setItemDelegate(cellPainter_);
  sg1->installEventFilter(this);
}

std::array<QLabel*, 6> Tprinform::Labels() const {
  return {Label1, Label2, Label3, Label4, Label5, Label6};
}

void Tprinform::ShowSheet(const DataSheet& sheet) {
  Fill(sheet);
  exec();
}

void Tprinform::Fill(const DataSheet& sheet) {
  for (int r = 0; r < kDataSheetRows; ++r)
    for (int c = 0; c < kDataSheetColumns; ++c)
      sg1->item(r, c)->setText(QString::fromStdString(sheet.cells[r][c]));
  const auto labels = Labels();
  for (std::size_t i = 0; i < labels.size(); ++i) {
    labels[i]->setText(QString::fromStdString(sheet.labels[i]));
    labels[i]->adjustSize();
  }
}

QImage Tprinform::PageImage() {
  PageMode page(*this);
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  render(&image, QPoint(), QRegion(), DrawWindowBackground | DrawChildren);
  return image;
}

void Tprinform::WritePdf(const QString& path) {
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

QImage Tprinform::RenderPage(const DataSheet& sheet) {
  Tprinform window(DesktopPlatform());
  window.Fill(sheet);
  return window.PageImage();
}

void Tprinform::WritePagePdf(const DataSheet& sheet, const QString& path) {
  Tprinform window(DesktopPlatform());
  window.Fill(sheet);
  window.WritePdf(path);
}

void Tprinform::Button1Click() {
  // The buttons are back before the printer is asked, so they are there whatever it answers.
  const QImage page = PageImage();
  if (const auto failure = platform_.PrintImage(page, SheetTitle(), PagePlacement::ScreenSize))
    throw UserError(failure->toStdString());
  accept();
}

void Tprinform::Button2Click() {
  const auto path = platform_.AskSaveFile(
      this, {QStringLiteral("PDFファイル (*.pdf)"), QStringLiteral("aspring.pdf")});
  if (!path) return;
  WritePdf(*path);
}

bool Tprinform::eventFilter(QObject* watched, QEvent* event) {
  if (watched == sg1) {
    if (event->type() == QEvent::FocusIn) sg1Enter();
    if (event->type() == QEvent::FocusOut) sg1Exit();
  }
  return QDialog::eventFilter(watched, event);
}

void Tprinform::sg1Enter() {
  sg1FocusLeft_ = false;
  cellPainter_->SetSelectionShown(true);
  sg1->viewport()->update();
}

void Tprinform::sg1Exit() {
  sg1FocusLeft_ = true;
  cellPainter_->SetSelectionShown(false);
  sg1->viewport()->update();
}

}  // namespace coilspring
