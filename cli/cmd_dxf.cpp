// dxf: the side view of a stored design as a DXF drawing, byte for byte what the window's
// "ＤＸＦ出力" writes.
#include <stdexcept>
#include <string>

#include "core/records/file_io.h"
#include "cli/commands.h"
#include "core/drawing/dxf_writer.h"

namespace coilspring::cli {

int RunDxf(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args);
  if (o.rest.size() != 1 || o.rest[0].starts_with("--") || o.json)
    throw std::invalid_argument("usage: dxf FILE.abd OUT.dxf [--slot N]");
  // The record is written as stored: the window exports without recalculating, and so do we.
  const CalculatorState state = LoadDesignFile(o, false);
  WriteFileAtomically(o.rest[0], DesignDxfText(state.design[o.slot]));
  return 0;
}

}  // namespace coilspring::cli
