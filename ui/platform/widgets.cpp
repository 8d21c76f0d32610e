#include "ui/platform/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLibraryInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>
#include <algorithm>

#include "core/calc/history.h"
#include "core/drawing/illustration.h"
#include "core/text/half_width.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "ui/platform/qt_canvas.h"

namespace coilspring {

QString ShortText(double value) { return Utf8(FormatShort(value)); }
QString FullText(double value) { return Utf8(FormatFull(value)); }

double BoxNumber(const QLineEdit* box) { return ParseDecimal(box->text().toStdString()); }

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

void ApplyApplicationLook(QApplication& app) {
  QApplication::setStyle(QStringLiteral("Fusion"));
  app.setFont(GothicFont(12));
}

bool InstallJapaneseQtTexts(QApplication& app) {
  static QTranslator qtTexts;
  if (!qtTexts.isEmpty()) return true;
  if (!qtTexts.load(QStringLiteral("qtbase_ja"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  return app.installTranslator(&qtTexts);
}

QFont GothicFont(int pixelSize) {
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(pixelSize);
  return font;
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLineEdit* PlaceEdit(QWidget* parent, const char* name, int x, int y, int width,
                     const QString& text) {
  auto* edit = Place<QLineEdit>(parent, name, x, y, width, 21);
  edit->setText(text);
  return edit;
}

QComboBox* PlaceCombo(QWidget* parent, const char* name, int x, int y, int width) {
  auto* combo = Place<QComboBox>(parent, name, x, y, width, 21);
  combo->setEditable(false);
  return combo;
}

QToolButton* PlaceSmallButton(QWidget* parent, const char* name, int x, int y,
                              const QString& hint) {
  auto* button = Place<QToolButton>(parent, name, x, y, 12, 12);
  button->setToolTip(hint);
  button->setArrowType(Qt::RightArrow);
  return button;
}

void ShowListEntries(QComboBox* list, const std::vector<std::string>& entries) {
  bool same = list->count() == static_cast<int>(entries.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->itemText(i) == Utf8(entries[static_cast<std::size_t>(i)]);
  if (!same) {
    list->clear();
    for (const std::string& entry : entries) list->addItem(Utf8(entry));
  }
  // Where a list is filled afresh its first entry is chosen; a list left as it was says the same.
  list->setCurrentIndex(entries.empty() ? -1 : 0);
}

void SetBoxColour(QWidget* box, const QColor& colour) {
  QPalette p = box->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, colour);
    p.setColor(group, QPalette::Button, colour);
  }
  box->setPalette(p);
}

namespace {

class CentredCellDelegate final : public QStyledItemDelegate {
 public:
  CentredCellDelegate(QTableWidget* grid, GridShape shape, const bool* unfocused)
      : QStyledItemDelegate(grid), grid_(grid), shape_(std::move(shape)), unfocused_(unfocused) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QPalette& pal = grid_->palette();
    const bool fixed = index.row() < shape_.fixedRows || index.column() < shape_.fixedColumns;
    QColor fill = fixed ? pal.color(QPalette::Button) : pal.color(QPalette::Base);
    QColor ink = pal.color(fixed ? QPalette::ButtonText : QPalette::Text);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected && !fixed && !*unfocused_) {
      fill = pal.color(QPalette::Active, QPalette::Highlight);
      ink = pal.color(QPalette::Active, QPalette::HighlightedText);
    }
    painter->save();
    painter->fillRect(option.rect, fill);
    painter->setClipRect(option.rect);
    painter->setPen(ink);
    painter->setFont(grid_->font());
    painter->drawText(option.rect.translated(0, 2),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                      index.data().toString());
    painter->restore();
  }

 private:
  QTableWidget* grid_;
  GridShape shape_;
  const bool* unfocused_;
};

class FocusFlagFilter final : public QObject {
 public:
  FocusFlagFilter(QObject* parent, bool* flag) : QObject(parent), flag_(flag) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool in = event->type() == QEvent::FocusIn;
    if (!in && event->type() != QEvent::FocusOut) return false;
    // A grid being destroyed loses its focus too; by then it is no grid any more, and its
    // owner's flag may be gone with it.
    auto* grid = qobject_cast<QAbstractItemView*>(watched);
    if (grid == nullptr) return false;
    *flag_ = !in;
    grid->viewport()->update();
    return false;
  }

 private:
  bool* flag_;
};

}  // namespace

QTableWidget* MakeStringGrid(QWidget* parent, const char* name, const GridShape& shape,
                             bool* unfocusedFlag) {
  auto* grid = new QTableWidget(shape.rows, shape.columns, parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid->setShowGrid(true);
  grid->setWordWrap(false);
  grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  for (std::size_t c = 0; c < shape.columnWidths.size(); ++c)
    grid->setColumnWidth(static_cast<int>(c), shape.columnWidths[c]);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(
      shape.rowHeight > 0 ? shape.rowHeight : grid->fontMetrics().height() + 8);
  grid->setItemDelegate(new CentredCellDelegate(grid, shape, unfocusedFlag));
  grid->installEventFilter(new FocusFlagFilter(grid, unfocusedFlag));
  grid->setProperty("fixedRows", shape.fixedRows);
  grid->setProperty("fixedColumns", shape.fixedColumns);
  for (int row = 0; row < shape.rows; ++row)
    for (int column = 0; column < shape.columns; ++column)
      SetCellText(grid, row, column, QString());
  return grid;
}

void SetCellText(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    const bool fixed = row < grid->property("fixedRows").toInt() ||
                       column < grid->property("fixedColumns").toInt();
    const bool editable = grid->property("editableCells").toBool();
    if (fixed) {
      item->setFlags(Qt::ItemIsEnabled);
      // A string grid paints its headings itself; Qt's own painting needs the fill on the item.
      if (editable) item->setBackground(grid->property("headingFill").value<QBrush>());
    } else if (!editable) {
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    grid->setItem(row, column, item);
  }
  item->setText(text);
}

void SetEditableGridCells(QTableWidget* grid, int fixedRows, int fixedColumns,
                          const QBrush& headingFill) {
  grid->setProperty("fixedRows", fixedRows);
  grid->setProperty("fixedColumns", fixedColumns);
  grid->setProperty("editableCells", true);
  grid->setProperty("headingFill", headingFill);
}

QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item ? item->text() : QString();
}

namespace {

// Three views over the grid's own model lie on top of it: the fixed rows (scrolling sideways
// with the grid), the fixed columns (scrolling up and down with it) and their corner (never
// scrolling). They paint with the grid's delegate, so they look exactly like the cells beneath.
class FrozenCells final : public QObject {
 public:
  explicit FrozenCells(QTableWidget* grid) : QObject(grid), grid_(grid) {
    rows_ = grid->property("fixedRows").toInt();
    columns_ = grid->property("fixedColumns").toInt();
    top_ = MakeView();
    left_ = MakeView();
    corner_ = MakeView();
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, top_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, left_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int width) {
              for (QTableView* v : {top_, left_, corner_}) v->setColumnWidth(column, width);
              Place();
            });
    connect(grid->verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int row, int, int height) {
              for (QTableView* v : {top_, left_, corner_}) v->setRowHeight(row, height);
              Place();
            });
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    Place();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Wheel && watched != grid_->viewport()) {
      // The frozen cells scroll nothing of their own: the wheel moves the grid beneath.
      QCoreApplication::sendEvent(grid_->viewport(), event);
      return true;
    }
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) Place();
    return false;
  }

 private:
  QTableView* MakeView() {
    auto* view = new QTableView(grid_);
    view->setModel(grid_->model());
    view->setItemDelegate(grid_->itemDelegate());
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->setFrameStyle(QFrame::NoFrame);
    view->setFocusPolicy(Qt::NoFocus);
    view->setSelectionMode(QAbstractItemView::NoSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setHorizontalScrollMode(grid_->horizontalScrollMode());
    view->setVerticalScrollMode(grid_->verticalScrollMode());
    view->setShowGrid(grid_->showGrid());
    view->setWordWrap(false);
    view->setCursor(grid_->cursor());
    view->verticalHeader()->setMinimumSectionSize(1);
    view->verticalHeader()->setDefaultSectionSize(grid_->verticalHeader()->defaultSectionSize());
    for (int c = 0; c < grid_->columnCount(); ++c) view->setColumnWidth(c, grid_->columnWidth(c));
    view->viewport()->installEventFilter(this);
    return view;
  }

  void Place() {
    const QRect area = grid_->viewport()->geometry();
    const int height = std::min(grid_->verticalHeader()->sectionPosition(rows_), area.height());
    const int width = std::min(grid_->horizontalHeader()->sectionPosition(columns_), area.width());
    top_->setGeometry(area.x(), area.y(), area.width(), height);
    left_->setGeometry(area.x(), area.y(), width, area.height());
    corner_->setGeometry(area.x(), area.y(), width, height);
    top_->setVisible(rows_ > 0);
    left_->setVisible(columns_ > 0);
    corner_->setVisible(rows_ > 0 && columns_ > 0);
    corner_->raise();
    top_->horizontalScrollBar()->setValue(grid_->horizontalScrollBar()->value());
    left_->verticalScrollBar()->setValue(grid_->verticalScrollBar()->value());
  }

  QTableWidget* grid_;
  int rows_ = 0;
  int columns_ = 0;
  QTableView* top_ = nullptr;
  QTableView* left_ = nullptr;
  QTableView* corner_ = nullptr;
};

