#include "core/compression/design_dxf.h"

namespace coilspring {

std::string SpringDxfText(const ShapeInputs& inputs, ShapeStatus* status) {
  ShapeBuilder builder;
  const ShapeStatus verdict = builder.Build(inputs);
  if (status) *status = verdict;
  // Build leaves no primitives for a refused input.
  return DxfTextOf(builder.Primitives());
}

std::string DesignDxfText(const DesignRecord& design, ShapeStatus* status, bool leftHand) {
  ShapeInputs inputs = ShapeInputsOf(design, design.FreeLength);
  inputs.leftHand = leftHand;
  return SpringDxfText(inputs, status);
}

}  // namespace coilspring
