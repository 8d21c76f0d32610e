// calc and dxf of an extension spring's design file.
#include <string>
#include <vector>

#include "cli/extension_commands.h"
#include "core/extension/extension_centre_line.h"
#include "core/extension/extension_reference.h"
#include "core/extension/extension_shape.h"
#include "core/records/file_io.h"
#include "json/extension_json.h"

namespace coilspring::cli {

LoadedExtension LoadExtension(const DesignFile& file, const DesignFileOptions& o) {
  LoadedExtension x{LoadKindDesign<ExtensionDesign>(file, o, ReadExtensionDocument), {}};
  x.check = CalculateExtension(x.design, x.material(), x.settings);
  return x;
}

int RunExtensionCalc(const DesignFile& file, const DesignFileOptions& o) {
  const KindCalcOptions options = ReadKindCalcOptions(o, SpringKind::Extension);
  const LoadedExtension x = LoadExtension(file, o);
  const UnitSystem shown = options.units.value_or(UnitSystem::Gravitational);
  const std::vector<ReferenceRow> rows =
      ExtensionReferenceRows(x.design, x.material(), shown, options.reference.temperature);
  const std::vector<std::string> lines = x.check.Lines(x.design.InputMode);
  if (o.json)
    PrintCalcJson(ExtensionMembers(x.design, shown), options.units, lines, &rows);
  else
    PrintKindTable(SpringKind::Extension, x.design, rows, lines, shown);
  return x.check.failed() ? 1 : 0;
}

int RunExtensionDxf(const DesignFile& file, const DesignFileOptions& o) {
  const LoadedExtension x = LoadExtension(file, o);
  ShapeStatus status;
  WriteFileAtomically(o.files[0], ExtensionDxfText(x.design, &status));
  return ReportUndrawn(CannotDrawMessage(status), "図面");
}

SpringModel ExtensionModel(const DesignFile& file, const DesignFileOptions& o, SpringState state,
                           bool leftHand) {
  const LoadedExtension x = LoadExtension(file, o);
  return SpringModelOf(x.design, *x.materials, state, leftHand);
}

}  // namespace coilspring::cli
