#include "core/output/data_sheet.h"

#include <string_view>

#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/calc/spring_calc.h"

namespace coilspring {
namespace {

enum class Format { Text, Full, Short };

// Item names and units, rows 1..15; the leading blank of each is part of the sheet's layout.
constexpr std::array<SheetItem, kDataSheetItems> kItems{{
    {" 材質", ""},
    {" 材料の直径", " mm"},
    {" コイル平均径", " mm"},
    {" コイル外径", " mm"},
    {" 総巻数", ""},
    {" 有効巻数", ""},
    {" 巻方向", ""},
    {" 指定荷重１", " N"},
    {" 指定高さ１", " mm"},
    {" 応力１", " N/mm^2"},
    {" 指定荷重２", " N"},
    {" 指定高さ２", " mm"},
    {" 応力２", " N/mm^2"},
    {" 密着高さ", " mm"},
    {" コイル端の形状", ""},
}};

std::string SymbolText(const MaterialTable& materials, std::int32_t materialNo) {
  return SjisToUtf8(MaterialOf(materials, materialNo).Symbol.Raw());
}

SheetValues ValueTexts(const DesignRecord& r, const MaterialTable& materials, bool leftHanded) {
  return {
      SymbolText(materials, r.MaterialNo),
      FormatFull(r.WireDiameter),
      FormatFull(r.MeanDiameter),
      FormatFull(r.OuterDiameter),
      FormatFull(r.TotalTurns),
      FormatFull(r.ActiveTurns),
      leftHanded ? "左" : "右",
      FormatShort(InSheetNewtons(r.Load1)),
      FormatShort(r.Length1),
      FormatShort(InSheetNewtons(r.Stress1)),
      FormatShort(InSheetNewtons(r.Load2)),
      FormatShort(r.Length2),
      FormatShort(InSheetNewtons(r.Stress2)),
      FormatShort(r.SolidHeight),
      EndKindName(r.EndKind),
  };
}

}  // namespace

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

DataSheet MakeDataSheet(const DesignRecord& design, const MaterialTable& materials,
                        bool leftHanded) {
  DataSheet sheet;
  FillSheetItems(sheet, kItems, ValueTexts(design, materials, leftHanded));
  sheet.labels = SheetLabels(design.FreeLength, design.Length1, design.Length2, design.Load2,
                             design.Load1, design.MeanDiameter);
  return sheet;
}

}  // namespace coilspring
