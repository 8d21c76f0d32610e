// The conical spring's illustration: a cone of coils with the length dimensions, the rising load
// curve and the large end's diameter, led to the data sheet's labels; its window's input panel
// adds the small end's diameter and puts its boxes at the places named here.
#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/illustration.h"
#include "core/output/data_sheet.h"

namespace coilspring {

namespace conical_illustration {

// The coils' small end at the left: its radius in pixels around the coils' middle.
inline constexpr int kSmallRadius = 10;
inline constexpr int kSmallEndY = (illustration::kCoilTopY + illustration::kCoilBottomY) / 2;
inline constexpr int kSmallArrowX = 6;
// The load leaders end just before the middles of the sheet's P2 and P1 labels.
inline constexpr int kLeaderRightX =
    kDataSheetLabelPlaces[3].left - kDataSheetPicturePlace.left - 4;
inline constexpr int kLoad2LeaderY = kDataSheetLabelPlaces[3].top - kDataSheetPicturePlace.top + 8;
inline constexpr int kLoad1LeaderY = kDataSheetLabelPlaces[4].top - kDataSheetPicturePlace.top + 8;

// Where each box's centre goes: on the length arrows, at the load leaders' ends, at the foot of
// the small end's leader and across the large end's arrow.
inline constexpr int kLengthBoxX = 120;
inline constexpr int kLoadBoxX = kLeaderRightX + 34;
inline constexpr PixelPoint kFreeLength{kLengthBoxX, illustration::kFreeArrowY};
inline constexpr PixelPoint kLength1{kLengthBoxX, illustration::kLength1ArrowY};
inline constexpr PixelPoint kLength2{kLengthBoxX, illustration::kLength2ArrowY};
inline constexpr PixelPoint kLoad1{kLoadBoxX, kLoad1LeaderY};
inline constexpr PixelPoint kLoad2{kLoadBoxX, kLoad2LeaderY};
inline constexpr int kSmallBoxLeftX = 40;
inline constexpr PixelPoint kSmallDiameter{kSmallBoxLeftX + 30, 188};
inline constexpr PixelPoint kLargeDiameter{illustration::kDiameterArrowX + 26, kSmallEndY};

}  // namespace conical_illustration

// The sheet's line art.
void DrawConicalIllustration(Canvas& canvas);
// The panel's: the sheet's with the small end's diameter.
void DrawConicalPanelIllustration(Canvas& canvas);

}  // namespace coilspring
