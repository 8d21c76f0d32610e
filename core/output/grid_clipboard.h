// The text that "全データーコピー" puts on the clipboard: a rectangular range of a grid's cells,
// tab-separated, every row ending in CR LF.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace coilspring {

// Text of the cell in `column`, `row` (both counted from 0, always inside the grid).
using GridCellText = std::function<std::string(int column, int row)>;

// Text of the cells from (left, top) to (right, bottom), bounds inclusive. A range that lies
// wholly outside the grid, or is reversed, gives the empty text; a range that sticks out is cut
// at the grid's edges. Cells are copied as they stand: no quoting, no trimming.
std::string GridRangeText(int columnCount, int rowCount, const GridCellText& cell, int left,
                          int top, int right, int bottom);

// The same for a grid held as rows of cell texts; the first row's length is the column count
// and a missing cell reads as empty.
std::string GridRangeText(const std::vector<std::vector<std::string>>& rows, int left, int top,
                          int right, int bottom);

}  // namespace coilspring
