// A spring kind's views as an R12 DXF drawing: the construction of the picture written as LINE
// and ARC entities in model millimetres.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing/shape_primitives.h"
#include "core/drawing/shape_view_sink.h"

namespace coilspring {

inline constexpr const char* kDxfDefaultFileName = "aspring.dxf";
inline constexpr const char* kDxfFileFilter = "DXFファイル|*.dxf";

// The lines every drawing file starts with (code page 932, without line ends); they end by
// opening the ENTITIES section.
inline constexpr int kDxfHeaderLineCount = 194;

// The whole file around any construction's primitives as raw bytes, every line ended by CR LF
// (an empty span gives the empty drawing: the header and the closing lines).
std::string DxfTextOf(std::span<const ShapePrimitive> primitives);

// A layer of a drawing that shows a spring at several states: its name (ASCII, so that every
// reader shows it alike), its colour number and its line type, both declared in the file's tables.
struct DxfLayer {
  const char* name = "";
  int colour = 7;
  const char* lineType = "CONTINUOUS";
};
// The header's own layer, which a drawing of one state uses for everything.
inline constexpr DxfLayer kDxfHeaderLayer{"_0-0_", 7, "CONTINUOUS"};
// The spring free, at the first and at the second working point, its centre lines, and the rod a
// coil works over: each its own colour and line type, so that a CAD user tells them apart.
inline constexpr DxfLayer kDxfFreeLayer{"SPRING_FREE", 7, "CONTINUOUS"};
inline constexpr DxfLayer kDxfWorking1Layer{"SPRING_LOAD1", 5, "DASHED1"};
inline constexpr DxfLayer kDxfWorking2Layer{"SPRING_LOAD2", 6, "PHANTOM"};
inline constexpr DxfLayer kDxfCentreLayer{"CENTER", 1, "CENTER"};
inline constexpr DxfLayer kDxfRodLayer{"ROD", 8, "CONTINUOUS"};

struct DxfLayerGroup {
  const DxfLayer* layer = &kDxfFreeLayer;
  std::span<const ShapePrimitive> primitives;
};

// The file of the fixed header with the layers above and their line types added to its tables,
// each group's entities on its layer, in its colour and line type.
std::string DxfLayeredTextOf(std::span<const DxfLayerGroup> groups);

// One state of a side view for StatesDxfText: its primitives and frame, when it could be built.
struct DxfStateShape {
  bool built = false;
  std::vector<ShapePrimitive> primitives;
  ShapeFrame frame;
};
// The free state and the states at the first and second working points, each on its layer and
// `step` below the one before, with a centre line through each built state that overhangs its
// frame by `overhang` at both ends; the file has no centre lines when nothing is drawn.
std::string StatesDxfText(std::array<DxfStateShape, 3> states, double step, double overhang);

// The sink that writes entity records; exposed so that callers can write any construction.
class DxfEntitySink : public ShapeSink {
 public:
  explicit DxfEntitySink(std::string& out) : out_(out) {}
  // The entities that follow go on this layer (at first the header's layer _0-0_).
  void UseLayer(const DxfLayer& layer);
  void Line(const ShapeLine& line) override;
  void Arc(const ShapeArc& arc) override;

 private:
  void Entity(const char* kind, ModelPoint first);
  void Group(const char* code, double value);
  void Text(std::string_view line);

  std::string& out_;
  const DxfLayer* layer_ = &kDxfHeaderLayer;
  std::string colour_ = "    7";
};

}  // namespace coilspring
