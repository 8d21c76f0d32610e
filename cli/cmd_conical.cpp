// calc and dxf of a conical spring's design file.
#include <string>
#include <vector>

#include "cli/conical_commands.h"
#include "core/conical/conical_centre_line.h"
#include "core/conical/conical_reference.h"
#include "core/conical/conical_shape.h"
#include "core/records/file_io.h"
#include "json/conical_json.h"

namespace coilspring::cli {

LoadedConical LoadConical(const DesignFile& file, const DesignFileOptions& o) {
  LoadedConical x{LoadKindDesign<ConicalDesign>(file, o, ReadConicalDocument), {}};
  x.check = CalculateConical(x.design, x.material(), x.settings);
  return x;
}

int RunConicalCalc(const DesignFile& file, const DesignFileOptions& o) {
  const KindCalcOptions options = ReadKindCalcOptions(o, SpringKind::Conical);
  const LoadedConical x = LoadConical(file, o);
  const UnitSystem shown = options.units.value_or(UnitSystem::Gravitational);
  const std::vector<ReferenceRow> rows =
      ConicalReferenceRows(x.design, x.material(), shown, options.reference.temperature);
  const std::vector<std::string> lines = x.check.Lines(x.design);
  if (o.json)
    PrintCalcJson(ConicalMembers(x.design, shown), options.units, lines, &rows);
  else
    PrintKindTable(SpringKind::Conical, x.design, rows, lines, shown);
  return x.check.failed() ? 1 : 0;
}

int RunConicalDxf(const DesignFile& file, const DesignFileOptions& o) {
  const LoadedConical x = LoadConical(file, o);
  ShapeStatus status;
  WriteFileAtomically(o.files[0], ConicalDxfText(x.design, &status));
  return ReportUndrawn(CannotDrawMessage(status), "図面");
}

SpringModel ConicalModel(const DesignFile& file, const DesignFileOptions& o, SpringState state,
                         bool leftHand) {
  const LoadedConical x = LoadConical(file, o);
  return SpringModelOf(x.design, *x.materials, state, leftHand);
}

}  // namespace coilspring::cli
