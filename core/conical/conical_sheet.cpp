#include "core/conical/conical_sheet.h"

#include "core/calc/allowable_stress.h"
#include "core/compression/spring_calc.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {

namespace {

// Item names and units; the leading blank of each is part of the sheet's layout.
constexpr std::array<SheetItem, kDataSheetItems> kItems{{
    {" 材質", ""},
    {" 材料の直径", " mm"},
    {" 小端のコイル平均径", " mm"},
    {" 大端のコイル平均径", " mm"},
    {" 総巻数", ""},
    {" 有効巻数", ""},
    {" 巻方向", ""},
    {" 自由長さ", " mm"},
    {" 初期ばね定数", " N/mm"},
    {" 指定長さ１", " mm"},
    {" 指定長さ１の荷重", " N"},
    {" 指定長さ２", " mm"},
    {" 指定長さ２の荷重", " N"},
    {" 密着高さ", " mm"},
    {" 座巻き", ""},
}};

}  // namespace

DataSheet MakeConicalDataSheet(const ConicalDesign& r, const MaterialTable& materials,
                               bool leftHanded) {
  const SheetValues values = {
      SjisToUtf8(MaterialOf(materials, r.MaterialNo).Symbol.Raw()),
      FormatFull(r.WireDiameter),
      FormatFull(r.SmallMean),
      FormatFull(r.LargeMean),
      FormatFull(r.TotalTurns),
      FormatFull(r.ActiveTurns),
      leftHanded || r.LeftHand ? "左" : "右",
      FormatShort(r.FreeLength),
      FormatShort(r.InitialRate * kKgfForRate),
      FormatShort(r.Length1),
      FormatShort(InSheetNewtons(r.Load1)),
      FormatShort(r.Length2),
      FormatShort(InSheetNewtons(r.Load2)),
      FormatShort(r.SolidHeight),
      EndKindName(r.EndKind),
  };
  return KindDataSheet(
      SpringKind::Conical, kItems, values,
      SheetLabels(r.FreeLength, r.Length1, r.Length2, r.Load2, r.Load1, r.LargeMean),
      DrawConicalIllustration);
}

}  // namespace coilspring
