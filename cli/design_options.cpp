#include <cmath>
#include <iterator>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/commands.h"
#include "core/calc/spring_calc.h"
#include "core/records/file_io.h"
#include "core/text/user_error.h"

namespace coilspring::cli {
namespace {

std::string RecordName(int slot) {
  return slot == 0 ? "現在の設計（記録 0）" : "履歴 " + std::to_string(slot) + " ";
}

// Slot N is read from bytes N * 336 .. (N + 1) * 336: a file that ends before its last byte
// would leave part of the design at whatever the program started with.
void RequireLength(const std::string& path, int slot, std::size_t length) {
  const std::size_t needed = DesignRecord::kSize * static_cast<std::size_t>(slot + 1);
  if (length >= needed) return;
  throw UserError("ファイル " + path + " は短すぎます: " + RecordName(slot) + "を読むには " +
                  std::to_string(needed) + " バイト必要ですが " + std::to_string(length) +
                  " バイトしかありません");
}

// The first code of the record outside its enumeration, or "".
std::string CodeOutOfRange(const DesignRecord& r) {
  std::string bad;
  DesignRecord::VisitFields(r, [&](const FieldInfo& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (StoredCode<T>)
      if (bad.empty() && !IsValid(value))
        bad = std::string(f.label) + " " + f.name + " = " + std::to_string(RawOf(value)) +
              " が 0〜" + std::to_string(LastRawOf<T>()) + " の外です";
  });
  return bad;
}

// What is wrong with the inputs of a stored record, or "" when nothing is.
std::string DamageOf(const DesignRecord& r, const MaterialTable* materials) {
  if (r.MaterialNo < 0 || r.MaterialNo >= kMaterialCount)
    return "材料番号 MaterialNo = " + std::to_string(r.MaterialNo) + " が 0〜" +
           std::to_string(kMaterialCount - 1) + " の外です";
  if (materials && (*materials)[static_cast<std::size_t>(r.MaterialNo)].KindNo == kEmptyKindNo)
    return "材料番号 MaterialNo = " + std::to_string(r.MaterialNo) +
           " の材料が材料データベースにありません";
  if (std::string bad = CodeOutOfRange(r); !bad.empty()) return bad;
  // The inputs the calculation starts from; a saved design never holds NaN or infinity there.
  std::string bad;
  DesignRecord::VisitFields(r, [&](const FieldInfo& f, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>) {
      const std::string name = f.name;
      const bool input = name == "WireDiameter" || name == "InnerDiameter" ||
                         name == "MeanDiameter" || name == "OuterDiameter" ||
                         name == "TotalTurns" || name == "FreeLength" || name == "Load1" ||
                         name == "Load2" || name == "Length1" || name == "Length2";
      if (bad.empty() && input && !std::isfinite(value))
        bad = std::string(f.label) + " " + name + " が有限の数ではありません";
    }
  });
  return bad;
}

}  // namespace

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
  ReadRecordFile(o.materialsPath, materials);
  ReadRecordFile(o.settingsPath, settings);
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

CalculatorState LoadDesignFile(const DesignFileOptions& o, bool withData, SlotUse use) {
  CalculatorState state;
  std::size_t length = SpringDesign::kSize;  // a JSON design has no history to fall short of
  if (o.designPath.ends_with(".json")) {
    state.design = ReadDesignJsonFile(o.designPath);
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
    RequireLength(o.designPath, o.slot, length);
    RequireStoredDesign(state, o.slot, o.designPath, withData);
  }
  return state;
}

void RequireStoredDesign(const CalculatorState& state, int slot, const std::string& path,
                         bool withMaterials) {
  const DesignRecord& r = state.design[static_cast<std::size_t>(slot)];
  if (slot > 0 && r.InUse != 1)
    throw UserError(path + ": 履歴 " + std::to_string(slot) + " は空です（設計が入っていません）");
  const std::string damage = DamageOf(r, withMaterials ? &state.materials() : nullptr);
  if (!damage.empty())
    throw UserError(path + ": " + RecordName(slot) + "の設計が壊れています: " + damage);
}

}  // namespace coilspring::cli
