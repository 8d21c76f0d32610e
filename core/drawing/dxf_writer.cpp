#include "core/drawing/dxf_writer.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/number_format.h"
#include "core/text/sjis.h"

namespace coilspring {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The fixed header: an A1 drawing area, two line types, two text styles and two layers. The
// odd value widths are what the readers of these files have always been given. One code/value
// pair or one table record per row, as the file reads.
// clang-format off
constexpr std::array<std::string_view, kDxfHeaderLineCount> kHeader = {
    "  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009",
    "  9", "$INSBASE", " 10", "0", " 20", "0", " 30", "0",
    "  9", "$EXTMIN", " 10", "0", " 20", "0",
    "  9", "$EXTMAX", " 10", "841", " 20", "594",
    "  9", "$LIMMIN", " 10", "0", " 20", "0",
    "  9", "$LIMMAX", " 10", "841", " 20", "594",
    "  9", "$LTSCALE", " 40", "1",
    "  0", "ENDSEC",
    "  0", "SECTION", "  2", "TABLES",
    "  0", "TABLE", "  2", "LTYPE", " 70", "     9",
    "  0", "LTYPE", "  2", "CONTINUOUS", " 70", "    64", "  3", "実線",
    " 72", "    65", " 73", "     0", " 40", "0.0",
    "  0", "LTYPE", "  2", "DASHED1", " 70", "    64",
    "  3", "--  --  --  --  --  --  --  --  ", " 72", "    65", " 73", "     2",
    " 40", "2.5", " 49", "1.25", " 49", "-1.25",
    "  0", "ENDTAB",
    "  0", "TABLE", "  2", "STYLE", "  5", "3", "100", "AcDbSymbolTable", " 70", "     1",
    "  0", "STYLE", "  5", "10", "100", "AcDbSymbolTableRecord",
    "100", "AcDbTextStyleTableRecord", "  2", "STANDARD", " 70", "     0",
    " 40", "0.0", " 41", "1.0", " 50", "0.0", " 71", "     0", " 42", "0.2",
    "  3", "txt", "  4", "bigfont.shx",
    "  0", "STYLE", "  5", "26", "100", "AcDbSymbolTableRecord",
    "100", "AcDbTextStyleTableRecord", "  2", "TATEGAKI", " 70", "    68",
    " 40", "0.0", " 41", "1.0", " 50", "0.0", " 71", "     0", " 42", "1.0",
    "  3", "txt", "  4", "bigfont.shx",
    "  0", "ENDTAB",
    "  0", "TABLE", "  2", "LAYER", " 70", "    2",
    "  0", "LAYER", "  2", "_0-0_", " 70", "   64", " 62", "    7", "  6", "CONTINUOUS",
    "  0", "LAYER", "  2", "ADD_LINE", " 70", "   64", " 62", "    7", "  6", "CONTINUOUS",
    "  0", "ENDTAB",
    "  0", "ENDSEC",
    "  0", "SECTION", "  2", "BLOCKS", "  0", "ENDSEC",
    "  0", "SECTION", "  2", "ENTITIES",
};
// clang-format on

// Upper bounds for reserving the text: the header with its line ends, and one ARC entity (eight
// fixed lines and six numbers of at most 24 characters, each with its line end).
constexpr std::size_t kHeaderBytesAtMost = 4096;
constexpr std::size_t kEntityBytesAtMost = 8 * (12 + 2) + 6 * (3 + 2 + 24 + 2);

constexpr std::array<std::string_view, 4> kClosing = {"  0", "ENDSEC", "  0", "EOF"};

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append(kLineEnd);
}

void AppendHeader(std::string& out) {
  const std::string solidLineName = Utf8ToSjis("実線");
  for (std::string_view line : kHeader)
    AppendLine(out, line == "実線" ? std::string_view(solidLineName) : line);
}

void AppendClosing(std::string& out) {
  for (std::string_view line : kClosing) AppendLine(out, line);
}

// A colour number right-aligned in `width` characters, as the header writes its own.
std::string ColourText(int colour, std::size_t width) {
  std::string text = std::to_string(colour);
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

// The line types the layers use beyond the header's two, each as its table record: a chain line
// (long dash, dot) for centre lines and a two-dot chain for the second working point.
struct LineTypeRecord {
  const char* handle;  // its own: one the reader would number it with is taken by the STYLE table
  const char* name;
  const char* look;
  const char* total;                   // the pattern's length
  std::array<const char*, 6> pattern;  // dash lengths, gaps negative; "" past the last
};
constexpr std::array<LineTypeRecord, 2> kAddedLineTypes = {{
    {"FFFF1",
     "CENTER",
     "____ . ____ . ____ . ____",
     "17.5",
     {"12.5", "-2.5", "0.0", "-2.5", "", ""}},
    {"FFFF2",
     "PHANTOM",
     "____ . . ____ . . ____",
     "20",
     {"12.5", "-2.5", "0.0", "-2.5", "0.0", "-2.5"}},
}};

void AppendLineTypes(std::string& out) {
  for (const LineTypeRecord& type : kAddedLineTypes) {
    std::size_t dashes = 0;
    while (dashes < type.pattern.size() && *type.pattern[dashes] != '\0') ++dashes;
    for (std::string_view line : {"  0", "LTYPE", "  5", type.handle, "  2", type.name, " 70",
                                  "    64", "  3", type.look, " 72", "    65", " 73"})
      AppendLine(out, line);
    AppendLine(out, ColourText(static_cast<int>(dashes), 6));
    AppendLine(out, " 40");
    AppendLine(out, type.total);
    for (std::size_t i = 0; i < dashes; ++i) {
      AppendLine(out, " 49");
      AppendLine(out, type.pattern[i]);
    }
  }
}

void AppendLayers(std::string& out, std::span<const DxfLayer* const> layers) {
  for (const DxfLayer* layer : layers) {
    for (std::string_view line : {"  0", "LAYER", "  2", layer->name, " 70", "   64", " 62"})
      AppendLine(out, line);
    AppendLine(out, ColourText(layer->colour, 5));
    AppendLine(out, "  6");
    AppendLine(out, layer->lineType);
  }
}

double AngleOf(const ArcAngle& angle, ModelPoint centre, ModelPoint point) {
  if (angle.kind == ArcAngle::Kind::Fixed) return angle.degrees;
  return DirectionAngle(centre, point) + angle.degrees;
}

}  // namespace

