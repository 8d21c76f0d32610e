#include "core/output/grid_clipboard.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "../param_names.h"

namespace coilspring {
namespace {

using Grid = std::vector<std::vector<std::string>>;

// 3 columns x 3 rows, each cell naming itself: "c<column>r<row>".
Grid SmallGrid() {
  Grid g(3, std::vector<std::string>(3));
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) g[r][c] = "c" + std::to_string(c) + "r" + std::to_string(r);
  return g;
}

struct RangeCase {
  const char* what;
  int left, top, right, bottom;
  const char* text;
};

void PrintTo(const RangeCase& c, std::ostream* out) { *out << c.what; }

class GridRange : public testing::TestWithParam<RangeCase> {};

TEST_P(GridRange, GivesTheExactText) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(GridRangeText(SmallGrid(), c.left, c.top, c.right, c.bottom), c.text) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, GridRange,
    testing::Values(
        RangeCase{"whole grid", 0, 0, 2, 2,
                  "c0r0\tc1r0\tc2r0\r\nc0r1\tc1r1\tc2r1\r\nc0r2\tc1r2\tc2r2\r\n"},
        RangeCase{"inner block", 1, 1, 2, 2, "c1r1\tc2r1\r\nc1r2\tc2r2\r\n"},
        RangeCase{"one column, no tab", 1, 0, 1, 2, "c1r0\r\nc1r1\r\nc1r2\r\n"},
        RangeCase{"one cell", 2, 1, 2, 1, "c2r1\r\n"},
        RangeCase{"right beyond the last column is cut", 1, 2, 9, 2, "c1r2\tc2r2\r\n"},
        RangeCase{"bottom beyond the last row is cut", 2, 1, 2, 40, "c2r1\r\nc2r2\r\n"},
        RangeCase{"negative left and top are raised to 0", -5, -1, 0, 1, "c0r0\r\nc0r1\r\n"},
        RangeCase{"left > right", 2, 0, 1, 2, ""}, RangeCase{"bottom < top", 0, 2, 2, 1, ""},
        RangeCase{"right < 0", -3, 0, -1, 2, ""}, RangeCase{"bottom < 0", 0, -3, 2, -1, ""},
        RangeCase{"left at the column count", 3, 0, 5, 2, ""},
        RangeCase{"top at the row count", 0, 3, 2, 5, ""}),
    [](const auto& info) { return test_names::FromText(info.param.what); });

TEST(GridRangeText, CellsAreCopiedAsTheyStand) {
  Grid g{{" a ", "b\tc"}, {"", "line\r\nbreak"}};
  EXPECT_EQ(GridRangeText(g, 0, 0, 1, 1), " a \tb\tc\r\n\tline\r\nbreak\r\n");
}

TEST(GridRangeText, EmptyGridNeverReadsACell) {
  EXPECT_EQ(GridRangeText(Grid{}, -1, -1, 5, 5), "");
  int calls = 0;
  const GridCellText cell = [&calls](int, int) {
    ++calls;
    return std::string("x");
  };
  EXPECT_EQ(GridRangeText(0, 4, cell, -2, 0, 3, 3), "");
  EXPECT_EQ(GridRangeText(4, 0, cell, 0, -2, 3, 3), "");
  EXPECT_EQ(calls, 0);
}

TEST(GridRangeText, EmptyHistoryGridGivesHeadingsAndSlotNumbers) {
  // The history grid after start-up: two heading lines, then 30 rows with only their number.
  Grid g(32, std::vector<std::string>(15));
  for (int c = 0; c < 15; ++c) {
    g[0][c] = "h" + std::to_string(c);
    g[1][c] = "u" + std::to_string(c);
  }
  for (int n = 1; n <= 30; ++n) g[n + 1][0] = std::to_string(n);
  const std::string text = GridRangeText(g, 0, 0, 14, 31);

  std::string expected;
  for (int row = 0; row < 2; ++row) {
    for (int c = 0; c < 15; ++c) {
      expected += (row == 0 ? "h" : "u") + std::to_string(c);
      expected += c < 14 ? "\t" : "\r\n";
    }
  }
  for (int n = 1; n <= 30; ++n) expected += std::to_string(n) + std::string(14, '\t') + "\r\n";
  EXPECT_EQ(text, expected);
}

TEST(GridRangeText, ReadsOnlyTheCellsOfTheRangeInRowOrder) {
  std::vector<std::pair<int, int>> visited;
  const GridCellText cell = [&visited](int column, int row) {
    visited.emplace_back(column, row);
    return std::string();
  };
  GridRangeText(15, 32, cell, 13, 30, 20, 40);
  const std::vector<std::pair<int, int>> expected{{13, 30}, {14, 30}, {13, 31}, {14, 31}};
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace coilspring
