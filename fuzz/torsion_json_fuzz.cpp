// A torsion spring's JSON design file through the whole cycle, as the window and the CLI take
// it: the reader either stops with a message naming what is wrong or gives designs that
// calculate to check lines, draw inside their pictures, write DXF files of finite numbers and
// save into a file that reads back as the same designs.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/torsion/moment_angle_diagram.h"
#include "core/torsion/torsion_calc.h"
#include "core/torsion/torsion_reference.h"
#include "core/torsion/torsion_sheet.h"
#include "core/torsion/torsion_views.h"
#include "fuzz/fuzz_support.h"
#include "json/torsion_json.h"
#include "support/recording_canvas.h"

using namespace coilspring;

namespace {

// The views are scaled to fit their picture: nothing of them may land far outside it.
void RequireViewsInside(const TorsionDesign& t) {
  constexpr int kWidth = 400, kHeight = 300, kSlack = 2;
  RecordingCanvas canvas(kWidth, kHeight);
  DrawTorsionViews(canvas, t);
  for (const Primitive& p : canvas.primitives)
    for (const PixelPoint& q : p.points)
      fuzz::Require(
          q.x >= -kSlack && q.x <= kWidth + kSlack && q.y >= -kSlack && q.y <= kHeight + kSlack,
          "a view's point outside its picture");
}

void RequireCalculable(TorsionDesign t, const MaterialTable& materials) {
  CalculateTorsion(t, materials);
  fuzz::Require(!CheckTorsion(t, materials).lines.empty(), "no check line");
  RequireViewsInside(t);
  RecordingCanvas diagram(kMomentDiagramWidth, kMomentDiagramHeight);
  DrawMomentDiagram(diagram, t, UnitSystem::SI);
  TorsionSheetRows(t, materials);
  TorsionReferenceRows(ComputeTorsionReference(t, MaterialOf(materials, t.MaterialNo)),
                       UnitSystem::Gravitational);
  const std::string dxf = TorsionDxfText(t);
  fuzz::Require(dxf.find("INF") == std::string::npos && dxf.find("NAN") == std::string::npos,
                "a DXF number that is not finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MaterialTable& materials = fuzz::ShippedMaterials();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<TorsionDocument> document = fuzz::ReadDocumentThatSavesUnchanged(
      text, materials, ReadTorsionDocumentJson, TorsionDocumentText);
  if (!document) return 0;
  RequireCalculable(document->design, materials);
  for (const auto& stored : document->history)
    if (stored) RequireCalculable(*stored, materials);
  return 0;
}
