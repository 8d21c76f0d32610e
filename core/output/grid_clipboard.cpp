#include "core/output/grid_clipboard.h"

#include <algorithm>

namespace coilspring {

std::string GridRangeText(int columnCount, int rowCount, const GridCellText& cell, int left,
                          int top, int right, int bottom) {
  if (left > right || bottom < top || right < 0 || bottom < 0 || left >= columnCount ||
      top >= rowCount)
    return {};
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, columnCount - 1);
  bottom = std::min(bottom, rowCount - 1);
  // A grid without columns or rows leaves nothing after the cut; never ask for cell -1.
  if (left > right || top > bottom) return {};

  std::string text;
  for (int row = top; row <= bottom; ++row) {
    for (int column = left; column < right; ++column) {
      text += cell(column, row);
      text += '\t';
    }
    text += cell(right, row);
    text += "\r\n";
  }
  return text;
}

std::string GridRangeText(const std::vector<std::vector<std::string>>& rows, int left, int top,
                          int right, int bottom) {
  const int columnCount = rows.empty() ? 0 : static_cast<int>(rows.front().size());
  const auto cell = [&rows](int column, int row) -> std::string {
    const auto& cells = rows[row];
    return column < static_cast<int>(cells.size()) ? cells[column] : std::string();
  };
  return GridRangeText(columnCount, static_cast<int>(rows.size()), cell, left, top, right, bottom);
}

}  // namespace coilspring
