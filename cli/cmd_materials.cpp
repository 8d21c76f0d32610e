// materials import/export: the material database as the readable text table of
// app/material_text.h.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/records/material_text.h"
#include "cli/commands.h"

namespace coilspring::cli {

int RunMaterials(const Args& args) {
  if (args.size() == 3 && args[0] == "import") {
    const Bytes text = ReadWholeFile(args[1]);
    const MaterialTable table = ParseMaterialText(std::string(text.begin(), text.end()));
    WriteRecordFile(args[2], table);
    return 0;
  }
  if (args.size() == 2 && args[0] == "export") {
    // A shorter file fills the table as far as it goes, as the program reads it; the rest
    // stays empty.
    MaterialTable table;
    for (auto& r : table.records) r = EmptyMaterialRecord();
    ReadRecordFile(args[1], table);
    const std::string text = FormatMaterialText(table);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
      throw std::runtime_error("cannot write to standard output");
    return 0;
  }
  throw std::invalid_argument(
      "usage: materials import TABLE.tsv OUT.dst | materials export FILE.dst");
}

}  // namespace coilspring::cli
