#include "core/extension/extension_centre_line.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/extension/extension_shape.h"

namespace coilspring {

namespace {

constexpr double kPi = std::numbers::pi;

// One hook leaving `from` along `tangent`, its loop bending toward `up`, away from the body;
// its inner height is h, so its wire reaches h + d beyond the end turn's centre.
void AddHook(std::vector<CentrePiece>& out, HookKind kind, Point3 from, Point3 tangent, Point3 up,
             double h, double d) {
  const auto arc = [&](Point3 t, Point3 n, double radius, double sweep) {
    out.push_back(ArcPiece(from, t, n, radius, sweep));
    from = PointAt(out.back(), 1);
  };
  const auto line = [&](Point3 direction, double length) {
    if (!(length > 0)) return;
    out.push_back(LinePiece(from, from + length * direction));
    from = out.back().to;
  };
  switch (kind) {
    case HookKind::HalfRound:
      arc(tangent, up, (h + d) / 2, kPi);
      break;
    case HookKind::U: {
      const double rho = h * kUHookBendShare + d / 2;
      const double leg = h + d - 2 * rho;
      arc(tangent, up, rho, kPi / 2);
      line(up, leg);
      arc(up, -1.0 * tangent, rho, kPi);
      // Down to one wire above the end turn, so the leg's end stays clear of it.
      line(-1.0 * up, rho + leg - d);
      break;
    }
    default: {
      // The loop stops where its end stands one wire above the end turn.
      const double rho = (h + d) / 2;
      arc(tangent, up, rho, 2 * kPi - std::acos(1 - d / rho));
      break;
    }
  }
}

// The unit vector of `z` square to the unit `t`.
Point3 SquareTo(Point3 t, Point3 z) { return Unit(z - Dot(z, t) * t); }

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
  const ExtensionLayout layout = ExtensionLayoutOf(design, length);
  if (layout.status != ShapeStatus::Built)
    return line.refusal = CannotModelMessage(layout.status), line;
  const double d = design.WireDiameter, R = design.MeanDiameter / 2, h = layout.hookHeight;
  line.wire = d;
  // Both ends at the angle 90°, where the turns run along −x: the hooks lie in the plane y = R.
  const double pitch = (layout.bodyLength - d) / layout.bands;
  const CentrePiece body = HelixPiece(R, R, d / 2, pitch, pitch, kPi / 2, layout.bands);
  const Point3 z{0, 0, 1};

  std::vector<CentrePiece> lower;
  const Point3 outward = -1.0 * Unit(DerivativeAt(body, 0));
  AddHook(lower, design.HookKind, PointAt(body, 0), outward, SquareTo(outward, -1.0 * z), h, d);
  for (auto piece = lower.rbegin(); piece != lower.rend(); ++piece)
    line.pieces.push_back(Reversed(*piece));
  line.pieces.push_back(body);
  const Point3 onward = Unit(DerivativeAt(body, 1));
  AddHook(line.pieces, design.HookKind, PointAt(body, 1), onward, SquareTo(onward, z), h, d);
  if (leftHand) MirrorToLeftHand(line);
  return line;
}

SpringModel SpringModelOf(const ExtensionDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand) {
  return {ExtensionCentreLine(design, ExtensionLengthOf(design, state), leftHand),
          ProductName(SpringKind::Extension, materials, design.MaterialNo, design.WireDiameter,
                      design.MeanDiameter, design.TotalTurns)};
}

}  // namespace coilspring
