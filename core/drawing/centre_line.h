// The centre line of a spring's wire as a short list of kind-free pieces in millimetres, the
// coil's axis along +z. Each kind makes it from the construction data of its side view, so the
// drawing and the 3D model cannot disagree; the 3D model sweeps the wire's circle along it.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/drawing/shape_primitives.h"
#include "core/drawing/wire_path.h"
#include "core/kinds/spring_kinds.h"
#include "core/records/material_table.h"

namespace coilspring {

// The state a model shows: the free spring or the spring under the first or second load.
enum class SpringState { Free, Load1, Load2 };

struct Point3 {
  double x = 0, y = 0, z = 0;
};

enum class CentrePieceKind { Helix, Line, Arc };

// One plain record for every piece, so the list crosses into the 3D module as it is.
struct CentrePiece {
  CentrePieceKind kind = CentrePieceKind::Line;
  // Helix: `turns` turns counter-clockwise seen from +z, starting at angle `start` (radians) and
  // height `z0`, radius r0; the rise per turn (pitch0 → pitch1) and the radius's growth per turn
  // (grow0 → grow1) both change linearly with the angle, so a pitch transition, a conical coil
  // and the bend from a cylindrical end turn into a conical body are each one piece. r1 is the
  // radius at the end.
  double r0 = 0, r1 = 0, z0 = 0, pitch0 = 0, pitch1 = 0, start = 0, turns = 0;
  double grow0 = 0, grow1 = 0;
  // Line: from `from` to `to`.
  Point3 from, to;
  // Arc: `centre` + radius·(cos a·u + sin a·v) for a from `start` through `sweep` (u, v: unit
  // vectors of its plane).
  Point3 centre, u, v;
  double radius = 0, sweep = 0;
};

struct CentreLine {
  std::string refusal;  // why no model can be made; empty when the pieces hold the spring
  double wire = 0;      // d
  std::vector<CentrePiece> pieces;  // joined end to start, each tangent to the next
  // Ground ends: the model is cut flat at these heights (none: infinite).
  double cutBelow = -std::numeric_limits<double>::infinity();
  double cutAbove = std::numeric_limits<double>::infinity();
};

// The point and the derivative (d/dt) at t in [0, 1] along the piece.
Point3 PointAt(const CentrePiece& piece, double t);
Point3 DerivativeAt(const CentrePiece& piece, double t);

CentrePiece HelixPiece(double r0, double r1, double z0, double pitch0, double pitch1, double start,
                       double turns);
// The radius from r0 growing by grow0 → grow1 per turn.
CentrePiece GrowingHelixPiece(double r0, double grow0, double grow1, double z0, double pitch0,
                              double pitch1, double start, double turns);
CentrePiece LinePiece(Point3 from, Point3 to);
// The arc leaving `from` along the unit `tangent`, bending toward the unit `inward` (normal to
// it) on a circle of `radius`, through `sweep` radians.
CentrePiece ArcPiece(Point3 from, Point3 tangent, Point3 inward, double radius, double sweep);
// A side view's planar wire piece (wire_path.h) placed in 3D: the view's point (x, y) is
// origin + x·xAxis + y·yAxis (unit vectors square to each other), so a drawn hook or leg and
// the model's are one construction.
CentrePiece PlacedPiece(const WirePiece& piece, Point3 origin, Point3 xAxis, Point3 yAxis);
// The same path run the other way.
CentrePiece Reversed(const CentrePiece& piece);

// The left-hand winding: the mirror image in the plane y = 0.
void MirrorToLeftHand(CentreLine& line);

// A spring as its 3D model shows it: the centre line, and the product the model's file names:
// "<kind> <material> d x D x Nt", e.g. "compression SWP-A 2 x 20 x 10".
struct SpringModel {
  CentreLine line;
  std::string product;
};
std::string ProductName(SpringKind kind, const MaterialTable& materials, std::int32_t materialNo,
                        double d, double D, double totalTurns);

// The most turns a model is made of: a file of a few dozen megabytes, made in seconds.
inline constexpr double kMaxModelTurns = 1000;
// The turns of the centre line's helix pieces together.
double TurnsOf(const CentreLine& line);

// The centre line's whole length, mm.
double LengthOf(const CentreLine& line);

// "3Dモデルを作れません: <reason>"
std::string CannotModelMessage(const std::string& reason);
std::string CannotModelMessage(ShapeStatus status);

Point3 operator+(Point3 a, Point3 b);
Point3 operator-(Point3 a, Point3 b);
Point3 operator*(double k, Point3 a);
double Dot(Point3 a, Point3 b);
double Norm(Point3 a);
Point3 Unit(Point3 a);
Point3 Cross(Point3 a, Point3 b);

}  // namespace coilspring
