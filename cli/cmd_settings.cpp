// settings import/export: the settings file as the readable table of
// core/records/settings_text.h.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "core/records/data_files.h"
#include "core/records/file_io.h"
#include "core/records/settings_text.h"
#include "core/text/excerpt.h"

namespace coilspring::cli {

const char* const kSettingsUsage =
    "settings import TABLE.tsv OUT\n"
    "settings export FILE\n"
    "\n"
    "import: 七つの係数の読める表（1 MB まで）から設定ファイルを作る。\n"
    "export: 設定ファイルを読める表にして標準出力に出す。\n";

int RunSettings(const Args& args) {
  const ParsedArguments parsed = ParseArguments(args, {});
  const std::string action = parsed.positional.empty() ? "" : parsed.positional.front();
  if (action == "import") {
    RequirePositional(parsed, {"import", "TABLE.tsv", "OUT"});
    WriteRecordFile(parsed.positional[2], ParseSettingsText(ReadTextTable(parsed.positional[1])));
    return 0;
  }
  if (action == "export") {
    RequirePositional(parsed, {"export", "FILE"});
    CoefficientSettings settings;
    ReadSettingsFile(parsed.positional[1], settings);
    std::fputs(FormatSettingsText(settings).c_str(), stdout);
    return 0;
  }
  if (action.empty()) throw std::invalid_argument("import か export を指定してください");
  throw std::invalid_argument("不明な操作 '" + Excerpt(action) + "'（import か export）");
}

}  // namespace coilspring::cli
