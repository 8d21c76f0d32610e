// A string grid cell shows its fill, and its text only where it has one: an empty heading is
// all button colour, an empty cell all base colour, a cell with a value carries ink.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QTableWidget>
#include <memory>

#include "ui/widgets/string_grid.h"

namespace coilspring::testing {
namespace {

struct CellCase {
  int row, column;
  const char* text;
  QPalette::ColorRole fill;
  bool inked;
};

// Every pixel of the cell inside its grid lines, compared with the fill.
bool AllFill(const QImage& image, const QRect& cell, QColor fill) {
  for (int y = cell.top(); y < cell.bottom(); ++y)
    for (int x = cell.left(); x < cell.right(); ++x)
      if (image.pixelColor(x, y) != fill) return false;
  return true;
}

TEST(StringGridPaint, EmptyCellsAreOnlyFilledAndValuesAreInked) {
  bool unfocused = true;
  auto grid = std::unique_ptr<QTableWidget>(MakeStringGrid(
      nullptr, "grid",
      {.columns = 2, .rows = 2, .fixedRows = 1, .fixedColumns = 0, .columnWidths = {60, 60}},
      &unfocused));
  grid->resize(200, 100);
  const CellCase cases[] = {
      {0, 0, "", QPalette::Button, false},
      {0, 1, "mm", QPalette::Button, true},
      {1, 0, "", QPalette::Base, false},
      {1, 1, "8", QPalette::Base, true},
  };
  for (const CellCase& c : cases) SetCellText(grid.get(), c.row, c.column, c.text);
  const QImage image = grid->viewport()->grab().toImage();
  for (const CellCase& c : cases) {
    const QRect cell = grid->visualRect(grid->model()->index(c.row, c.column));
    EXPECT_EQ(AllFill(image, cell, grid->palette().color(c.fill)), !c.inked)
        << c.row << "," << c.column;
  }
}

}  // namespace
}  // namespace coilspring::testing
