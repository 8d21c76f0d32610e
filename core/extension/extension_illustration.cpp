#include "core/extension/extension_illustration.h"

namespace coilspring {

namespace {

using namespace extension_illustration;
using illustration::HorizontalDimension, illustration::Line, illustration::VerticalDimension;
using illustration::kCoilBottomY, illustration::kCoilTopY, illustration::kDiameterArrowX;
using illustration::kFreeArrowY, illustration::kLength1ArrowY, illustration::kLength2ArrowY;

constexpr int kHookDiameter = 36;
constexpr int kBodyLeftX = kInnerLeftX + kHookDiameter - 2;
constexpr int kBodyRightX = kFreeRightX - kHookDiameter + 2;
constexpr int kBodyTurns = 16;

void Body(Canvas& c) {
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
  Line(c, kFreeRightX, kLoadBaseY, kLength2X, kLoadBaseY);
  Line(c, kFreeRightX, kLoadBaseY, kFreeRightX, kInitialTensionY);
  Line(c, kFreeRightX, kInitialTensionY, kLength2X, kLoad2Y);
  Line(c, kLength2X, kLoad2Y, kLeaderRightX, kLoad2Y);
  Line(c, kLength1X, kLoad1Y, kLeaderRightX, kLoad1Y);
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

}  // namespace coilspring
