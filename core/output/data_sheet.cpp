#include "core/output/data_sheet.h"

#include <string_view>

#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/calc/spring_calc.h"

namespace coilspring {
namespace {

enum class Format { Text, Full, Short };

struct ItemRow {
  const char* name;
  const char* unit;  // empty: the unit cell is never written
};

// Item names and units, rows 1..15; the leading blank of each is part of the sheet's layout.
constexpr std::array<ItemRow, kDataSheetRows - 1> kItems{{
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

// The product is formed in extended precision before it is rounded for display.
double InNewtons(double kgfValue) {
  return static_cast<double>(static_cast<long double>(kgfValue) * kSheetNewtonsPerKgf);
}

std::string SymbolText(const MaterialTable& materials, std::int32_t materialNo) {
  return SjisToUtf8(MaterialOf(materials, materialNo).Symbol.Raw());
}

std::array<std::string, kDataSheetRows - 1> ValueTexts(const DesignRecord& r,
                                                       const MaterialTable& materials,
                                                       bool leftHanded) {
  return {
      SymbolText(materials, r.MaterialNo),
      FormatFull(r.WireDiameter),
      FormatFull(r.MeanDiameter),
      FormatFull(r.OuterDiameter),
      FormatFull(r.TotalTurns),
      FormatFull(r.ActiveTurns),
      leftHanded ? "左" : "右",
      FormatShort(InNewtons(r.Load1)),
      FormatShort(r.Length1),
      FormatShort(InNewtons(r.Stress1)),
      FormatShort(InNewtons(r.Load2)),
      FormatShort(r.Length2),
      FormatShort(InNewtons(r.Stress2)),
      FormatShort(r.SolidHeight),
      EndKindName(r.EndKind),
  };
}

std::string LabelText(std::string_view prefix, double value, std::string_view suffix) {
  std::string text(prefix);
  text += FormatShort(value);
  text += suffix;
  return text;
}

}  // namespace

DataSheet MakeDataSheet(const DesignRecord& design, const MaterialTable& materials,
                        bool leftHanded) {
  DataSheet sheet;
  sheet.cells[0][1] = " 項目";
  sheet.cells[0][2] = " 単位";
  const auto values = ValueTexts(design, materials, leftHanded);
  for (int i = 0; i < static_cast<int>(kItems.size()); ++i) {
    auto& row = sheet.cells[i + 1];
    row[0] = "    " + std::to_string(i + 1);
    row[1] = kItems[i].name;
    row[2] = kItems[i].unit;
    row[3] = values[i];
  }
  // The character before "=" in the prefixes is the full-width space U+3000.
  sheet.labels = {
      LabelText("自由長= ", design.FreeLength, "mm"),
      LabelText("Ｌ１\u3000= ", design.Length1, "mm"),
      LabelText("Ｌ２\u3000= ", design.Length2, "mm"),
      LabelText("Ｐ２\u3000= ", InNewtons(design.Load2), "N"),
      LabelText("Ｐ１\u3000= ", InNewtons(design.Load1), "N"),
      LabelText("平均径\u3000= ", design.MeanDiameter, "mm"),
  };
  return sheet;
}

}  // namespace coilspring
