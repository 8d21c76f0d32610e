// settings import/export: the settings file as the readable table of
// core/records/settings_text.h.
#include <cstdio>
#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "core/records/file_io.h"
#include "core/records/settings_text.h"

namespace coilspring::cli {

int RunSettings(const Args& args) {
  if (args.size() == 3 && args[0] == "import") {
    WriteRecordFile(args[2], ParseSettingsText(ReadTextTable(args[1])));
    return 0;
  }
  if (args.size() == 2 && args[0] == "export") {
    CoefficientSettings settings;
    ReadRecordFile(args[1], settings);
    std::fputs(FormatSettingsText(settings).c_str(), stdout);
    return 0;
  }
  throw std::invalid_argument("usage: settings import TABLE OUT | settings export FILE");
}

}  // namespace coilspring::cli
