// The extension spring's illustration: the line art of its window's input panel and of its data
// sheet, with the places on its dimension lines where the panel puts its boxes.
#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/illustration.h"

namespace coilspring {

namespace extension_illustration {

// The lengths run between the hooks' inner tips; the load line ends in two leaders at the right.
inline constexpr int kInnerLeftX = 26;
inline constexpr int kFreeRightX = 194;
inline constexpr int kLength1X = 214;
inline constexpr int kLength2X = 234;
inline constexpr int kLoadBaseY = 126;  // no load
inline constexpr int kInitialTensionY = 118;
inline constexpr int kLoad2Y = 71;  // beside the P2 label
inline constexpr int kLoad1Y = kInitialTensionY - (kInitialTensionY - kLoad2Y) *
                                                      (kLength1X - kFreeRightX) /
                                                      (kLength2X - kFreeRightX);
inline constexpr int kLeaderRightX = 276;

// Where each box's centre goes: on the length arrows, level with the load leaders beyond their
// ends, across the coil-diameter arrow.
inline constexpr int kLengthBoxX = 120;
inline constexpr int kLoadBoxX = kLeaderRightX + 36;
inline constexpr PixelPoint kFreeLength{kLengthBoxX, illustration::kFreeArrowY};
inline constexpr PixelPoint kLength1{kLengthBoxX, illustration::kLength1ArrowY};
inline constexpr PixelPoint kLength2{kLengthBoxX, illustration::kLength2ArrowY};
inline constexpr PixelPoint kLoad1{kLoadBoxX, kLoad1Y};
inline constexpr PixelPoint kLoad2{kLoadBoxX, kLoad2Y};
inline constexpr PixelPoint kDiameter{illustration::kDiameterArrowX,
                                      (illustration::kCoilTopY + illustration::kCoilBottomY) / 2};

}  // namespace extension_illustration

// A close-wound spring with a round hook at each end, the three lengths measured inside the
// hooks, the load line from the initial tension and the coil diameter: the dimensions sit where
// the sheet places its labels (free length, L1, L2, P2, P1, mean diameter).
void DrawExtensionIllustration(Canvas& canvas);

}  // namespace coilspring
