#include "core/extension/extension_sheet.h"

#include "core/calc/allowable_stress.h"
#include "core/drawing/illustration.h"
#include "core/extension/extension_calc.h"
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

// Pixel layout of the line art; the lengths run between the hooks' inner tips.
constexpr int kInnerLeftX = 26;
constexpr int kFreeRightX = 194;
constexpr int kLength1X = 214;
constexpr int kLength2X = 234;
constexpr int kHookDiameter = 36;
constexpr int kBodyLeftX = kInnerLeftX + kHookDiameter - 2;
constexpr int kBodyRightX = kFreeRightX - kHookDiameter + 2;
constexpr int kBodyTurns = 16;
constexpr int kLoadBaseY = 126;  // no load
constexpr int kInitialTensionY = 118;
constexpr int kLoad2Y = 71;  // beside the P2 label
constexpr int kLeaderRightX = 276;

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

void Body(Canvas& c) {
  using namespace illustration;
  const int pitch = (kBodyRightX - kBodyLeftX) / kBodyTurns;
  for (int i = 0; i <= kBodyTurns; ++i) {
    const int x = kBodyLeftX + i * pitch;
    Line(c, x, kCoilTopY, x + pitch / 2, kCoilBottomY);
  }
  Line(c, kBodyLeftX, kCoilTopY, kBodyLeftX + kBodyTurns * pitch, kCoilTopY);
  Line(c, kBodyLeftX + pitch / 2, kCoilBottomY, kBodyLeftX + kBodyTurns * pitch + pitch / 2,
       kCoilBottomY);
}

void Hooks(Canvas& c) {
  using namespace illustration;
  const int middle = (kCoilTopY + kCoilBottomY) / 2;
  const int top = middle - kHookDiameter / 2, bottom = middle + kHookDiameter / 2;
  for (const int left : {kInnerLeftX, kFreeRightX - kHookDiameter}) {
    const int right = left + kHookDiameter;
    // Two half arcs make the whole loop.
    c.Arc(left, top, right, bottom, right, middle, left, middle);
    c.Arc(left, top, right, bottom, left, middle, right, middle);
  }
}

void Dimensions(Canvas& c) {
  using namespace illustration;
  constexpr int kOvershoot = 4;
  const int hookTop = (kCoilTopY + kCoilBottomY) / 2;
  Line(c, kInnerLeftX, hookTop, kInnerLeftX, kFreeArrowY - kOvershoot);
  Line(c, kFreeRightX, hookTop, kFreeRightX, kFreeArrowY - kOvershoot);
  Line(c, kLength1X, kLoadBaseY, kLength1X, kLength1ArrowY - kOvershoot);
  // Up to P2, so that its leader starts on the L2 line as P1's starts on the L1 line.
  Line(c, kLength2X, kLoadBaseY, kLength2X, kLoad2Y - kOvershoot);
  HorizontalDimension(c, kInnerLeftX, kFreeRightX, kFreeArrowY);
  HorizontalDimension(c, kInnerLeftX, kLength1X, kLength1ArrowY);
  HorizontalDimension(c, kInnerLeftX, kLength2X, kLength2ArrowY);
  // Load over length: the initial tension at the free length, rising to P2 at L2.
  const int load1Y = kInitialTensionY - (kInitialTensionY - kLoad2Y) * (kLength1X - kFreeRightX) /
                                            (kLength2X - kFreeRightX);
  Line(c, kFreeRightX, kLoadBaseY, kLength2X, kLoadBaseY);
  Line(c, kFreeRightX, kLoadBaseY, kFreeRightX, kInitialTensionY);
  Line(c, kFreeRightX, kInitialTensionY, kLength2X, kLoad2Y);
  Line(c, kLength2X, kLoad2Y, kLeaderRightX, kLoad2Y);
  Line(c, kLength1X, load1Y, kLeaderRightX, load1Y);
  const int from = kFreeRightX + 6, to = kDiameterArrowX + 6;
  Line(c, from, kCoilTopY, to, kCoilTopY);
  Line(c, from, kCoilBottomY, to, kCoilBottomY);
  VerticalDimension(c, kDiameterArrowX, kCoilTopY, kCoilBottomY);
}

}  // namespace

void DrawExtensionIllustration(Canvas& canvas) {
  illustration::DrawLineArt(canvas, [](Canvas& c) {
    Body(c);
    Hooks(c);
    Dimensions(c);
  });
}

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
