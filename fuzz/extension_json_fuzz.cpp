// An extension spring's JSON design through the whole cycle: the reader either stops with a
// message naming what is wrong or gives a design that calculates to check lines, draws near its
// picture and writes a DXF file of finite numbers; read as the window's design file, it saves
// and reads back unchanged.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/extension/extension_calc.h"
#include "core/extension/extension_shape.h"
#include "core/text/user_error.h"
#include "fuzz/fuzz_support.h"
#include "json/extension_json.h"
#include "support/recording_canvas.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const MaterialTable& materials = fuzz::ShippedMaterials();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  fuzz::ReadDocumentThatSavesUnchanged(text, materials, ReadExtensionDocumentJson,
                                       ExtensionDocumentText);
  ExtensionDesign r;
  try {
    r = ReadExtensionDesignJson(text, materials);
  } catch (const UserError& e) {
    fuzz::Require(e.what()[0] != '\0', "an empty message");
    return 0;
  }
  const ExtensionCheck check =
      CalculateExtension(r, MaterialOf(materials, r.MaterialNo), fuzz::ShippedSettings());
  fuzz::Require(!check.Lines(r.InputMode).empty(), "no check line");
  for (const double length : {r.FreeLength, r.Length1, r.Length2}) {
    RecordingCanvas canvas(777, 201);
    DrawExtensionShape(canvas, r, length);
    constexpr int kFar = 120000;
    for (const Primitive& p : canvas.primitives)
      for (const PixelPoint& q : p.points)
        fuzz::Require(q.x >= -kFar && q.x <= 777 + kFar && q.y >= -kFar && q.y <= 201 + kFar,
                      "coordinate far outside the picture");
  }
  const std::string dxf = ExtensionDxfText(r);
  fuzz::Require(dxf.find("INF") == std::string::npos && dxf.find("NAN") == std::string::npos,
                "a DXF number that is not finite");
  return 0;
}
