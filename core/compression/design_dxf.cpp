#include "core/compression/design_dxf.h"

namespace coilspring {

std::string SpringDxfText(const ShapeInputs& inputs, ShapeStatus* status) {
  ShapeBuilder builder;
  const ShapeStatus verdict = builder.Build(inputs);
  if (status) *status = verdict;
  // Build leaves no primitives for a refused input.
  return DxfTextOf(builder.Primitives());
}

std::string DesignDxfText(const DesignRecord& design, ShapeStatus* status) {
  return SpringDxfText(ShapeInputsOf(design, design.FreeLength), status);
}

}  // namespace coilspring