void DxfEntitySink::Text(std::string_view line) { AppendLine(out_, line); }

void DxfEntitySink::Group(const char* code, double value) {
  Text(code);
  Text(FormatFull(value));
}

void DxfEntitySink::UseLayer(const DxfLayer& layer) {
  layer_ = &layer;
  colour_ = ColourText(layer.colour, 5);
}

// The layer's name, line type and colour (at first _0-0_, CONTINUOUS, 7); the entity colour
// code is four characters wide, unlike the three of the layer table.
void DxfEntitySink::Entity(const char* kind, ModelPoint first) {
  for (std::string_view line : std::initializer_list<std::string_view>{
           "  0", kind, "  8", layer_->name, "  6", layer_->lineType, "  62", colour_})
    Text(line);
  Group(" 10", first.x);
  Group(" 20", first.y);
}

void DxfEntitySink::Line(const ShapeLine& line) {
  const ModelPoint& start = line.reversedInFile ? line.to : line.from;
  const ModelPoint& end = line.reversedInFile ? line.from : line.to;
  Entity("LINE", start);
  Group(" 11", end.x);
  Group(" 21", end.y);
}

void DxfEntitySink::Arc(const ShapeArc& arc) {
  Entity("ARC", arc.centre);
  Group(" 40", arc.radius);
  Group(" 50", AngleOf(arc.start, arc.centre, arc.from));
  Group(" 51", AngleOf(arc.end, arc.centre, arc.to));
}

std::string DxfTextOf(std::span<const ShapePrimitive> primitives) {
  std::string out;
  // The whole text in one allocation: a 10,000-turn file is 15 MB, and regrowing it would cost
  // more per turn than writing it.
  out.reserve(kHeaderBytesAtMost + primitives.size() * kEntityBytesAtMost);
  AppendHeader(out);
  DxfEntitySink sink(out);
  EmitPrimitives(primitives, sink);
  AppendClosing(out);
  return out;
}

std::string DxfLayeredTextOf(std::span<const DxfLayerGroup> groups) {
  std::vector<const DxfLayer*> layers;
  std::size_t entities = 0;
  for (const DxfLayerGroup& group : groups) {
    if (std::find(layers.begin(), layers.end(), group.layer) == layers.end())
      layers.push_back(group.layer);
    entities += group.primitives.size();
  }
  std::string out;
  out.reserve(2 * kHeaderBytesAtMost + entities * (kEntityBytesAtMost + 16));
  const std::string solidLineName = Utf8ToSjis("実線");
  std::string_view table;
  for (std::size_t i = 0; i < kHeader.size(); ++i) {
    const std::string_view line = kHeader[i];
    if (i >= 2 && kHeader[i - 2] == "TABLE") table = line;
    // The added records go before the "  0" that opens each table's ENDTAB.
    const bool tableEnds = i + 1 < kHeader.size() && kHeader[i + 1] == "ENDTAB";
    if (tableEnds && table == "LTYPE") AppendLineTypes(out);
    if (tableEnds && table == "LAYER") AppendLayers(out, layers);
    // The LAYER table's count of records.
    if (i >= 4 && kHeader[i - 4] == "TABLE" && kHeader[i - 2] == "LAYER") {
      AppendLine(out, ColourText(static_cast<int>(2 + layers.size()), 5));
      continue;
    }
    AppendLine(out, line == "実線" ? std::string_view(solidLineName) : line);
  }
  DxfEntitySink sink(out);
  for (const DxfLayerGroup& group : groups) {
    sink.UseLayer(*group.layer);
    EmitPrimitives(group.primitives, sink);
  }
  AppendClosing(out);
  return out;
}

std::string StatesDxfText(std::array<DxfStateShape, 3> states, double step, double overhang) {
  static constexpr std::array<const DxfLayer*, 3> kStateLayers = {
      &kDxfFreeLayer, &kDxfWorking1Layer, &kDxfWorking2Layer};
  std::vector<ShapePrimitive> centreLines;
  for (std::size_t i = 0; i < states.size(); ++i) {
    if (!states[i].built) continue;
    const double shift = -step * static_cast<double>(i);
    ShiftVertically(states[i].primitives, shift);
    const ShapeFrame& f = states[i].frame;
    centreLines.push_back(ShapeLine{{f.cx - f.L / 2 - overhang, f.cy + shift},
                                    {f.cx + f.L / 2 + overhang, f.cy + shift}});
  }
  std::vector<DxfLayerGroup> groups;
  for (std::size_t i = 0; i < states.size(); ++i)
    if (!states[i].primitives.empty()) groups.push_back({kStateLayers[i], states[i].primitives});
  if (!groups.empty()) groups.push_back({&kDxfCentreLayer, centreLines});
  return DxfLayeredTextOf(groups);
}

}  // namespace coilspring
