// The design-file commands for a torsion spring's JSON design ("kind": "torsion").
#pragma once

#include <memory>

#include "cli/commands.h"
#include "core/torsion/torsion_calc.h"

namespace coilspring::cli {

// A torsion design read from its file, calculated and checked against the material database.
struct TorsionFile {
  std::unique_ptr<MaterialTable> materials;
  TorsionDesign design;
  TorsionCheck check;
};
// --slot N reads entry N of the file's history. Throws UserError naming the file and the key
// for a design that cannot be read, and for a history slot the file does not hold.
TorsionFile LoadTorsionFile(const DesignFileOptions& options);

// calc and dxf on such a file; exit code 1 when a check fails.
int RunTorsionCalc(const DesignFileOptions& options);
int RunTorsionDxf(const DesignFileOptions& options);

}  // namespace coilspring::cli
