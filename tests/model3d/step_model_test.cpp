// Every kind's 3D model, read back from its STEP text by Open CASCADE's own reader: one valid
// closed solid holding the wire's volume, as wide and as long as the spring.
#include <gtest/gtest.h>

#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <BRepMesh_IncrementalMesh.hxx>
#include <BRep_Tool.hxx>
#include <GProp_GProps.hxx>
#include <Poly_Triangulation.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <numbers>

#include "core/compression/compression_centre_line.h"
#include "core/conical/conical_centre_line.h"
#include "core/extension/extension_centre_line.h"
#include "core/torsion/torsion_centre_line.h"
#include "model3d/step_client.h"

namespace coilspring {
namespace {

constexpr double kPi = std::numbers::pi;

DesignRecord Compression(EndKind ends) {
  DesignRecord r;
  r.EndKind = ends;
  r.WireDiameter = 2, r.MeanDiameter = 20, r.TotalTurns = 12;
  r.FreeLength = 50, r.Length1 = 40, r.Length2 = 30;
  return r;
}
ExtensionDesign Extension(HookKind hooks) {
  ExtensionDesign e;
  e.HookKind = hooks;
  e.WireDiameter = 1.6, e.MeanDiameter = 12, e.TotalTurns = 15;
  // Hooks 13 high, (51.6 − 16·1.6)/2: a loop of the coil's diameter clears the body.
  e.FreeLength = 51.6, e.Length1 = 56.6, e.Length2 = 61.6;
  return e;
}
TorsionDesign Torsion() {
  TorsionDesign t;
  t.WireDiameter = 2, t.MeanDiameter = 16, t.TotalTurns = 8;
  t.Leg1 = 25, t.Leg2 = 30, t.Angle1 = 30, t.Angle2 = 90;
  return t;
}

// Mean diameters 10 and 20, five active turns at the pitch (30 − 8·1.6)/5 + 1.6 = 5.04.
ConicalDesign Conical(EndKind ends) {
  ConicalDesign c;
  c.EndKind = ends;
  c.WireDiameter = 1.6, c.SmallMean = 10, c.LargeMean = 20, c.TotalTurns = 7, c.ActiveTurns = 5;
  c.SolidHeight = 12.8, c.FreeLength = 30, c.Pitch = 5.04, c.Length1 = 24, c.Length2 = 16;
  return c;
}

struct ModelCase {
  const char* name;
  CentreLine line;
  double length;      // along the axis, by hand
  double outer;       // D + d (a conical spring's large end's)
  double slab = 0.5;  // where along the length the coil is that wide
};

// The wire's cross-section below a ground face the centre lies `above` (negative: beyond it).
double SegmentBeyond(double above, double r) {
  if (above >= r) return 0;
  if (above <= -r) return kPi * r * r;
  return r * r * std::acos(above / r) - above * std::sqrt(r * r - above * above);
}

// π d²/4 × the centre line's length, less the segments beyond the ground faces along it.
double WireVolume(const CentreLine& line) {
  const double r = line.wire / 2;
  double volume = kPi * r * r * LengthOf(line);
  for (const CentrePiece& piece : line.pieces) {
    constexpr int kSteps = 4000;
    for (int i = 0; i < kSteps; ++i) {
      const double t = (i + 0.5) / kSteps;
      const double ds =
          std::hypot(DerivativeAt(piece, t).x, DerivativeAt(piece, t).y, DerivativeAt(piece, t).z) /
          kSteps;
      const double z = PointAt(piece, t).z;
      if (std::isfinite(line.cutBelow)) volume -= SegmentBeyond(z - line.cutBelow, r) * ds;
      if (std::isfinite(line.cutAbove)) volume -= SegmentBeyond(line.cutAbove - z, r) * ds;
    }
  }
  return volume;
}

std::vector<ModelCase> Cases() {
  std::vector<ModelCase> cases;
  for (const auto& [name, ends] :
       {std::pair{"closed", EndKind::ClosedUnground}, std::pair{"ground", EndKind::ClosedGround},
        std::pair{"open_ground", EndKind::OpenGround}}) {
    const DesignRecord r = Compression(ends);
    for (const double L : {r.FreeLength, r.Length1, r.Length2})
      cases.push_back({name, CompressionCentreLine(r, L, L == r.Length1), L, 22});
  }
  // A hundred body turns, where one sweep along the whole helix would go wrong.
  DesignRecord longSpring = Compression(EndKind::ClosedGround);
  longSpring.TotalTurns = 102, longSpring.FreeLength = 405;
  cases.push_back({"100 turns", CompressionCentreLine(longSpring, 405, false), 405, 22});
  for (const HookKind hooks : {HookKind::Round, HookKind::HalfRound, HookKind::U}) {
    const ExtensionDesign e = Extension(hooks);
    for (const double L : {e.FreeLength, e.Length1, e.Length2})
      cases.push_back({"extension", ExtensionCentreLine(e, L, L == e.Length1), L + 2 * 1.6, 13.6});
  }
  const TorsionDesign t = Torsion();
  for (const double angle : {0.0, t.Angle1, t.Angle2})
    cases.push_back(
        {"torsion", TorsionCentreLine(t, angle, angle == t.Angle1), (8 + angle / 360 + 1) * 2, 18});
  for (const EndKind ends : {EndKind::ClosedUnground, EndKind::ClosedGround}) {
    const ConicalDesign c = Conical(ends);
    for (const double L : {c.FreeLength, c.Length1, c.Length2})
      cases.push_back({"conical", ConicalCentreLine(c, L, L == c.Length1), L, 21.6, 0.9});
  }
  return cases;
}

TopoDS_Shape ReadBack(const std::string& text) {
  const std::string path = ::testing::TempDir() + "/model.step";
  std::ofstream(path) << text;
  STEPControl_Reader reader;
  EXPECT_EQ(reader.ReadFile(path.c_str()), IFSelect_RetDone);
  reader.TransferRoots();
  std::remove(path.c_str());
  return reader.OneShape();
}

// The points of a fine mesh: a face read back may keep its whole surface's bounds rather than
// its trimmed ones, so the surfaces' own boxes would be too large.
std::vector<gp_Pnt> MeshPoints(const TopoDS_Shape& shape) {
  BRepMesh_IncrementalMesh(shape, 0.05);
  std::vector<gp_Pnt> points;
  for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
    TopLoc_Location at;
    const Handle(Poly_Triangulation) mesh = BRep_Tool::Triangulation(TopoDS::Face(e.Current()), at);
    for (int i = 1; mesh && i <= mesh->NbNodes(); ++i)
      points.push_back(mesh->Node(i).Transformed(at.Transformation()));
  }
  return points;
}

// The extent along x, y and z of the points with z in [low, high].
gp_XYZ Extent(const std::vector<gp_Pnt>& points, double low, double high) {
  gp_XYZ min(1e9, 1e9, 1e9), max(-1e9, -1e9, -1e9);
  for (const gp_Pnt& p : points)
    if (p.Z() >= low && p.Z() <= high)
      for (int k = 1; k <= 3; ++k) {
        min.SetCoord(k, std::min(min.Coord(k), p.Coord(k)));
        max.SetCoord(k, std::max(max.Coord(k), p.Coord(k)));
      }
  return max - min;
}

void CheckModel(const ModelCase& c) {
  ASSERT_EQ(c.line.refusal, "");
  const TopoDS_Shape shape =
      ReadBack(model3d::StepText(c.line, "test", COILSPRING_BIN_DIR "/coilspring-model3d.so"));
  int solids = 0;
  for (TopExp_Explorer e(shape, TopAbs_SOLID); e.More(); e.Next()) ++solids;
  ASSERT_EQ(solids, 1);
  EXPECT_TRUE(BRepCheck_Analyzer(shape).IsValid());
  for (TopExp_Explorer e(shape, TopAbs_SHELL); e.More(); e.Next())
    EXPECT_TRUE(BRep_Tool::IsClosed(e.Current()));
  GProp_GProps props;
  BRepGProp::VolumeProperties(shape, props);
  EXPECT_NEAR(props.Mass(), WireVolume(c.line), 0.01 * WireVolume(c.line));
  const std::vector<gp_Pnt> points = MeshPoints(shape);
  const double length = Extent(points, -1e9, 1e9).Z();
  EXPECT_NEAR(length, c.length, 0.005 * c.length);
  // The coil's width where neither hooks nor legs reach: a slab across the body's middle (a
  // conical spring's large end).
  double low = 1e9;
  for (const gp_Pnt& p : points) low = std::min(low, p.Z());
  const double middle = low + length * c.slab, half = 0.1 * c.length;
  const gp_XYZ body = Extent(points, middle - half, middle + half);
  EXPECT_NEAR(body.X(), c.outer, 0.005 * c.outer);
  EXPECT_NEAR(body.Y(), c.outer, 0.005 * c.outer);
}

TEST(StepModelTest, EveryKindReadsBackAsTheSpringsOneSolid) {
  for (const ModelCase& c : Cases()) {
    SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(c.length));
    try {
      CheckModel(c);
    } catch (const Standard_Failure& e) {
      ADD_FAILURE() << e.GetMessageString();
    }
  }
}

