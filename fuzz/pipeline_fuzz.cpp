// The whole calculate cycle on an arbitrary current design: the inputs as the panel takes them,
// the calculation, the fatigue diagram and life class, the checks, the side view at the three
// lengths the "▲" button steps through, and the DXF file. Whatever the record holds, nothing
// crashes, the painter never gets a coordinate far outside its picture, the boxes the cycle
// fills read back on the next "計算", and the DXF file holds only finite numbers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calc/fatigue.h"
#include "core/compression/calculate_cycle.h"
#include "core/compression/design_fatigue.h"
#include "core/compression/design_dxf.h"
#include "core/compression/shape_view.h"
#include "core/drawing/dxf_writer.h"
#include "core/drawing/fatigue_diagram.h"
#include "core/drawing/shape_view_sink.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "fuzz/fuzz_support.h"
#include "support/recording_canvas.h"

using namespace coilspring;

namespace {

constexpr int kShapeWidth = 777;  // Image2
constexpr int kShapeHeight = 201;
// Anything drawn stays within this many pixels of its picture: far enough for the clipped
// construction and the clamped diagram, nowhere near the int range.
constexpr int kFarPixels = 120000;

void RequireNearPicture(const RecordingCanvas& canvas) {
  for (const Primitive& p : canvas.primitives)
    for (const PixelPoint& q : p.points)
      fuzz::Require(q.x >= -kFarPixels && q.x <= canvas.Width() + kFarPixels &&
                        q.y >= -kFarPixels && q.y <= canvas.Height() + kFarPixels,
                    "coordinate far outside the picture",
                    std::to_string(q.x) + "," + std::to_string(q.y));
}

// What ShowDesign writes into a box, ReadInputBoxes must read back.
void RequireReadsBack(const std::string& shown) {
  try {
    ParseDecimal(shown);
  } catch (...) {
    fuzz::Require(false, "a box the program filled does not read back:", shown);
  }
}

void RequireShownValuesReadBack(const DesignRecord& r) {
  RequireReadsBack(FormatFull(EnteredDiameterOf(r)));
  RequireReadsBack(FormatFull(r.TotalTurns));
  for (double v : {r.FreeLength, r.Length1, r.Length2, r.Load1, r.Load2, r.SpringRate, r.Stress2,
                   r.AllowableStress, r.ActiveTurns})
    RequireReadsBack(FormatShort(v));
}

// Every value line after a coordinate, radius or angle group code is a finite number.
void RequireFiniteDxf(std::string_view text) {
  fuzz::Require(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n",
                "DXF text does not end with a line end");
  bool numberNext = false;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    fuzz::Require(end != std::string_view::npos, "DXF line without CR LF");
    const std::string_view line = text.substr(start, end - start);
    if (numberNext) {
      double value = 0;
      try {
        value = ParseDecimal(line);
      } catch (...) {
        fuzz::Require(false, "DXF value is not a number:", std::string(line));
      }
      fuzz::Require(std::isfinite(value), "DXF value is not finite:", std::string(line));
    }
    numberNext = line == " 10" || line == " 20" || line == " 11" || line == " 21" ||
                 line == " 40" || line == " 50" || line == " 51";
    start = end + 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CalculatorState state = fuzz::ShippedState();
  InitDesign(state.design);
  DesignRecord& r = state.current();
  OverlayBytes(r, fuzz::AsBytes(data, size));

  const ValidationResult checks = RecalculateDesign(state, 0, DesignInputs::FromRecord);
  fuzz::Require(!checks.lines.empty(), "validation wrote no line");
  fuzz::Require(r.LifeClass >= 0 && r.LifeClass <= kLowestLifeClass, "life class out of range");
  fuzz::Require(!LifeClassText(r.LifeClass).empty(), "life class without text");
  RequireShownValuesReadBack(r);

  const StressCoefficients k = FatigueCoefficients(r, state.materials());
  RecordingCanvas diagram(kFatigueDiagramWidth, kFatigueDiagramHeight);
  DrawFatigueDiagram(diagram, true, k.x, k.y);
  RequireNearPicture(diagram);

  for (double length : {r.FreeLength, r.Length1, r.Length2}) {
    RecordingCanvas shape(kShapeWidth, kShapeHeight);
    DrawSpringShape(shape, ShapeInputsOf(r, length));
    RequireNearPicture(shape);
  }
  RequireFiniteDxf(DesignDxfText(r));
  return 0;
}
