#include "core/drawing/centre_line.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/calc/allowable_stress.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

// Simpson steps a helix turn is measured in: the length of a turn with a changing pitch or
// radius has no closed form, and this is exact to far below the model's tolerance.
constexpr int kStepsPerTurn = 64;

}  // namespace

Point3 operator+(Point3 a, Point3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Point3 operator-(Point3 a, Point3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point3 operator*(double k, Point3 a) { return {k * a.x, k * a.y, k * a.z}; }
double Dot(Point3 a, Point3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Norm(Point3 a) { return std::sqrt(Dot(a, a)); }
Point3 Unit(Point3 a) { return (1 / Norm(a)) * a; }
Point3 Cross(Point3 a, Point3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Point3 PointAt(const CentrePiece& p, double t) {
  switch (p.kind) {
    case CentrePieceKind::Helix: {
      const double r = p.r0 + p.turns * (p.grow0 * t + (p.grow1 - p.grow0) * t * t / 2);
      const double a = p.start + kTwoPi * p.turns * t;
      const double z = p.z0 + p.turns * (p.pitch0 * t + (p.pitch1 - p.pitch0) * t * t / 2);
      return {r * std::cos(a), r * std::sin(a), z};
    }
    case CentrePieceKind::Line:
      return p.from + t * (p.to - p.from);
    case CentrePieceKind::Arc: {
      const double a = p.start + p.sweep * t;
      return p.centre + p.radius * (std::cos(a) * p.u + std::sin(a) * p.v);
    }
  }
  return {};
}

Point3 DerivativeAt(const CentrePiece& p, double t) {
  switch (p.kind) {
    case CentrePieceKind::Helix: {
      const double r = p.r0 + p.turns * (p.grow0 * t + (p.grow1 - p.grow0) * t * t / 2);
      const double a = p.start + kTwoPi * p.turns * t;
      const double da = kTwoPi * p.turns, dr = p.turns * (p.grow0 + (p.grow1 - p.grow0) * t);
      const double dz = p.turns * (p.pitch0 + (p.pitch1 - p.pitch0) * t);
      return {dr * std::cos(a) - r * da * std::sin(a), dr * std::sin(a) + r * da * std::cos(a), dz};
    }
    case CentrePieceKind::Line:
      return p.to - p.from;
    case CentrePieceKind::Arc: {
      const double a = p.start + p.sweep * t;
      return (p.radius * p.sweep) * (std::cos(a) * p.v - std::sin(a) * p.u);
    }
  }
  return {};
}

CentrePiece HelixPiece(double r0, double r1, double z0, double pitch0, double pitch1, double start,
                       double turns) {
  CentrePiece p;
  p.kind = CentrePieceKind::Helix;
  p.r0 = r0;
  p.r1 = r1;
  p.grow0 = p.grow1 = turns != 0 ? (r1 - r0) / turns : 0;
  p.z0 = z0;
  p.pitch0 = pitch0;
  p.pitch1 = pitch1;
  p.start = start;
  p.turns = turns;
  return p;
}

CentrePiece GrowingHelixPiece(double r0, double grow0, double grow1, double z0, double pitch0,
                              double pitch1, double start, double turns) {
  CentrePiece p =
      HelixPiece(r0, r0 + turns * (grow0 + grow1) / 2, z0, pitch0, pitch1, start, turns);
  p.grow0 = grow0;
  p.grow1 = grow1;
  return p;
}

CentrePiece LinePiece(Point3 from, Point3 to) {
  CentrePiece p;
  p.kind = CentrePieceKind::Line;
  p.from = from;
  p.to = to;
  return p;
}

CentrePiece ArcPiece(Point3 from, Point3 tangent, Point3 inward, double radius, double sweep) {
  CentrePiece p;
  p.kind = CentrePieceKind::Arc;
  p.centre = from + radius * inward;
  p.u = -1.0 * inward;
  p.v = tangent;
  p.radius = radius;
  p.sweep = sweep;
  return p;
}

CentrePiece PlacedPiece(const WirePiece& piece, Point3 origin, Point3 xAxis, Point3 yAxis) {
  const auto place = [&](ModelPoint q) { return origin + q.x * xAxis + q.y * yAxis; };
  if (!piece.IsArc()) return LinePiece(place(piece.from), place(piece.to));
  CentrePiece p;
  p.kind = CentrePieceKind::Arc;
  p.centre = place(piece.centre);
  p.u = xAxis;
  p.v = yAxis;
  p.radius = piece.radius;
  p.start = piece.startDegrees / kDegreesPerRadian;
  p.sweep = piece.sweepDegrees / kDegreesPerRadian;
  return p;
}

CentrePiece Reversed(const CentrePiece& piece) {
  CentrePiece p = piece;
  switch (p.kind) {
    case CentrePieceKind::Line:
      std::swap(p.from, p.to);
      break;
    case CentrePieceKind::Arc:
      p.start += p.sweep;
      p.sweep = -p.sweep;
      break;
    case CentrePieceKind::Helix: {
      // From the far end, turning back and falling.
      const Point3 end = PointAt(piece, 1);
      p.z0 = end.z;
      p.r0 = piece.r1;
      p.r1 = piece.r0;
      p.grow0 = piece.grow1;
      p.grow1 = piece.grow0;
      p.pitch0 = piece.pitch1;
      p.pitch1 = piece.pitch0;
      p.start = piece.start + kTwoPi * piece.turns;
      p.turns = -piece.turns;
      break;
    }
  }
  return p;
}

void MirrorToLeftHand(CentreLine& line) {
  const auto mirror = [](Point3& q) { q.y = -q.y; };
  for (CentrePiece& p : line.pieces) {
    switch (p.kind) {
      case CentrePieceKind::Helix:
        // (r cos a, −r sin a) is the angle −a: the turns run clockwise and rise the same.
        p.start = -p.start;
        p.turns = -p.turns;
        p.pitch0 = -p.pitch0;
        p.pitch1 = -p.pitch1;
        p.grow0 = -p.grow0;
        p.grow1 = -p.grow1;
        break;
      case CentrePieceKind::Line:
        mirror(p.from);
        mirror(p.to);
        break;
      case CentrePieceKind::Arc:
        mirror(p.centre);
        mirror(p.u);
        mirror(p.v);
        break;
    }
  }
}

double TurnsOf(const CentreLine& line) {
  double turns = 0;
  for (const CentrePiece& p : line.pieces)
    if (p.kind == CentrePieceKind::Helix) turns += std::abs(p.turns);
  return turns;
}

double LengthOf(const CentreLine& line) {
  double total = 0;
  for (const CentrePiece& p : line.pieces) {
    switch (p.kind) {
      case CentrePieceKind::Line:
        total += Norm(p.to - p.from);
        break;
      case CentrePieceKind::Arc:
        total += p.radius * std::abs(p.sweep);
        break;
      case CentrePieceKind::Helix: {
        const int steps =
            2 * std::max(1, static_cast<int>(std::ceil(std::abs(p.turns))) * kStepsPerTurn / 2);
        double sum = 0;
        for (int i = 0; i <= steps; ++i) {
          const double w = (i == 0 || i == steps) ? 1 : (i % 2 != 0 ? 4 : 2);
          sum += w * Norm(DerivativeAt(p, static_cast<double>(i) / steps));
        }
        total += sum / (3.0 * steps);
        break;
      }
    }
  }
  return total;
}

std::string ProductName(SpringKind kind, const MaterialTable& materials, std::int32_t materialNo,
                        double d, double D, double totalTurns) {
  const std::string material = SjisToUtf8(MaterialOf(materials, materialNo).Symbol.Raw());
  return std::string(InfoOf(kind).jsonName) + " " + material + " " + FormatShort(d) + " x " +
         FormatShort(D) + " x " + FormatShort(totalTurns);
}

std::string CannotModelMessage(const std::string& reason) {
  return "3Dモデルを作れません: " + reason;
}

std::string CannotModelMessage(ShapeStatus status) {
  return CannotModelMessage(ShapeStatusReason(status));
}

}  // namespace coilspring
