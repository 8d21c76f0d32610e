// materials import/export: the material database as the readable text table of
// core/records/material_text.h.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "core/records/data_files.h"
#include "core/records/file_io.h"
#include "core/records/material_table.h"
#include "core/records/material_text.h"
#include "core/text/excerpt.h"

namespace coilspring::cli {

const char* const kMaterialsUsage =
    "materials import TABLE.tsv OUT.dst\n"
    "materials export FILE.dst\n"
    "\n"
    "import: 読める表（1 MB まで）から材料データベースを作る。\n"
    "export: 材料データベースを読める表にして標準出力に出す。\n";

int RunMaterials(const Args& args) {
  const ParsedArguments parsed = ParseArguments(args, {});
  const std::string action = parsed.positional.empty() ? "" : parsed.positional.front();
  if (action == "import") {
    RequirePositional(parsed, {"import", "TABLE.tsv", "OUT.dst"});
    WriteRecordFile(parsed.positional[2], ParseMaterialText(ReadTextTable(parsed.positional[1])));
    return 0;
  }
  if (action == "export") {
    RequirePositional(parsed, {"export", "FILE.dst"});
    // A shorter file fills the table as far as it goes, as the program reads it; the rest
    // stays empty.
    MaterialTable table;
    for (auto& r : table.records) r = EmptyMaterialRecord();
    ReadMaterialFile(parsed.positional[1], table);
    std::fputs(FormatMaterialText(table).c_str(), stdout);
    return 0;
  }
  if (action.empty()) throw std::invalid_argument("import か export を指定してください");
  throw std::invalid_argument("不明な操作 '" + Excerpt(action) + "'（import か export）");
}

}  // namespace coilspring::cli
