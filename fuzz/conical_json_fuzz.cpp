// A conical spring's JSON design through the whole cycle: the reader either stops with a
// message naming what is wrong or gives a design whose load curve calculates to check lines,
// draws near its picture and writes a DXF file of finite numbers; read as the window's design
// file, it saves and reads back unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/conical/conical_calc.h"
#include "core/conical/conical_shape.h"
#include "core/text/user_error.h"
#include "fuzz/fuzz_support.h"
#include "json/conical_json.h"
#include "support/recording_canvas.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MaterialTable& materials = fuzz::ShippedMaterials();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::ReadDocumentThatSavesUnchanged(text, materials, ReadConicalDocumentJson,
                                       ConicalDocumentText);
  ConicalDesign r;
  try {
    r = ReadConicalDesignJson(text, materials);
  } catch (const UserError& e) {
    fuzz::Require(e.what()[0] != '\0', "an empty message");
    return 0;
  }
  const ConicalCheck check =
      CalculateConical(r, MaterialOf(materials, r.MaterialNo), fuzz::ShippedSettings());
  fuzz::Require(!check.Lines(r).empty(), "no check line");
  for (const double length : {r.FreeLength, r.Length1, r.Length2}) {
    RecordingCanvas canvas(777, 201);
    DrawConicalShape(canvas, r, length);
    constexpr int kFar = 120000;
    for (const Primitive& p : canvas.primitives)
      for (const PixelPoint& q : p.points)
        fuzz::Require(q.x >= -kFar && q.x <= 777 + kFar && q.y >= -kFar && q.y <= 201 + kFar,
                      "coordinate far outside the picture");
  }
  const std::string dxf = ConicalDxfText(r);
  fuzz::Require(dxf.find("INF") == std::string::npos && dxf.find("NAN") == std::string::npos,
                "a DXF number that is not finite");
  return 0;
}
