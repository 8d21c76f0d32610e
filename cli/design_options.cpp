#include <cstdio>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/compression/design_validation.h"
#include "core/compression/spring_calc.h"
#include "core/records/data_files.h"
#include "core/records/file_io.h"
#include "core/text/excerpt.h"
#include "core/text/user_error.h"
#include "json/compression_json.h"

namespace coilspring::cli {

DataFileOptions DefaultDataFileOptions() {
  const std::string folder = ExecutableFolder();
  return {folder + "/" + kMaterialFileName, folder + "/" + kSettingsFileName};
}

bool TakeDataFileOption(const std::string& name, const std::string& value, DataFileOptions& o) {
  if (name == "--materials")
    o.materialsPath = value;
  else if (name == "--settings")
    o.settingsPath = value;
  else if (name == "--json")
    o.json = true;
  else
    return false;
  return true;
}

void ReadDataFiles(const DataFileOptions& o, MaterialTable& materials,
                   CoefficientSettings& settings) {
  ReadMaterialFile(o.materialsPath, materials);
  ReadSettingsFile(o.settingsPath, settings);
}

UnitSystem UnitsOption(const std::string& name, const std::string& value) {
  const std::optional<UnitSystem> units = UnitSystemNamed(value);
  if (!units) throw std::invalid_argument(BadValueMessage(name, value, "si、gravity"));
  return *units;
}

int ReportUndrawn(const std::string& reason, const char* drawing) {
  if (reason.empty()) return 0;
  std::fprintf(stderr, "%s（空の%sを書きました）\n", reason.c_str(), drawing);
  return 1;
}

std::vector<OptionForm> CommonDesignFileOptions() {
  std::vector<OptionForm> forms{{"--slot", "N"}};
  forms.insert(forms.end(), std::begin(kDataFileOptions), std::end(kDataFileOptions));
  return forms;
}

DesignFileOptions ParseDesignFileOptions(const Args& args, std::span<const OptionForm> options,
                                         std::initializer_list<const char*> outputs) {
  std::vector<OptionForm> forms = CommonDesignFileOptions();
  forms.insert(forms.end(), options.begin(), options.end());
  const ParsedArguments parsed = ParseArguments(args, forms);
  std::vector<const char*> names{"FILE.abd"};
  names.insert(names.end(), outputs.begin(), outputs.end());
  RequirePositional(parsed, names);

  DesignFileOptions o;
  static_cast<DataFileOptions&>(o) = DefaultDataFileOptions();
  o.designPath = parsed.positional.front();
  o.files.assign(parsed.positional.begin() + 1, parsed.positional.end());
  for (const auto& [name, value] : parsed.options) {
    if (name == "--slot") {
      o.slot = IntegerValue(name, value);
      if (o.slot < 0 || o.slot > kHistorySlots)
        throw std::invalid_argument(
            BadValueMessage(name, value, "0〜30、0 は現在の設計、1〜30 は履歴"));
    } else if (!TakeDataFileOption(name, value, o)) {
      o.own.emplace_back(name, value);
    }
  }
  return o;
}

CalculatorState LoadDesignFile(const DesignFile& file, const DesignFileOptions& o, bool withData,
                               SlotUse use) {
  CalculatorState state;
  std::size_t length = SpringDesign::kSize;  // a JSON design has no history to fall short of
  if (file.isJson) {
    // One design, the current one of an otherwise empty design state.
    state.design = SpringDesign{};
    try {
      state.design[0] = ReadDesignDocument(file.document);
    } catch (const UserError& e) {
      ThrowInFile(o.designPath, e);
    }
  } else {
    const Bytes bytes = ReadWholeFile(o.designPath, SpringDesign::kSize);
    OverlayBytes(state.design, bytes);
    length = bytes.size();
  }
  if (withData) {
    ReadDataFiles(o, state.EditMaterials(), state.settings);
    state.kinds = BuildKindIndex(state.materials());
  }
  if (use == SlotUse::MustHoldDesign) {
    RequireDesignRecord(o.designPath, o.slot, length);
    RequireStoredDesign(state, o.slot, o.designPath, withData);
  }
  return state;
}

void RequireStoredDesign(const CalculatorState& state, int slot, const std::string& path,
                         bool withMaterials) {
  if (const auto bad =
          ValidateDesignSlot(state.design, slot, withMaterials ? &state.materials() : nullptr))
    throw UserError(ShownPath(path) + ": " + *bad);
}

}  // namespace coilspring::cli