constexpr int kCellMargin = 4;

}  // namespace

void FreezeFixedCells(QTableWidget* grid) { new FrozenCells(grid); }

void WidenColumnToFit(QTableWidget* grid, int column, const QString& text) {
  const int needed = grid->fontMetrics().horizontalAdvance(text) + 2 * kCellMargin + 1;
  if (grid->columnWidth(column) < needed) grid->setColumnWidth(column, needed);
}

IllustrationView::IllustrationView(QWidget* parent, const char* name, const QRect& place)
    : QWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(place);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void IllustrationView::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    // Pixels (the screen, or a picture of the window) come from the image; a printer, a PDF
    // page or a recording for them get the lines.
    if (painter.paintEngine()->type() == QPaintEngine::Raster) {
      const qreal ratio = devicePixelRatioF();
      if (onScreen_.isNull() || onScreen_.devicePixelRatio() != ratio) {
        onScreen_ = QtCanvas::MakeImage(width(), height(), ratio);
        QtCanvas canvas(onScreen_);
        DrawSpringIllustration(canvas);
      }
      painter.drawImage(0, 0, onScreen_);
      return;
    }
  }
  QtCanvas canvas(*this, {illustration::kWidth, illustration::kHeight});
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, width(), height());
  DrawSpringIllustration(canvas);
}

