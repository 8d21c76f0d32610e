#include "core/output/data_sheet.h"

#include <string_view>
#include <utility>

#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {

// The product is formed in extended precision before it is rounded for display.
double InSheetNewtons(double kgfValue) {
  return static_cast<double>(static_cast<long double>(kgfValue) * kSheetNewtonsPerKgf);
}

namespace {

std::string SheetLabelText(std::string_view prefix, double value, std::string_view suffix) {
  std::string text(prefix);
  text += FormatShort(value);
  text += suffix;
  return text;
}

}  // namespace

std::string KindSheetTitle(SpringKind kind) {
  return std::string("要目表（") + InfoOf(kind).japaneseName + "）";
}

DataSheet KindDataSheet(SpringKind kind, const std::array<SheetItem, kDataSheetItems>& items,
                        const SheetValues& values, std::array<std::string, 6> labels,
                        void (*illustration)(Canvas&)) {
  DataSheet sheet;
  FillSheetItems(sheet, items, values);
  sheet.labels = std::move(labels);
  sheet.illustration = illustration;
  sheet.title = KindSheetTitle(kind);
  return sheet;
}

std::array<std::string, 6> SheetLabels(double freeLength, double length1, double length2,
                                       double load2, double load1, double meanDiameter) {
  // The character before "=" in the prefixes is the full-width space U+3000.
  return {
      SheetLabelText("自由長= ", freeLength, "mm"),
      SheetLabelText("Ｌ１\u3000= ", length1, "mm"),
      SheetLabelText("Ｌ２\u3000= ", length2, "mm"),
      SheetLabelText("Ｐ２\u3000= ", InSheetNewtons(load2), "N"),
      SheetLabelText("Ｐ１\u3000= ", InSheetNewtons(load1), "N"),
      SheetLabelText("平均径\u3000= ", meanDiameter, "mm"),
  };
}

void FillSheetItems(DataSheet& sheet, const std::array<SheetItem, kDataSheetItems>& items,
                    const SheetValues& values) {
  sheet.cells[0][1] = " 項目";
  sheet.cells[0][2] = " 単位";
  for (int i = 0; i < kDataSheetItems; ++i) {
    auto& row = sheet.cells[i + 1];
    row[0] = "    " + std::to_string(i + 1);
    row[1] = items[i].name;
    row[2] = items[i].unit;
    row[3] = values[i];
  }
}
}  // namespace coilspring
