#include "core/extension/extension_sheet.h"

#include "core/calc/allowable_stress.h"
#include "core/extension/extension_calc.h"
#include "core/extension/extension_illustration.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {

namespace {

// Item names and units; the leading blank of each is part of the sheet's layout.
constexpr std::array<SheetItem, kDataSheetItems> kItems{{
    {" 材質", ""},
    {" 材料の直径", " mm"},
    {" コイル平均径", " mm"},
    {" コイル外径", " mm"},
    {" 総巻数", ""},
    {" 巻方向", ""},
    {" 自由長さ", " mm"},
    {" 初張力", " N"},
    {" ばね定数", " N/mm"},
    {" 指定長さ１", " mm"},
    {" 指定長さ１の荷重", " N"},
    {" 指定長さ２", " mm"},
    {" 指定長さ２の荷重", " N"},
    {" フック形状", ""},
    {" 最大許容引張長さ", " mm"},
}};

}  // namespace

DataSheet MakeExtensionDataSheet(const ExtensionDesign& r, const MaterialTable& materials,
                                 bool leftHanded) {
  const SheetValues values = {
      SjisToUtf8(MaterialOf(materials, r.MaterialNo).Symbol.Raw()),
      FormatFull(r.WireDiameter),
      FormatFull(r.MeanDiameter),
      FormatFull(r.OuterDiameter),
      FormatFull(r.TotalTurns),
      leftHanded ? "左" : "右",
      FormatShort(r.FreeLength),
      FormatShort(InSheetNewtons(r.InitialTension)),
      FormatShort(r.SpringRate * kKgfForRate),
      FormatShort(r.Length1),
      FormatShort(InSheetNewtons(r.Load1)),
      FormatShort(r.Length2),
      FormatShort(InSheetNewtons(r.Load2)),
      HookKindName(r.HookKind),
      FormatShort(r.MaxLength),
  };
  return KindDataSheet(
      SpringKind::Extension, kItems, values,
      SheetLabels(r.FreeLength, r.Length1, r.Length2, r.Load2, r.Load1, r.MeanDiameter),
      DrawExtensionIllustration);
}

}  // namespace coilspring
