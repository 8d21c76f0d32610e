// dxf: the side view of a stored design as a DXF drawing, byte for byte what the window's
// "ＤＸＦ出力" writes.
#include <stdexcept>

#include "cli/commands.h"
#include "cli/kind_commands.h"

namespace coilspring::cli {

int RunDxf(const Args& args) {
  const DesignFileOptions o = ParseDesignFileOptions(args, {}, {"OUT.dxf"});
  if (o.json) throw std::invalid_argument("--json は dxf では使えません");
  const DesignFile file = ReadDesignFile(o.designPath);
  return CommandsOf(file.kind).dxf(file, o);
}

}  // namespace coilspring::cli
