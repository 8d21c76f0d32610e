// The torsion spring's illustration: the coil seen along its axis with its two legs, the working
// angles of the loaded leg, the leg lengths and the coil diameter, with the places on those
// dimensions where its window's input panel puts its boxes and its data sheet its values.
#pragma once

#include "core/drawing/canvas.h"
#include "core/drawing/illustration.h"

namespace coilspring {

namespace torsion_illustration {

// The coil's centre and radii (the wire between the inner and the outer circle).
inline constexpr int kCentreX = 120;
inline constexpr int kCentreY = 100;
inline constexpr int kOuterRadius = 28;
inline constexpr int kInnerRadius = 22;
// Leg 1 is held and leaves the bottom of the coil to the left; leg 2 leaves its top to the
// right and turns clockwise by θ1 and θ2 (drawn at 30° and 60°).
inline constexpr int kLeg1EndX = 14;
inline constexpr int kLeg2EndX = 340;
inline constexpr int kDrawnAngle1 = 30;
inline constexpr int kDrawnAngle2 = 60;
inline constexpr int kAngle1Radius = 150;
inline constexpr int kAngle2Radius = 85;
// Dimension lines: leg 1 under it, leg 2 over it, the coil diameter left of the coil.
inline constexpr int kLeg1ArrowY = 150;
inline constexpr int kLeg2ArrowY = 40;
inline constexpr int kDiameterArrowX = 50;

// Where each box's centre goes: on the leg dimensions, on the angle arcs (θ1 at 22°, θ2 at 20°,
// where their boxes and captions clear each other and the coil), across the diameter arrow. θ1
// and θ2 hold the moments instead when moments are entered.
inline constexpr PixelPoint kLeg1{(kLeg1EndX + kCentreX) / 2, kLeg1ArrowY};
inline constexpr PixelPoint kLeg2{260, kLeg2ArrowY};
inline constexpr PixelPoint kPoint1{kCentreX + 139, kCentreY + 56};
inline constexpr PixelPoint kPoint2{kCentreX + 80, kCentreY + 29};
inline constexpr PixelPoint kDiameter{kDiameterArrowX, kCentreY};

}  // namespace torsion_illustration

// Clears the picture to white and draws the coil, its legs and their dimensions in blue.
void DrawTorsionIllustration(Canvas& canvas);

}  // namespace coilspring
