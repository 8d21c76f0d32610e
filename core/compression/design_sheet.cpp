#include "core/compression/design_sheet.h"

#include <string_view>

#include "core/compression/illustration.h"
#include "core/compression/spring_calc.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"

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

DataSheet MakeDataSheet(const DesignRecord& design, const MaterialTable& materials,
                        bool leftHanded) {
  DataSheet sheet;
  sheet.illustration = DrawSpringIllustration;
  FillSheetItems(sheet, kItems, ValueTexts(design, materials, leftHanded));
  sheet.labels = SheetLabels(design.FreeLength, design.Length1, design.Length2, design.Load2,
                             design.Load1, design.MeanDiameter);
  return sheet;
}

}  // namespace coilspring
