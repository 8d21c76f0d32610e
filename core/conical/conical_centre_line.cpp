#include "core/conical/conical_centre_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "core/conical/conical_shape.h"

namespace coilspring {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// Nodes a quarter turn apart; the pitch changes linearly between them.
constexpr double kNodeAngle = kTwoPi / 4;
// Across the join of end turns and active turns the pitch changes over half a turn.
constexpr double kTransition = kTwoPi / 2;
// The angle a node's pitch is read over, radians.
constexpr double kSlope = 1e-6;

}  // namespace

double ConicalLengthOf(const ConicalDesign& design, SpringState state) {
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

CentreLine ConicalCentreLine(const ConicalDesign& design, double length, bool leftHand) {
  CentreLine line;
  const double d = design.WireDiameter, total = kTwoPi * design.TotalTurns;
  if (std::isfinite(length) && std::isfinite(design.SolidHeight) &&
      length < design.SolidHeight - 1e-9 * design.SolidHeight)
    return line.refusal = CannotModelMessage("素線どうしが重なります"), line;
  const ConicalWire probe = ConicalWireAt(design, length, {});
  if (probe.status != ShapeStatus::Built)
    return line.refusal = CannotModelMessage(probe.status), line;

  // The nodes: every quarter turn, none inside a transition, whose ends are nodes of their own.
  const double endAngle = total / 2 - kTwoPi * design.ActiveTurns / 2;
  const std::array<double, 2> joins = {endAngle, total - endAngle};
  const auto inTransition = [&](double a) {
    return std::ranges::any_of(joins,
                               [a](double j) { return std::fabs(a - j) < kTransition / 2 - 1e-9; });
  };
  std::vector<double> nodes = {0, total};
  for (double a = kNodeAngle; a < total; a += kNodeAngle)
    if (!inTransition(a)) nodes.push_back(a);
  for (const double j : joins)
    for (const double a : {j - kTransition / 2, j + kTransition / 2})
      if (a > 0 && a < total && !inTransition(a)) nodes.push_back(a);
  std::ranges::sort(nodes);
  nodes.erase(
      std::unique(nodes.begin(), nodes.end(), [](double a, double b) { return b - a < 1e-9; }),
      nodes.end());

  // The side view's axial position on either side of each node gives its pitch.
  std::vector<double> probes;
  for (const double a : nodes) {
    probes.push_back(std::max(a - kSlope, 0.0));
    probes.push_back(std::min(a + kSlope, total));
  }
  const ConicalWire wire = ConicalWireAt(design, length, probes);
  const bool ground =
      design.EndKind == EndKind::ClosedGround || design.EndKind == EndKind::OpenGround;
  // Ground: the view's span from d/2 to length − d/2 stretched to run from −d/4 to length + d/4.
  const double stretch = ground ? (length + d / 2) / (length - d) : 1;
  std::vector<double> pitch(nodes.size()), grow(nodes.size());
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const ModelPoint a = wire.points[2 * i], b = wire.points[2 * i + 1];
    const double turns = (probes[2 * i + 1] - probes[2 * i]) / kTwoPi;
    pitch[i] = stretch * (b.x - a.x) / turns;
    grow[i] = (b.y - a.y) / turns;
  }
  line.wire = d;
  double z = ground ? -d / 4 : d / 2, r = design.SmallMean / 2;
  for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
    const double turns = (nodes[i + 1] - nodes[i]) / kTwoPi;
    line.pieces.push_back(
        GrowingHelixPiece(r, grow[i], grow[i + 1], z, pitch[i], pitch[i + 1], nodes[i], turns));
    z += turns * (pitch[i] + pitch[i + 1]) / 2;
    r += turns * (grow[i] + grow[i + 1]) / 2;
  }
  if (ground) {
    line.cutBelow = 0;
    line.cutAbove = length;
  }
  if (leftHand || design.LeftHand) MirrorToLeftHand(line);
  return line;
}

SpringModel SpringModelOf(const ConicalDesign& design, const MaterialTable& materials,
                          SpringState state, bool leftHand) {
  return {ConicalCentreLine(design, ConicalLengthOf(design, state), leftHand),
          ProductName(SpringKind::Conical, materials, design.MaterialNo, design.WireDiameter,
                      design.LargeMean, design.TotalTurns)};
}

}  // namespace coilspring
