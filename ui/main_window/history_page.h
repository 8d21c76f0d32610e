// The first page "＜計算結果の履歴＞": the grid of the 30 stored designs.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "core/compression/design_record.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"

class QTableWidget;

namespace coilspring {

class HistoryPage final : public QWidget {
  Q_OBJECT

 public:
  explicit HistoryPage(UnitSystem units);

  // The headings and every slot.
  void ShowAll(const SpringDesign& design, const MaterialTable& materials);
  void ShowSlot(int slot, const DesignRecord& r, const MaterialTable& materials);
  void SetUnits(UnitSystem units, const SpringDesign& design, const MaterialTable& materials);
  // Every cell's text, rows of columns, as the grid shows them.
  std::vector<std::vector<std::string>> CellTexts() const;

 signals:
  // The user clicked the row of a history slot (1..30).
  void SlotClicked(int slot);

 private:
  UnitSystem units_;
  bool gridUnfocused_ = false;
  QTableWidget* grid_ = nullptr;  // sg1: history grid
};

}  // namespace coilspring
