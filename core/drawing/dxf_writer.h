// A spring kind's views as an R12 DXF drawing: the construction of the picture written as LINE
// and ARC entities in model millimetres.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/drawing/shape_primitives.h"

namespace coilspring {

inline constexpr const char* kDxfDefaultFileName = "aspring.dxf";
inline constexpr const char* kDxfFileFilter = "DXFファイル|*.dxf";

// The lines every drawing file starts with (code page 932, without line ends); they end by
// opening the ENTITIES section.
inline constexpr int kDxfHeaderLineCount = 194;

// The whole file around any construction's primitives as raw bytes, every line ended by CR LF
// (an empty span gives the empty drawing: the header and the closing lines).
std::string DxfTextOf(std::span<const ShapePrimitive> primitives);

// The sink that writes entity records; exposed so that callers can write any construction.
class DxfEntitySink : public ShapeSink {
 public:
  explicit DxfEntitySink(std::string& out) : out_(out) {}
  void Line(const ShapeLine& line) override;
  void Arc(const ShapeArc& arc) override;

 private:
  void Entity(const char* kind, ModelPoint first);
  void Group(const char* code, double value);
  void Text(std::string_view line);

  std::string& out_;
};

}  // namespace coilspring
