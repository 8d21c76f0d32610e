// dxf: the side view of a stored design as a DXF drawing, byte for byte what the window's
// "ＤＸＦ出力" writes.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "cli/extension_commands.h"
#include "cli/spring_kind.h"
#include "cli/torsion_commands.h"
#include "core/compression/design_dxf.h"
#include "core/drawing/dxf_writer.h"
#include "core/records/file_io.h"

namespace coilspring::cli {

int RunDxf(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, {}, {"OUT.dxf"});
  if (o.json) throw std::invalid_argument("--json は dxf では使えません");
  if (DesignFileKind(o.designPath) == SpringKind::Extension) return RunExtensionDxf(o);
  if (DesignFileKind(o.designPath) == SpringKind::Torsion) return RunTorsionDxf(o);
  // The record is written as stored: the window exports without recalculating, and so do we.
  const CalculatorState state = LoadDesignFile(o, false);
  // The file is written either way, as the window writes it; a spring that cannot be drawn
  // leaves it empty, and a script and its user must be able to tell.
  ShapeStatus status;
  WriteFileAtomically(o.files[0], DesignDxfText(state.design[o.slot], &status));
  if (status == ShapeStatus::Built) return 0;
  std::fprintf(stderr, "%s（空の図面を書きました）\n", CannotDrawMessage(status).c_str());
  return 1;
}

}  // namespace coilspring::cli
