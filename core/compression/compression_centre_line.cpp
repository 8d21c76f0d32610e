#include "core/compression/compression_centre_line.h"

#include <numbers>

#include "core/compression/shape_builder.h"

namespace coilspring {

namespace {

// The end turn rises d in the side view; the pitch changes linearly over this many turns
// centred on the join, which rises exactly what the two sides would have risen.
constexpr double kTransitionTurns = 0.5;

}  // namespace

double CompressionLengthOf(const DesignRecord& design, SpringState state) {
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

CentreLine CompressionCentreLine(const DesignRecord& design, double length, bool leftHand) {
  CentreLine line;
  const ShapeInputs in = ShapeInputsOf(design, length);
  const ShapeStatus status = CheckShapeInputs(in);
  if (status != ShapeStatus::Built) return line.refusal = CannotModelMessage(status), line;
  const ShapeDerived v = DeriveShape(in);
  const double d = in.d, R = in.D / 2, p = v.p;
  if (!(in.D > d)) return line.refusal = CannotModelMessage(ShapeStatus::WireFillsCoil), line;
  if (v.bodyTurns < 0) return line.refusal = CannotModelMessage(ShapeStatus::NoBodyLength), line;
  if (!(p >= d)) return line.refusal = CannotModelMessage("素線どうしが重なります"), line;
  line.wire = d;
  const double n = v.bodyTurns;
  if (in.mode == kOpenGroundEnd) {
    // No end turns: the body alone, from the ground face at 0 to the one at the length.
    line.pieces.push_back(HelixPiece(R, R, 0, p, p, 0, n + 0.5));
    line.cutBelow = 0;
    line.cutAbove = length;
  } else {
    // The end turns rise d each beside the body's Lw; a ground end sits a quarter of d below
    // the face it is ground to, as the side view's 1.5·d of ends says.
    const double z0 = in.mode == kClosedGroundEnd ? -d / 4 : d / 2;
    const double half = kTransitionTurns / 2;
    const double endTurns = 1 - half, bodyTurns = n + 0.5 - 2 * half;
    double z = z0, angle = 0;
    const auto add = [&](double p0, double p1, double turns) {
      if (!(turns > 0)) return;
      line.pieces.push_back(HelixPiece(R, R, z, p0, p1, angle, turns));
      z += turns * (p0 + p1) / 2;
      angle += 2 * std::numbers::pi * turns;
    };
    add(d, d, endTurns);
    add(d, p, kTransitionTurns);
    add(p, p, bodyTurns);
    add(p, d, kTransitionTurns);
    add(d, d, endTurns);
    if (in.mode == kClosedGroundEnd) {
      line.cutBelow = 0;
      line.cutAbove = length;
    }
  }
  if (leftHand) MirrorToLeftHand(line);
  return line;
}

SpringModel SpringModelOf(const DesignRecord& design, const MaterialTable& materials,
                          SpringState state, bool leftHand) {
  return {CompressionCentreLine(design, CompressionLengthOf(design, state), leftHand),
          ProductName(SpringKind::Compression, materials, design.MaterialNo, design.WireDiameter,
                      design.MeanDiameter, design.TotalTurns)};
}

}  // namespace coilspring
