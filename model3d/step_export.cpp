// coilspring-model3d.so: the wire's circle swept along a centre line into one solid, cut flat
// where the ends are ground, written as STEP (AP214), behind the entry step_module.h names.
#include <APIHeaderSection_MakeHeader.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepOffsetAPI_MakePipe.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GC_MakeCircle.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_Circle.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <TColStd_HArray1OfBoolean.hxx>
#include <TColgp_Array1OfVec.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shell.hxx>
#include <TopoDS_Solid.hxx>
#include <cmath>
#include <cstdio>
#include <exception>
#include <gp_Ax2.hxx>
#include <gp_Circ.hxx>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "model3d/step_module.h"

namespace coilspring::model3d {
namespace {

// Points a helix turn is interpolated through, with the exact tangent at each: a cubic through
// points 30° apart stays within 0.0002 of the radius of the true helix, and fewer points keep
// the swept surfaces, and the file, small.
constexpr int kPointsPerTurn = 12;
// A sweep along more than a turn goes wrong on long helices, so each piece of the wire is at
// most a turn long.
constexpr double kTurnsPerPiece = 1;

gp_Pnt Pnt(Point3 p) { return {p.x, p.y, p.z}; }
gp_Vec Vec(Point3 p) { return {p.x, p.y, p.z}; }

TopoDS_Edge HelixEdge(const CentrePiece& piece, double t0, double t1) {
  const int points =
      std::max(4, static_cast<int>(std::ceil(kPointsPerTurn * std::abs(piece.turns) * (t1 - t0))));
  Handle(TColgp_HArray1OfPnt) at = new TColgp_HArray1OfPnt(1, points + 1);
  TColgp_Array1OfVec tangents(1, points + 1);
  Handle(TColStd_HArray1OfBoolean) given = new TColStd_HArray1OfBoolean(1, points + 1);
  for (int i = 0; i <= points; ++i) {
    const double t = t0 + (t1 - t0) * i / points;
    at->SetValue(i + 1, Pnt(PointAt(piece, t)));
    tangents.SetValue(i + 1, Vec((t1 - t0) * DerivativeAt(piece, t)));
    given->SetValue(i + 1, Standard_True);
  }
  GeomAPI_Interpolate interpolate(at, Standard_False, Precision::Confusion());
  interpolate.Load(tangents, given);
  interpolate.Perform();
  if (!interpolate.IsDone()) throw std::runtime_error("つる巻き線を曲線にできません");
  return BRepBuilderAPI_MakeEdge(interpolate.Curve());
}

TopoDS_Edge ArcEdge(const CentrePiece& piece) {
  // OCCT's circles run counter-clockwise about their normal: a negative sweep is the same arc
  // about the opposite normal, through the negated angles.
  const bool forward = piece.sweep > 0;
  const gp_Dir normal(Vec(forward ? Cross(piece.u, piece.v) : Cross(piece.v, piece.u)));
  const gp_Circ circle(gp_Ax2(Pnt(piece.centre), normal, gp_Dir(Vec(piece.u))), piece.radius);
  const double a0 = forward ? piece.start : -piece.start;
  return BRepBuilderAPI_MakeEdge(circle, a0, a0 + std::abs(piece.sweep));
}

// The edges of the centre line, each helix cut into pieces of at most a turn.
std::vector<TopoDS_Edge> EdgesOf(const StepRequest& request) {
  std::vector<TopoDS_Edge> edges;
  for (std::size_t i = 0; i < request.count; ++i) {
    const CentrePiece& piece = request.pieces[i];
    switch (piece.kind) {
      case CentrePieceKind::Line:
        edges.push_back(BRepBuilderAPI_MakeEdge(Pnt(piece.from), Pnt(piece.to)));
        break;
      case CentrePieceKind::Arc:
        edges.push_back(ArcEdge(piece));
        break;
      case CentrePieceKind::Helix: {
        const int parts =
            std::max(1, static_cast<int>(std::ceil(std::abs(piece.turns) / kTurnsPerPiece - 1e-9)));
        for (int k = 0; k < parts; ++k)
          edges.push_back(
              HelixEdge(piece, static_cast<double>(k) / parts, static_cast<double>(k + 1) / parts));
        break;
      }
    }
  }
  return edges;
}

// The wire's circle square to the centre line at its start.
TopoDS_Face StartProfile(const StepRequest& request) {
  const CentrePiece& first = request.pieces[0];
  const gp_Circ circle(gp_Ax2(Pnt(PointAt(first, 0)), gp_Dir(Vec(DerivativeAt(first, 0)))),
                       request.wire / 2);
  return BRepBuilderAPI_MakeFace(BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(circle)));
}

// One sweep along the wire of all the edges: the pipe makes a face per edge, each sharing its
// joining circles with the next, and closes them with the two end caps.
TopoDS_Shape SweptSolid(const StepRequest& request) {
  BRepBuilderAPI_MakeWire wire;
  for (const TopoDS_Edge& edge : EdgesOf(request)) {
    wire.Add(edge);
    if (!wire.IsDone()) throw std::runtime_error("中心線がつながりません");
  }
  BRepOffsetAPI_MakePipe pipe(wire.Wire(), StartProfile(request));
  pipe.Build();
  if (!pipe.IsDone()) throw std::runtime_error("素線を掃引できません");
  return pipe.Shape();
}

// The box the centre line keeps within, sampled finely enough for the ends' cut boxes.
Bnd_Box CentreLineBox(const StepRequest& request) {
  constexpr int kSamples = 64;
  Bnd_Box box;
  for (std::size_t i = 0; i < request.count; ++i)
    for (int k = 0; k <= kSamples; ++k)
      box.Add(Pnt(PointAt(request.pieces[i], static_cast<double>(k) / kSamples)));
  box.Enlarge(request.wire);
  return box;
}

// Cuts the wire flat at the ground faces. Each cut box holds just what lies beyond its face,
// so the Boolean operation only classifies the end turns, whatever the spring's length.
TopoDS_Shape GroundFlat(const TopoDS_Shape& solid, const StepRequest& request) {
  double x0, y0, z0, x1, y1, z1;
  CentreLineBox(request).Get(x0, y0, z0, x1, y1, z1);
  TopTools_ListOfShape tools;
  if (std::isfinite(request.cutBelow) && z0 < request.cutBelow)
    tools.Append(BRepPrimAPI_MakeBox(gp_Pnt(x0, y0, z0), gp_Pnt(x1, y1, request.cutBelow)).Shape());
  if (std::isfinite(request.cutAbove) && z1 > request.cutAbove)
    tools.Append(BRepPrimAPI_MakeBox(gp_Pnt(x0, y0, request.cutAbove), gp_Pnt(x1, y1, z1)).Shape());
  if (tools.IsEmpty()) return solid;
  TopTools_ListOfShape arguments;
  arguments.Append(solid);
  BRepAlgoAPI_Cut cut;
  cut.SetArguments(arguments);
  cut.SetTools(tools);
  cut.SetRunParallel(false);
  cut.Build();
  if (!cut.IsDone() || cut.HasErrors()) throw std::runtime_error("端面を研削できません");
  return cut.Shape();
}

// The one solid of `shape`.
TopoDS_Shape OnlySolid(const TopoDS_Shape& shape) {
  TopoDS_Shape found;
  int count = 0;
  for (TopExp_Explorer solid(shape, TopAbs_SOLID); solid.More(); solid.Next(), ++count)
    found = solid.Current();
  if (count != 1) throw std::runtime_error("一つの立体になりません");
  return found;
}

// STEP strings are ISO 8859-1 text; anything beyond ASCII goes as \X2\ UTF-16 escapes.
std::string StepString(const std::string& utf8) {
  std::string out;
  std::string wide;
  const auto flush = [&] {
    if (!wide.empty()) out += "\\X2\\" + wide + "\\X0\\";
    wide.clear();
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      flush();
      if (c >= 0x20 && c != '\\' && c != '\'') out += static_cast<char>(c);
      ++i;
      continue;
    }
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    unsigned code = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k)
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    char hex[16];
    if (code > 0xFFFF) code = 0xFFFD;  // outside the basic plane: the replacement character
    std::snprintf(hex, sizeof hex, "%04X", code);
    wide += hex;
  }
  flush();
  return out;
}

