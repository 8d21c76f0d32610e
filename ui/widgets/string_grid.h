// The string grid: fixed heading cells, centred owner-painted cells, frozen headings.
#pragma once

#include <QBrush>
#include <QString>
#include <vector>

class QTableWidget;
class QWidget;

namespace coilspring {

struct GridShape {
  int columns = 0;
  int rows = 0;
  int fixedRows = 0;
  int fixedColumns = 0;
  std::vector<int> columnWidths;
  int rowHeight = 0;  // 0 keeps the default
};

// A read-only string grid whose cells are painted centred, 2 pixels down, with fixed (heading)
// cells in the button colour. While *unfocusedFlag is set, a selected cell is painted like any
// other, so the grid shows no selection it does not have the focus for (and none on paper). The
// grid keeps the flag: set when it loses the focus, cleared when it gets it.
QTableWidget* MakeStringGrid(QWidget* parent, const char* name, const GridShape& shape,
                             bool* unfocusedFlag);
// Sets a cell's text, creating the item with the right flags for a fixed or a normal cell.
void SetCellText(QTableWidget* grid, int row, int column, const QString& text);
// For a grid that Qt paints and edits itself (not a string grid): SetCellText makes its first
// `fixedRows` rows and `fixedColumns` columns headings filled with `headingFill`, which cannot be
// selected or edited, and its other cells editable in place.
void SetEditableGridCells(QTableWidget* grid, int fixedRows, int fixedColumns,
                          const QBrush& headingFill);
QString CellText(const QTableWidget* grid, int row, int column);
// Keeps the grid's fixed rows and columns (those of its GridShape) in place while the other cells
// scroll beneath them, as the headings of a table on paper stay put.
void FreezeFixedCells(QTableWidget* grid);
// Widens a column so that `text` fits it in the grid's font with a margin each side; a column is
// never narrowed, so a wider text shown earlier keeps its room.
void WidenColumnToFit(QTableWidget* grid, int column, const QString& text);

}  // namespace coilspring
