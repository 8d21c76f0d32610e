// What the data sheet (要目表) window shows of a design: the texts of its item grid and of the
// six labels on the illustration. The window only places them; every text is made here.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/drawing/canvas.h"
#include "core/drawing/illustration.h"
#include "core/kinds/spring_kinds.h"

namespace coilspring {

inline constexpr int kDataSheetColumns = 4;
inline constexpr int kDataSheetRows = 16;  // the heading row and fifteen items
inline constexpr std::array<int, kDataSheetColumns> kDataSheetColumnWidths{64, 222, 97, 169};
inline constexpr int kDataSheetRowHeight = 30;

// The sheet shows loads and stresses in N and N/mm^2; the design holds kgf and kgf/mm^2.
inline constexpr long double kSheetNewtonsPerKgf = 9.807L;

// Window geometry of the sheet, client pixels at 96 pixels per inch.
struct SheetPlace {
  int left, top;
};
inline constexpr SheetPlace kDataSheetPicturePlace{176, 32};
inline constexpr SheetPlace kDataSheetGridPlace{88, 256};
inline constexpr int kDataSheetGridWidth = 560;
inline constexpr int kDataSheetGridHeight = 500;
// Label1..Label6: free length, L1, L2, P2, P1, mean coil diameter.
inline constexpr std::array<SheetPlace, 6> kDataSheetLabelPlaces{
    {{216, 48}, {216, 80}, {216, 112}, {456, 96}, {456, 128}, {464, 184}}};

inline constexpr int kDataSheetItems = kDataSheetRows - 1;
struct SheetItem {
  const char* name;
  const char* unit;  // empty: the unit cell is never written
};
using SheetValues = std::array<std::string, kDataSheetItems>;

struct DataSheet {
  // cells[row][column], UTF-8. Row 0 is the heading, rows 1..15 the items; column 0 the item
  // number, 1 the item name, 2 the unit, 3 the value.
  std::array<std::array<std::string, kDataSheetColumns>, kDataSheetRows> cells;
  // Label1..Label6 in that order (see kDataSheetLabelPlaces), UTF-8.
  std::array<std::string, 6> labels;
  // The line art under the labels: each kind's sheet names its own.
  void (*illustration)(Canvas&) = nullptr;
  // The title over the page and of its print job and PDF; empty for the compression spring's
  // page, which is "要目表" and shows none.
  std::string title;
};

// The title of the data sheet of a spring kind other than the compression spring, in the pattern
// of the compression spring's "要目表": "要目表（ねじりコイルばね）".
std::string KindSheetTitle(SpringKind kind);

// The data sheet of a kind other than the compression spring: the items with their values, the
// labels, the line art and the kind's title.
DataSheet KindDataSheet(SpringKind kind, const std::array<SheetItem, kDataSheetItems>& items,
                        const SheetValues& values, std::array<std::string, 6> labels,
                        void (*illustration)(Canvas&));

// The heading row and the items with their values.
void FillSheetItems(DataSheet& sheet, const std::array<SheetItem, kDataSheetItems>& items,
                    const SheetValues& values);
// A load or stress in kgf or kgf/mm^2 as the sheet shows it, in N or N/mm^2.
double InSheetNewtons(double kgfValue);
// Label1..Label6 of a spring's free length, working lengths, loads (kgf) and mean diameter.
std::array<std::string, 6> SheetLabels(double freeLength, double length1, double length2,
                                       double load2, double load1, double meanDiameter);

}  // namespace coilspring