std::string StepFileText(const TopoDS_Shape& solid, const std::string& product) {
  STEPControl_Writer writer;
  Interface_Static::SetCVal("write.step.schema", "AP214IS");
  Interface_Static::SetCVal("write.step.unit", "MM");
  if (writer.Transfer(solid, STEPControl_ManifoldSolidBrep) != IFSelect_RetDone)
    throw std::runtime_error("STEP に変換できません");
  const Handle(StepData_StepModel) model = writer.Model();
  const Handle(TCollection_HAsciiString) name = new TCollection_HAsciiString(product.c_str());
  for (int i = 1; i <= model->NbEntities(); ++i)
    if (const Handle(StepBasic_Product) p = Handle(StepBasic_Product)::DownCast(model->Value(i))) {
      p->SetId(name);
      p->SetName(name);
    }
  APIHeaderSection_MakeHeader header(model);
  header.SetName(name);
  header.SetDescriptionValue(
      1, new TCollection_HAsciiString("coil spring, wire swept along its centre line"));
  header.SetAuthorValue(1, new TCollection_HAsciiString(""));
  header.SetOrganizationValue(1, new TCollection_HAsciiString(""));
  header.SetOriginatingSystem(new TCollection_HAsciiString("coilspring"));
  StepData_StepWriter text(model);
  text.SendModel(Handle(StepData_Protocol)::DownCast(model->Protocol()));
  std::ostringstream out;
  if (!text.Print(out)) throw std::runtime_error("STEP を書けません");
  // The writer doubles every backslash of a string, which would spell the name's \X2\ escapes
  // out literally; the name holds no backslash of its own, so its doubled form is undone.
  std::string file = out.str();
  std::string doubled;
  for (const char c : product) doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
  if (doubled != product)
    for (std::size_t at = file.find(doubled); at != std::string::npos;
         at = file.find(doubled, at + product.size()))
      file.replace(at, doubled.size(), product);
  return file;
}

