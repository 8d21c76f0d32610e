// The history: the grid of stored designs on the first page, storing the current design into a
// slot and recalling a slot by its number or by a click on its row.
#include "core/display/history.h"

#include <QSpinBox>
#include <QTableWidget>

#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

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

}  // namespace

void MainWindow::BuildHistoryPage() {
  historyGrid_ = MakeHistoryGrid(historyPage_, &historyGridUnfocused_);
  ConnectGuarded(platform_, this, historyGrid_, &QTableWidget::cellClicked,
                 &MainWindow::RecallHistoryRow);
}

void MainWindow::FillHistoryGrid() {
  for (int column = 0; column < kHistoryColumns; ++column) {
    for (int row = 0; row < 2; ++row) {
      const QString heading = row == 0 ? Utf8(kHistoryItemHeadings[column])
                                       : Utf8(ShownUnit(kHistoryUnitHeadings[column], units_));
      SetCellText(historyGrid_, row, column, heading);
      WidenColumnToFit(historyGrid_, column, heading);
    }
  }
  for (int n = 1; n <= kHistorySlots; ++n) {
    SetCellText(historyGrid_, HistoryRowOfSlot(n), 0, QString::number(n));
    WidenColumnToFit(historyGrid_, 0, QString::number(n));
    ShowHistoryRow(n);
  }
}

void MainWindow::ShowHistoryRow(int slot) {
  const auto texts = HistoryRowTexts(ShownRecord(state_.design[slot], units_), state_.materials);
  for (int column = 1; column < kHistoryColumns; ++column) {
    const QString text = Utf8(texts[column - 1]);
    SetCellText(historyGrid_, HistoryRowOfSlot(slot), column, text);
    WidenColumnToFit(historyGrid_, column, text);
  }
}

int MainWindow::ChosenHistorySlot() const {
  return HistorySlotFromText(historySlotSpin_->cleanText().toStdString());
}

void MainWindow::StoreInHistory() {
  const int n = ChosenHistorySlot();
  state_.current().InUse = 1;
  CopyDesignRecord(state_.design, 0, n);
  ShowHistoryRow(n);
}

void MainWindow::RecallFromHistory() {
  const int n = ChosenHistorySlot();
  if (state_.design[n].InUse == 0) return;
  CopyDesignRecord(state_.design, n, 0);
  ShowDesign();
}

void MainWindow::RecallHistoryRow(int row, int column) {
  if (row < kHistoryHeadingRows || row >= kHistoryRows || column < 1) return;
  const int n = HistorySlotOfRow(row);
  if (state_.design[n].InUse != 1) return;
  CopyDesignRecord(state_.design, n, 0);
  ShowDesign();
}

}  // namespace coilspring
