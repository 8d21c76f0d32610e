#include "core/torsion/torsion_centre_line.h"

#include <cmath>
#include <numbers>

#include "core/calc/coil_formulas.h"
#include "core/torsion/torsion_views.h"

namespace coilspring {

namespace {

constexpr double kDegreesPerTurn = 360;
// The flattening at each end, in turns: the pitch falls linearly to none over it.
constexpr double kFlatTurns = 0.25;

}  // namespace

double TorsionAngleOf(const TorsionDesign& design, SpringState state) {
  switch (state) {
    case SpringState::Load1:
      return design.Angle1;
    case SpringState::Load2:
      return design.Angle2;
    case SpringState::Free:
      break;
  }
  return 0;
}

double WoundTurnsOf(const TorsionDesign& design, double angle) {
  return design.TotalTurns + angle / kDegreesPerTurn;
}

CentreLine TorsionCentreLine(const TorsionDesign& design, double angle, bool leftHand) {
  CentreLine line;
  if (!TorsionDrawable(design) || !std::isfinite(angle))
    return line.refusal = CannotModelMessage(ShapeStatus::NonFiniteInput), line;
  const double d = design.WireDiameter, R = design.MeanDiameter / 2;
  const double turns = WoundTurnsOf(design, angle);
  if (!(turns > 2 * kFlatTurns) || turns > kMaxBodyTurns)
    return line.refusal = CannotModelMessage("巻数が足りません"), line;
  line.wire = d;
  // The wire's centres run from d/2 to the close-wound length less d/2; the flat ends rise half
  // what a turn at the body's pitch would, so that pitch is a little over d.
  const double rise = SolidHeightOf(turns, d) - d;
  const double pitch = rise / (turns - kFlatTurns);
  // Leg 1 leaves the turn at −90° along −x, pointing left as in the end view.
  const double start = -std::numbers::pi / 2;
  const CentrePiece first = HelixPiece(R, R, d / 2, 0, pitch, start, kFlatTurns);
  const CentrePiece body =
      HelixPiece(R, R, PointAt(first, 1).z, pitch, pitch, start + 2 * std::numbers::pi * kFlatTurns,
                 turns - 2 * kFlatTurns);
  const Point3 bodyEnd = PointAt(body, 1);
  const CentrePiece last = HelixPiece(
      R, R, bodyEnd.z, pitch, 0, start + 2 * std::numbers::pi * (turns - kFlatTurns), kFlatTurns);
  const auto legFrom = [R](Point3 at, Point3 direction, double reach) {
    // Straight on from the turn to `reach` from the axis.
    const double length = std::sqrt(reach * reach - R * R);
    return LinePiece(at, at + length * Unit(direction));
  };
  if (design.Leg1 > R)
    line.pieces.push_back(
        Reversed(legFrom(PointAt(first, 0), -1.0 * DerivativeAt(first, 0), design.Leg1)));
  line.pieces.push_back(first);
  if (body.turns > 0) line.pieces.push_back(body);
  line.pieces.push_back(last);
  if (design.Leg2 > R)
    line.pieces.push_back(legFrom(PointAt(last, 1), DerivativeAt(last, 1), design.Leg2));
  if (leftHand || design.LeftHand) MirrorToLeftHand(line);
  return line;
}

SpringModel SpringModelOf(const TorsionDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand) {
  // Wound up to θ2 the coil is as narrow as the end view draws it.
  TorsionDesign shown = design;
  if (state == SpringState::Load2) shown.MeanDiameter = WoundMeanDiameter(design);
  return {TorsionCentreLine(shown, TorsionAngleOf(design, state), leftHand),
          ProductName(SpringKind::Torsion, materials, design.MaterialNo, design.WireDiameter,
                      design.MeanDiameter, design.TotalTurns)};
}

}  // namespace coilspring