qreal ScreenPixelRatio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1; }

PictureView::PictureView(QWidget* parent, const char* name, int x, int y, const QImage& image)
    : QWidget(parent), image_(image) {
  setObjectName(QString::fromLatin1(name));
  setGeometry(QRect(QPoint(x, y), QtCanvas::LogicalSize(image)));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

namespace {
// Every character HalfWidthText replaces is one UTF-16 unit before and after, so the cursor
// keeps its place.
QString HalfWidth(const QString& text) { return Utf8(HalfWidthText(text.toStdString())); }
}  // namespace

QValidator::State HalfWidthSpinBox::validate(QString& input, int& pos) const {
  input = HalfWidth(input);
  return QSpinBox::validate(input, pos);
}

int HalfWidthSpinBox::valueFromText(const QString& text) const {
  return QSpinBox::valueFromText(HalfWidth(text));
}

QTableWidget* MakeHistoryGrid(QWidget* parent, bool* unfocusedFlag) {
  GridShape shape;
  shape.columns = kHistoryColumns;
  shape.rows = 12;  // the form's own value; start-up gives it its 32 rows
  shape.fixedRows = kHistoryHeadingRows;
  shape.fixedColumns = 1;
  shape.columnWidths.assign(kHistoryColumnWidths.begin(), kHistoryColumnWidths.end());
  QTableWidget* grid = MakeStringGrid(parent, "sg1", shape, unfocusedFlag);
  grid->setGeometry(5, 16, 785, 193);
  grid->setCursor(Qt::PointingHandCursor);
  FreezeFixedCells(grid);
  return grid;
}

}  // namespace coilspring
