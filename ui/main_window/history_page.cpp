#include "ui/main_window/history_page.h"

#include <QTableWidget>

#include "core/compression/design_units.h"
#include "core/compression/history.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

HistoryPage::HistoryPage(UnitSystem units) : units_(units) {
  setObjectName("TabSheet1");
  GridShape shape;
  shape.columns = kHistoryColumns;
  shape.rows = kHistoryRows;
  shape.fixedRows = kHistoryHeadingRows;
  shape.fixedColumns = 1;
  shape.columnWidths.assign(kHistoryColumnWidths.begin(), kHistoryColumnWidths.end());
  grid_ = MakeStringGrid(this, "sg1", shape, &gridUnfocused_);
  grid_->setGeometry(5, 16, 785, 193);
  grid_->setCursor(Qt::PointingHandCursor);
  FreezeFixedCells(grid_);
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int column) {
    if (row < kHistoryHeadingRows || row >= kHistoryRows || column < 1) return;
    emit SlotClicked(HistorySlotOfRow(row));
  });
}

void HistoryPage::ShowAll(const SpringDesign& design, const MaterialTable& materials) {
  for (int column = 0; column < kHistoryColumns; ++column) {
    for (int row = 0; row < kHistoryHeadingRows; ++row) {
      const QString heading = row == 0 ? Utf8(kHistoryItemHeadings[column])
                                       : Utf8(ShownUnit(kHistoryUnitHeadings[column], units_));
      SetCellText(grid_, row, column, heading);
      WidenColumnToFit(grid_, column, heading);
    }
  }
  for (int n = 1; n <= kHistorySlots; ++n) {
    SetCellText(grid_, HistoryRowOfSlot(n), 0, QString::number(n));
    WidenColumnToFit(grid_, 0, QString::number(n));
    ShowSlot(n, design[n], materials);
  }
}

void HistoryPage::ShowSlot(int slot, const DesignRecord& r, const MaterialTable& materials) {
  const auto texts = HistoryRowTexts(ShownRecord(r, units_), materials);
  for (int column = 1; column < kHistoryColumns; ++column) {
    const QString text = Utf8(texts[column - 1]);
    SetCellText(grid_, HistoryRowOfSlot(slot), column, text);
    WidenColumnToFit(grid_, column, text);
  }
}

void HistoryPage::SetUnits(UnitSystem units, const SpringDesign& design,
                           const MaterialTable& materials) {
  units_ = units;
  ShowAll(design, materials);
}

std::vector<std::vector<std::string>> HistoryPage::CellTexts() const {
  std::vector<std::vector<std::string>> cells(grid_->rowCount());
  for (int row = 0; row < grid_->rowCount(); ++row)
    for (int column = 0; column < grid_->columnCount(); ++column)
      cells[row].push_back(CellText(grid_, row, column).toStdString());
  return cells;
}

}  // namespace coilspring
