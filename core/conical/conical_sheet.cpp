#include "core/conical/conical_sheet.h"

#include <cmath>

#include "core/calc/allowable_stress.h"
#include "core/compression/spring_calc.h"
#include "core/drawing/illustration.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {

namespace {

using namespace illustration;

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

constexpr int kOvershoot = 4;
constexpr int kLabelHalfHeight = 8;  // of the sheet's labels, in pixels
constexpr int kLeaderGap = 4;        // between a leader's end and its label
constexpr int kSegmentsPerTurn = 24;
constexpr int kTurns = 8;
constexpr int kSmallRadius = 10;  // pixels, at the left end

// The coils as loops leaning to the right, their radius growing from the left end to the right.
void Coils(Canvas& c) {
  constexpr double pi = 3.14159265358979;
  const double large = (kCoilBottomY - kCoilTopY) / 2.0;
  const double centreY = (kCoilTopY + kCoilBottomY) / 2.0;
  const double left = kLeftX + 1;
  const double pitch = (kFreeRightX - 1 - left) / kTurns;
  const int steps = kTurns * kSegmentsPerTurn;
  for (int i = 0; i <= steps; ++i) {
    const double t = 2 * pi * i / kSegmentsPerTurn;
    const double radius = kSmallRadius + (large - kSmallRadius) * i / steps;
    const int x = static_cast<int>(
        std::lround(left + pitch * i / kSegmentsPerTurn + 0.28 * radius * std::sin(t)));
    const int y = static_cast<int>(std::lround(centreY - radius * std::cos(t)));
    if (i == 0)
      c.MoveTo(x, y);
    else
      c.LineTo(x, y);
  }
}

// The lengths as on every sheet; the load rises from the free length to P2 at L2, steeper as the
// coils close.
void Dimensions(Canvas& c) {
  const int plateTop = kCoilTopY - 6;
  Line(c, kLeftX, plateTop, kLeftX, kFreeArrowY - kOvershoot);
  Line(c, kFreeRightX, plateTop, kFreeRightX, kFreeArrowY - kOvershoot);
  Line(c, kLength1X, plateTop, kLength1X, kLength1ArrowY - kOvershoot);
  HorizontalDimension(c, kLeftX, kFreeRightX, kFreeArrowY);
  HorizontalDimension(c, kLeftX, kLength1X, kLength1ArrowY);
  HorizontalDimension(c, kLeftX, kLength2X, kLength2ArrowY);
  Line(c, kLength2X, kLoadTopY, kFreeRightX, kLoadTopY);
  Line(c, kLength2X, kLoadTopY, kLength2X, kLoadBottomY);
  Line(c, kLength2X, kLoadBottomY, kFreeRightX, kLoadBottomY);
  constexpr int kCurveSteps = 12;
  c.MoveTo(kFreeRightX, kLoadBottomY);
  for (int i = 1; i <= kCurveSteps; ++i) {
    const double s = static_cast<double>(i) / kCurveSteps;
    c.LineTo(static_cast<int>(std::lround(kFreeRightX - s * (kFreeRightX - kLength2X))),
             static_cast<int>(std::lround(kLoadBottomY - s * s * (kLoadBottomY - kLoadTopY))));
  }
  // The leaders run from the curve at L2 (its top) and at L1 to the middles of the P2 and P1
  // labels at the right.
  const double s1 = static_cast<double>(kFreeRightX - kLength1X) / (kFreeRightX - kLength2X);
  const int load1Y =
      static_cast<int>(std::lround(kLoadBottomY - s1 * s1 * (kLoadBottomY - kLoadTopY)));
  const int labelsX = kDataSheetLabelPlaces[3].left - kDataSheetPicturePlace.left;
  const auto labelMiddle = [](int label) {
    return kDataSheetLabelPlaces[label].top - kDataSheetPicturePlace.top + kLabelHalfHeight;
  };
  Line(c, kFreeRightX, kLoadTopY, labelsX - kLeaderGap, labelMiddle(3));
  Line(c, kLength1X, load1Y, labelsX - kLeaderGap, labelMiddle(4));
  const int from = kFreeRightX + 6, to = kDiameterArrowX + 6;
  Line(c, from, kCoilTopY, to, kCoilTopY);
  Line(c, from, kCoilBottomY, to, kCoilBottomY);
  VerticalDimension(c, kDiameterArrowX, kCoilTopY, kCoilBottomY);
}

}  // namespace

void DrawConicalIllustration(Canvas& canvas) {
  DrawLineArt(canvas, [](Canvas& c) {
    Coils(c);
    Dimensions(c);
  });
}

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
