#include "ui/widgets/string_grid.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <algorithm>

#include "ui/widgets/look.h"

namespace coilspring {

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
    painter->fillRect(option.rect, fill);
    // Most cells of a fresh grid are empty: laying out no text still costs a text layout.
    const QString text = index.data().toString();
    if (text.isEmpty()) return;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setPen(ink);
    painter->setFont(grid_->font());
    painter->drawText(option.rect.translated(0, 2),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
  }

  const GridShape& Shape() const { return shape_; }

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

// How a grid's cells are made: the heading rows and columns, and whether the others are edited
// in place. A string grid keeps them in its delegate, other grids as properties.
struct CellRules {
  int fixedRows = 0;
  int fixedColumns = 0;
  bool editable = false;
};

CellRules RulesOf(const QTableWidget* grid) {
  if (const auto* d = dynamic_cast<const CentredCellDelegate*>(grid->itemDelegate()))
    return {d->Shape().fixedRows, d->Shape().fixedColumns, false};
  return {grid->property("fixedRows").toInt(), grid->property("fixedColumns").toInt(),
          grid->property("editableCells").toBool()};
}

}  // namespace

QTableWidget* MakeStringGrid(QWidget* parent, const char* name, const GridShape& shape,
                             bool* unfocusedFlag) {
  // The headers are hidden before the grid has sections for them to measure.
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setRowCount(shape.rows);
  grid->setColumnCount(shape.columns);
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
  // The headings are items that cannot be selected; an empty cell needs none (SetCellText).
  for (int row = 0; row < shape.rows; ++row)
    for (int column = 0; column < shape.columns; ++column)
      if (row < shape.fixedRows || column < shape.fixedColumns)
        SetCellText(grid, row, column, QString());
  return grid;
}

void SetCellText(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (!item) {
    const CellRules rules = RulesOf(grid);
    const bool fixed = row < rules.fixedRows || column < rules.fixedColumns;
    const bool editable = rules.editable;
    // An empty cell of a string grid reads, paints and selects the same without an item: a
    // grid of empty slots costs nothing until it holds something.
    if (text.isEmpty() && !fixed && !editable) return;
    item = new QTableWidgetItem;
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
  // The views are made when the grid first scrolls: before that the fixed cells are in place.
  explicit FrozenCells(QTableWidget* grid) : QObject(grid), grid_(grid) {
    const CellRules rules = RulesOf(grid);
    rows_ = rules.fixedRows;
    columns_ = rules.fixedColumns;
    for (QScrollBar* bar : {grid->horizontalScrollBar(), grid->verticalScrollBar()})
      connect(bar, &QScrollBar::valueChanged, this, &FrozenCells::MakeViews);
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
  void MakeViews() {
    if (top_ != nullptr) return;
    QTableWidget* grid = grid_;
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

}  // namespace coilspring
