// materials import/export: the material database as the readable text table of
// core/records/material_text.h.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/records/material_text.h"

namespace coilspring::cli {

int RunMaterials(const Args& args) {
  if (args.size() == 3 && args[0] == "import") {
    WriteRecordFile(args[2], ParseMaterialText(ReadTextTable(args[1])));
    return 0;
  }
  if (args.size() == 2 && args[0] == "export") {
    // A shorter file fills the table as far as it goes, as the program reads it; the rest
    // stays empty.
    MaterialTable table;
    for (auto& r : table.records) r = EmptyMaterialRecord();
    ReadRecordFile(args[1], table);
    std::fputs(FormatMaterialText(table).c_str(), stdout);
    return 0;
  }
  throw std::invalid_argument(
      "usage: materials import TABLE.tsv OUT.dst | materials export FILE.dst");
}

}  // namespace coilspring::cli
