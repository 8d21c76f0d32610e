// The compression spring's side view as an R12 DXF drawing (core/drawing/dxf_writer.h writes it).
#pragma once

#include <string>

#include "core/compression/design_record.h"
#include "core/compression/shape_builder.h"
#include "core/drawing/dxf_writer.h"

namespace coilspring {

// The whole file as raw bytes, every line ended by CR LF. Inputs the construction refuses
// (ShapeStatus) give the header and the closing lines with no entity between them: still a
// drawing every reader opens, just an empty one. `status`, when given, receives the
// construction's verdict, so a caller can tell an empty drawing from a spring.
std::string SpringDxfText(const ShapeInputs& inputs, ShapeStatus* status = nullptr);

// The file for a design as stored: always at its free length, whatever the picture shows, and
// without recalculating anything.
std::string DesignDxfText(const DesignRecord& design, ShapeStatus* status = nullptr,
                          bool leftHand = false);

}  // namespace coilspring
