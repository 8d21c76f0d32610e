// calc: recalculates a design file's design as the window would and prints every field.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/calculator_state.h"
#include "app/file_io.h"
#include "app/number_format.h"
#include "app/text_number.h"
#include "calc/fatigue.h"
#include "cli/commands.h"
#include "cli/design_fields.h"
#include "cli/json_text.h"
#include "cli/reference_json.h"

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
  ReadRecordFile(o.designPath, state.design);
  if (withData) {
    ReadRecordFile(o.materialsPath, state.materials);
    ReadRecordFile(o.settingsPath, state.settings);
    state.kinds = BuildKindIndex(state.materials);
  }
  return state;
}

ValidationResult RecalculateSlot(CalculatorState& state, int slot) {
  DesignRecord& r = state.design[slot];
  DeriveInputsFromRecord(r, state.materials);
  CalculateSpring(r, state.materials, state.settings, state.allowable);
  const StressCoefficients k = FatigueCoefficients(r, state.materials);
  r.LifeClass = LifeClassOf(k.x, k.y);
  return ValidateDesign(r, state.allowable);
}

namespace {

std::string DesignJson(const DesignRecord& r, int slot, const ValidationResult& v,
                       const std::string& reference) {
  JsonMembers members{{"slot", std::to_string(slot)}};
  for (const DesignField& f : kDesignFields)
    members.emplace_back(f.name, f.isInteger ? std::to_string(f.integer(r)) : JsonNumber(f.real(r)));
  members.emplace_back("LifeClassText", JsonString(LifeClassText(r.LifeClass)));
  members.emplace_back("reference", reference);
  std::vector<std::string> lines;
  for (const std::string& line : v.lines) lines.push_back(JsonString(line));
  members.emplace_back("lines", JsonArray(lines));
  return JsonObject(members);
}

void PrintTable(const DesignRecord& r, int slot, const ValidationResult& v) {
  std::printf("記録 %d\n", slot);
  for (const DesignField& f : kDesignFields) {
    const std::string value = f.isInteger ? std::to_string(f.integer(r)) : FormatFull(f.real(r));
    std::printf("  %-24s %-14s %s %s\n", f.name, f.label, value.c_str(), f.unit);
  }
  std::printf("  %-24s %-14s %s\n", "LifeClassText", "期待寿命", LifeClassText(r.LifeClass).c_str());
  for (const std::string& line : v.lines) std::printf("  %s\n", line.c_str());
}

}  // namespace

int RunCalc(const Args& args) {
  DesignFileOptions o = ParseDesignFileOptions(args);
  bool all = false;
  for (const std::string& extra : o.rest) {
    if (extra != "--all") throw std::invalid_argument("unknown argument " + extra);
    all = true;
  }
  CalculatorState state = LoadDesignFile(o, true);
  std::vector<int> slots{o.slot};
  if (all) {
    slots = {0};
    for (int n = 1; n <= kHistorySlots; ++n)
      if (state.design[n].InUse == 1) slots.push_back(n);
  }
  std::vector<std::string> objects;
  for (int slot : slots) {
    const ValidationResult v = RecalculateSlot(state, slot);
    const DesignRecord& r = state.design[slot];
    const MaterialRecord& m = MaterialOf(state.materials, r.MaterialNo);
    if (o.json) {
      objects.push_back(DesignJson(r, slot, v, ReferenceJson(r, m)));
    } else {
      PrintTable(r, slot, v);
      std::printf("%s", ReferenceTable(r, m).c_str());
    }
  }
  if (o.json) {
    if (!all) {
      std::printf("%s\n", objects[0].c_str());
    } else {
      std::printf("[\n");
      for (std::size_t i = 0; i < objects.size(); ++i)
        std::printf("  %s%s\n", objects[i].c_str(), i + 1 < objects.size() ? "," : "");
      std::printf("]\n");
    }
  }
  return 0;
}

}  // namespace coilspring::cli