std::string StepOf(const StepRequest& request) {
  // The writer reports its statistics on stdout, which belongs to the program.
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
  if (request.count == 0 || !(request.wire > 0)) throw std::runtime_error("素線がありません");
  const TopoDS_Shape solid = OnlySolid(GroundFlat(SweptSolid(request), request));
  if (!BRepCheck_Analyzer(solid).IsValid()) throw std::runtime_error("立体が正しくなりません");
  return StepFileText(solid, StepString(request.product));
}

}  // namespace
}  // namespace coilspring::model3d

// The entry point kStepEntrySymbol names. Every failure is caught here and reported: nothing
// may unwind through a C function into the program.
extern "C" __attribute__((visibility("default"))) int coilspring_model3d_step_1(
    const coilspring::model3d::StepRequest* request, coilspring::model3d::ByteSink text,
    coilspring::model3d::ByteSink fail, void* context) {
  std::string failure;
  try {
    const std::string step = coilspring::model3d::StepOf(*request);
    text(context, step.data(), step.size());
    return 0;
  } catch (const Standard_Failure& e) {
    failure = std::string("Open CASCADE: ") + e.GetMessageString();
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "3Dモデルのモジュールで不明なエラーが起きました";
  }
  failure = coilspring::CannotModelMessage(failure);
  fail(context, failure.data(), failure.size());
  return 1;
}
static_assert(std::is_same_v<decltype(&coilspring_model3d_step_1), coilspring::model3d::StepEntry>);
