#include <stdexcept>
#include <string>

#include "cli/commands.h"
#include "core/records/file_io.h"
#include "core/text/text_number.h"

namespace coilspring::cli {

DesignFileOptions ParseDesignFileOptions(const Args& args) {
  DesignFileOptions o;
  const std::string folder = ExecutableFolder();
  o.materialsPath = folder + "/" + kMaterialFileName;
  o.settingsPath = folder + "/" + kSettingsFileName;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
      return args[++i];
    };
    if (a == "--slot") {
      o.slot = ParseInteger(value());
      if (o.slot < 0 || o.slot > kHistorySlots)
        throw std::invalid_argument("--slot must be 0..30 (0 is the current design)");
    } else if (a == "--materials") {
      o.materialsPath = value();
    } else if (a == "--settings") {
      o.settingsPath = value();
    } else if (a == "--json") {
      o.json = true;
    } else if (a.starts_with("--")) {
      o.rest.push_back(a);
    } else if (o.designPath.empty()) {
      o.designPath = a;
    } else {
      o.rest.push_back(a);
    }
  }
  if (o.designPath.empty()) throw std::invalid_argument("a design file (.abd) is needed");
  return o;
}

CalculatorState LoadDesignFile(const DesignFileOptions& o, bool withData) {
  CalculatorState state;
  if (o.designPath.ends_with(".json"))
    state.design = ReadDesignJsonFile(o.designPath);
  else
    ReadRecordFile(o.designPath, state.design);
  if (withData) {
    ReadRecordFile(o.materialsPath, state.materials);
    ReadRecordFile(o.settingsPath, state.settings);
    state.kinds = BuildKindIndex(state.materials);
  }
  return state;
}

}  // namespace coilspring::cli
