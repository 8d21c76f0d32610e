#include "core/extension/extension_shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/calc/coil_formulas.h"
#include "core/drawing/dxf_writer.h"

namespace coilspring {

namespace {

bool Finite(double v) { return std::isfinite(v); }

// The left hook's path mirrored to the right end face at x = bodyLength.
WirePath MirroredToRight(WirePath path, double bodyLength) {
  for (WirePiece& piece : path) {
    piece.from.x = bodyLength - piece.from.x;
    piece.to.x = bodyLength - piece.to.x;
    piece.centre.x = bodyLength - piece.centre.x;
    piece.startDegrees = 180 - piece.startDegrees;
    piece.sweepDegrees = -piece.sweepDegrees;
  }
  return path;
}

// The U hook's two legs and its bend (two arcs): at most six primitives a hook.
constexpr std::size_t kMaxHookPrimitives = 6;

// No real spring has more; it keeps the primitive count bounded.
constexpr double kMaxBands = kMaxBodyTurns;

// The states a side view compares: free, at L1 and at L2.
std::array<double, 3> StateLengths(const ExtensionDesign& r) {
  return {r.FreeLength, r.Length1, r.Length2};
}

}  // namespace

double HookJoinX(HookKind kind, bool rightEnd, double pitch, double d) {
  // A right-hand band falls from its top to its bottom half a pitch further on, so the first
  // band's top and the last band's bottom are at the end faces.
  const bool fromBottom = kind == HookKind::ReverseRound;
  if (!rightEnd) return d / 2 + (fromBottom ? pitch / 2 : 0);
  return d / 2 + (fromBottom ? pitch / 2 : pitch);
}

WirePath HookCentreLine(HookKind kind, double h, double D, double d, double joinX) {
  const double r = d / 2, R = D / 2;
  const ModelPoint c{-h + R - r, -R};
  const bool fromBottom = kind == HookKind::ReverseRound;
  const double y = fromBottom ? -D : 0;
  WirePath path;
  // A hook shorter than its loop stands inside the first turn: no straight run is left.
  if (c.x < joinX) path.push_back(WirePiece::Straight({joinX, y}, {c.x, y}));
  switch (kind) {
    case HookKind::HalfRound:
      path.push_back(WirePiece::Bend(c, R, 90, 180));
      break;
    case HookKind::U:
      path.push_back(WirePiece::Bend(c, R, 90, 180));
      if (c.x < -r) path.push_back(WirePiece::Straight({c.x, -D}, {-r, -D}));
      break;
    case HookKind::ReverseRound:
      path.push_back(WirePiece::Bend(c, R, 270, -180));
      path.push_back(WirePiece::Bend(c, R, 90, -180));
      break;
    default:
      path.push_back(WirePiece::Bend(c, R, 90, 180));
      path.push_back(WirePiece::Bend(c, R, 270, 180));
      break;
  }
  return path;
}

ExtensionShape BuildExtensionShape(const ExtensionDesign& r, double length) {
  ExtensionShape shape;
  const double d = r.WireDiameter, D = r.MeanDiameter;
  const double closed = SolidHeightOf(r.TotalTurns, d);
  const double bands = std::max(std::nearbyint(r.TotalTurns), 1.0);
  if (!Finite(d) || !Finite(D) || !Finite(r.TotalTurns) || !Finite(r.FreeLength) || !Finite(length))
    return shape;
  if (!(d > 0)) return shape.status = ShapeStatus::NoWire, shape;
  if (!(D > 0)) return shape.status = ShapeStatus::NoCoil, shape;
  if (!(D > d)) return shape.status = ShapeStatus::WireFillsCoil, shape;
  if (bands > kMaxBands) return shape.status = ShapeStatus::TooManyTurns, shape;
  shape.hookHeight = (r.FreeLength - closed) / 2;
  shape.bodyLength = closed + std::max(length - r.FreeLength, 0.0);
  if (!(shape.hookHeight > 0) || !(shape.bodyLength > d))
    return shape.status = ShapeStatus::NoBodyLength, shape;

  // Four primitives a band and at most six a hook: a long spring's list never grows in steps.
  shape.primitives.reserve(4 * static_cast<std::size_t>(bands) + 2 * kMaxHookPrimitives);
  AppendCoilBands(shape.primitives, 0, shape.bodyLength, static_cast<int>(bands), 0, D, d, false);
  const double pitch = (shape.bodyLength - d) / bands;
  for (const bool right : {false, true}) {
    const WirePath hook =
        HookCentreLine(r.HookKind, shape.hookHeight, D, d, HookJoinX(r.HookKind, right, pitch, d));
    shape.hooks[right] = right ? MirroredToRight(hook, shape.bodyLength) : hook;
  }
  for (const WirePath& hook : shape.hooks) AppendWireOutline(shape.primitives, hook, d);
  if (r.LeftHand) {
    ReflectAcross(shape.primitives, -D / 2);
    for (WirePath& hook : shape.hooks) ReflectAcross(hook, -D / 2);
  }
  if (!AllPrimitivesFinite(shape.primitives)) {
    shape.primitives.clear();
    for (WirePath& hook : shape.hooks) hook.clear();
    return shape.status = ShapeStatus::UndefinedPoint, shape;
  }
  shape.frame = FrameAround(shape.primitives, d);
  shape.status = ShapeStatus::Built;
  return shape;
}

void DrawExtensionShape(Canvas& canvas, const ExtensionDesign& design, double length) {
  const ExtensionShape shape = BuildExtensionShape(design, length);
  // Every state is drawn in the frame of the longest one that can be drawn; the body's left end
  // stays put, so the states differ only where the spring does.
  ShapeFrame frame = shape.frame;
  for (const double state : StateLengths(design)) {
    if (!(state > length)) continue;
    const ExtensionShape longer = BuildExtensionShape(design, state);
    if (longer.status == ShapeStatus::Built && longer.frame.L > frame.L) frame = longer.frame;
  }
  DrawShapeFitted(canvas, shape.primitives, frame);
}

std::string ExtensionDxfText(const ExtensionDesign& design, ShapeStatus* status) {
  const std::array<double, 3> lengths = StateLengths(design);
  std::array<DxfStateShape, 3> states;
  for (std::size_t i = 0; i < states.size(); ++i) {
    ExtensionShape shape = BuildExtensionShape(design, lengths[i]);
    if (i == 0 && status) *status = shape.status;
    states[i] = {shape.status == ShapeStatus::Built, std::move(shape.primitives), shape.frame};
  }
  // Each state one coil and a half below the one before.
  return StatesDxfText(std::move(states), 1.5 * (design.MeanDiameter + design.WireDiameter),
                       design.WireDiameter);
}

}  // namespace coilspring
