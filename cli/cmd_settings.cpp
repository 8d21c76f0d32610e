// settings import/export: the settings file as a readable table of field names and values.
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/coefficient_settings.h"
#include "app/file_io.h"
#include "app/number_format.h"
#include "app/text_number.h"
#include "cli/commands.h"

namespace coilspring::cli {
namespace {

struct NamedField {
  const char* name;
  double CoefficientSettings::*field;
};

constexpr NamedField kFields[] = {
    {"CompressionStressRatio", &CoefficientSettings::CompressionStressRatio},
    {"ExtensionStressRatio", &CoefficientSettings::ExtensionStressRatio},
    {"HookStressFactor", &CoefficientSettings::HookStressFactor},
    {"StainlessTensionReduction", &CoefficientSettings::StainlessTensionReduction},
    {"PianoWireTensionReduction", &CoefficientSettings::PianoWireTensionReduction},
    {"HardDrawnTensionReduction", &CoefficientSettings::HardDrawnTensionReduction},
    {"AnnealedStainlessTensionReduction",
     &CoefficientSettings::AnnealedStainlessTensionReduction},
};

CoefficientSettings ParseSettingsTable(const std::string& text) {
  CoefficientSettings settings;
  std::istringstream in(text);
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    line = line.substr(0, line.find('#'));
    std::istringstream fields(line);
    std::string name, value;
    if (!(fields >> name)) continue;
    fields >> value;
    bool known = false;
    for (const NamedField& f : kFields) {
      if (name != f.name) continue;
      settings.*f.field = ParseDecimal(value);
      known = true;
    }
    if (!known)
      throw std::invalid_argument("line " + std::to_string(lineNo) + ": unknown field " + name);
  }
  return settings;
}

}  // namespace

int RunSettings(const Args& args) {
  if (args.size() == 3 && args[0] == "import") {
    const Bytes table = ReadWholeFile(args[1]);
    WriteRecordFile(args[2], ParseSettingsTable(std::string(table.begin(), table.end())));
    return 0;
  }
  if (args.size() == 2 && args[0] == "export") {
    CoefficientSettings settings;
    ReadRecordFile(args[1], settings);
    for (const NamedField& f : kFields)
      std::printf("%s\t%s\n", f.name, FormatFull(settings.*f.field).c_str());
    return 0;
  }
  throw std::invalid_argument("usage: settings import TABLE OUT | settings export FILE");
}

}  // namespace coilspring::cli
