// Lines and arcs of a construction, of what reached a canvas and of a DXF file's text: the
// picture and the file are drawn from one construction, so the three must agree.
#pragma once

#include <ostream>
#include <span>
#include <string_view>
#include <variant>

#include "core/compression/shape_builder.h"
#include "support/recording_canvas.h"

namespace coilspring {

struct LineArcCount {
  std::size_t lines = 0, arcs = 0;
  bool operator==(const LineArcCount&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const LineArcCount& c) {
  return out << c.lines << " lines, " << c.arcs << " arcs";
}

inline LineArcCount CountOf(std::span<const ShapePrimitive> all) {
  LineArcCount c;
  for (const ShapePrimitive& p : all) ++(std::holds_alternative<ShapeLine>(p) ? c.lines : c.arcs);
  return c;
}

inline LineArcCount CountOf(const RecordingCanvas& canvas) {
  return {canvas.Lines().size(), canvas.Arcs().size()};
}

inline LineArcCount CountOfDxf(std::string_view text) {
  const auto count = [text](std::string_view entity) {
    std::size_t n = 0;
    for (auto at = text.find(entity); at != std::string_view::npos; at = text.find(entity, at + 1))
      ++n;
    return n;
  };
  return {count("\r\nLINE\r\n"), count("\r\nARC\r\n")};
}

}  // namespace coilspring
