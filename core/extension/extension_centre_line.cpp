#include "core/extension/extension_centre_line.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/extension/extension_shape.h"

namespace coilspring {

namespace {

constexpr double kPi = std::numbers::pi;

// The side view's plane in 3D: its x along the axis (+z), its y across it (+x), the axis on the
// view's line y = −D/2; `offset` moves it along y (the model's y), out of the axial plane.
struct ViewPlane {
  Point3 origin, xAxis{0, 0, 1}, yAxis{1, 0, 0};
  Point3 At(ModelPoint q) const { return origin + q.x * xAxis + q.y * yAxis; }
};

// A drawn hook as the model sweeps it: the body's end turn runs out of the coil into a short
// bend of radius d that turns it along the axis, and the drawn hook's straight run and loop
// follow in the plane beside the axis that bend ends in. A loop that closes on its own run
// stops where its end stands clear of the run, as a wire cannot pass through itself.
void AddHook(std::vector<CentrePiece>& out, const WirePath& drawn, Point3 from, Point3 tangent,
             double outward, double R, double d) {
  if (drawn.empty()) return;
  // The bend from the turn's direction to the axis's.
  const Point3 along{0, 0, outward};
  const double sweep = std::acos(std::clamp(Dot(tangent, along), -1.0, 1.0));
  const Point3 inward = Unit(along - Dot(along, tangent) * tangent);
  out.push_back(ArcPiece(from, tangent, inward, d, sweep));
  const Point3 q = PointAt(out.back(), 1);

  // The drawn run leaves along the view's line through the turn's top (or bottom): the plane's
  // origin puts that line through q.
  const bool run = !drawn.front().IsArc();
  const ModelPoint loopStart = run ? drawn.front().to : drawn.front().from;
  ViewPlane plane;
  plane.origin = {q.x - loopStart.y, q.y, 0};
  // The loop stays where it was drawn while the run reaches it; a hook too short for the bend
  // moves out with it.
  const double shortfall = (q.z - loopStart.x) * outward;
  if (shortfall > 0) plane.origin.z = shortfall * outward;
  const Point3 loop = plane.At(loopStart);
  if (Norm(loop - q) > 0) out.push_back(LinePiece(q, loop));
  for (std::size_t i = run ? 1 : 0; i < drawn.size(); ++i) {
    WirePiece piece = drawn[i];
    const bool closing = i + 1 == drawn.size() && piece.IsArc() &&
                         std::fabs(piece.to.y - loopStart.y) < 1e-9 * R &&
                         std::fabs(piece.to.x - loopStart.x) < 1e-9 * R;
    if (closing) {
      // Ends 1.5 d off the run, so the end face keeps a wire's gap.
      const double gap = std::acos(std::max(1 - 1.5 * d / piece.radius, -1.0));
      piece.sweepDegrees -= std::copysign(gap * kDegreesPerRadian, piece.sweepDegrees);
    }
    out.push_back(PlacedPiece(piece, plane.origin, plane.xAxis, plane.yAxis));
  }
}

}  // namespace

double ExtensionLengthOf(const ExtensionDesign& design, SpringState state) {
  switch (state) {
    case SpringState::Load1:
      return design.Length1;
    case SpringState::Load2:
      return design.Length2;
    case SpringState::Free:
      break;
  }
  return design.FreeLength;
}

CentreLine ExtensionCentreLine(const ExtensionDesign& design, double length, bool leftHand) {
  CentreLine line;
  // The right-hand side view: a left-hand model is its mirror image.
  ExtensionDesign rightHand = design;
  rightHand.LeftHand = false;
  const ExtensionShape shape = BuildExtensionShape(rightHand, length);
  if (shape.status != ShapeStatus::Built)
    return line.refusal = CannotModelMessage(shape.status), line;
  const double d = design.WireDiameter, D = design.MeanDiameter, R = D / 2;
  line.wire = d;
  // The body runs from the left hook's join to its mirror image at the right end, at the drawn
  // bands' pitch; a turn is on the view's top line (y = 0) at angle 0 and on its bottom at π.
  const int bands = static_cast<int>(std::max(std::nearbyint(design.TotalTurns), 1.0));
  const double pitch = (shape.bodyLength - d) / bands;
  const double join = HookJoinX(design.HookKind, false, pitch, d);
  const WirePath& left = shape.hooks[0];
  const double joinY = left.empty() ? 0 : left.front().from.y;
  const double start = joinY < -R ? kPi : 0;
  const double turns = (shape.bodyLength - 2 * join) / pitch;
  const CentrePiece body = HelixPiece(R, R, join, pitch, pitch, start, turns);

  std::vector<CentrePiece> lower;
  AddHook(lower, left, PointAt(body, 0), -1.0 * Unit(DerivativeAt(body, 0)), -1, R, d);
  for (auto piece = lower.rbegin(); piece != lower.rend(); ++piece)
    line.pieces.push_back(Reversed(*piece));
  line.pieces.push_back(body);
  AddHook(line.pieces, shape.hooks[1], PointAt(body, 1), Unit(DerivativeAt(body, 1)), 1, R, d);
  if (leftHand || design.LeftHand) MirrorToLeftHand(line);
  return line;
}

SpringModel SpringModelOf(const ExtensionDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand) {
  return {ExtensionCentreLine(design, ExtensionLengthOf(design, state), leftHand),
          ProductName(SpringKind::Extension, materials, design.MaterialNo, design.WireDiameter,
                      design.MeanDiameter, design.TotalTurns)};
}

}  // namespace coilspring