// The wire runs on without a kink: each piece starts where the last ended, in its direction.
TEST(StepModelTest, EveryCentreLineIsJoinedTangent) {
  for (const ModelCase& c : Cases()) {
    SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(c.length));
    for (std::size_t i = 1; i < c.line.pieces.size(); ++i) {
      const CentrePiece &a = c.line.pieces[i - 1], &b = c.line.pieces[i];
      EXPECT_LT(Norm(PointAt(a, 1) - PointAt(b, 0)), 1e-9) << i;
      EXPECT_LT(Norm(Unit(DerivativeAt(a, 1)) - Unit(DerivativeAt(b, 0))), 1e-9) << i;
    }
  }
}

TEST(StepModelTest, ASpringThatCannotBeBuiltIsRefusedWithItsReason) {
  DesignRecord r = Compression(EndKind::ClosedGround);
  const std::string module = COILSPRING_BIN_DIR "/coilspring-model3d.so";
  // Pressed below its solid length, the turns would run into each other.
  EXPECT_THROW(model3d::StepText(CompressionCentreLine(r, 20, false), "x", module),
               model3d::CannotModel);
  // More turns than a model is made of.
  r.TotalTurns = 1100, r.FreeLength = 5000;
  EXPECT_THROW(model3d::StepText(CompressionCentreLine(r, 5000, false), "x", module),
               model3d::CannotModel);
  r.WireDiameter = 0;
  EXPECT_THROW(model3d::StepText(CompressionCentreLine(r, 50, false), "x", module),
               model3d::CannotModel);
}

}  // namespace
}  // namespace coilspring
