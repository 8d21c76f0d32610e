// calc: recalculates a design file's design as the window would and prints every field.
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/commands.h"
#include "cli/extension_commands.h"
#include "cli/reference_json.h"
#include "cli/spring_kind.h"
#include "cli/torsion_commands.h"
#include "core/calc/fatigue.h"
#include "core/compression/calculator_state.h"
#include "core/compression/design_units.h"
#include "core/display/display_units.h"
#include "core/records/file_io.h"
#include "core/text/display_width.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "json/compression_json.h"
#include "json/json_text.h"

namespace coilspring::cli {

namespace {

// Calls visit(info, integer, real) for every number field of the record (reserved bytes left
// out), in record order; exactly one of the two pointers is set.
template <class Visitor>
void ForEachNumberField(const DesignRecord& r, Visitor&& visit) {
  DesignRecord::VisitFields(r, [&](const FieldInfo& info, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, std::int32_t>) visit(info, &value, nullptr);
    if constexpr (StoredCode<T>) {
      const std::int32_t raw = RawOf(value);
      visit(info, &raw, nullptr);
    }
    if constexpr (std::is_same_v<T, double>) visit(info, nullptr, &value);
  });
}

// Loads, the rate and stresses in `units` (shown in the record's own units when none was asked
// for, without a "units" member), under the record's field names.
std::string DesignJson(const DesignRecord& r, int slot, const ValidationResult& v,
                       const std::string& reference, std::optional<UnitSystem> units) {
  JsonMembers members{{"slot", std::to_string(slot)}};
  if (units) members.emplace_back("units", JsonString(UnitSystemName(*units)));
  const JsonMembers fields =
      DesignMembers(ShownRecord(r, units.value_or(UnitSystem::Gravitational)));
  members.insert(members.end(), fields.begin(), fields.end());
  members.emplace_back("LifeClassText", JsonString(LifeClassText(r.LifeClass)));
  members.emplace_back("reference", reference);
  std::vector<std::string> lines;
  for (const char* line : v.lines) lines.push_back(JsonString(line));
  members.emplace_back("lines", JsonArray(lines));
  return JsonObject(members);
}

void PrintTable(const DesignRecord& r, int slot, const ValidationResult& v, UnitSystem units) {
  std::printf("記録 %d\n", slot);
  ForEachNumberField(ShownRecord(r, units), [&](const FieldInfo& f, const std::int32_t* integer,
                                                const double* real) {
    const std::string value = integer ? std::to_string(*integer) : FormatFull(*real);
    // The labels are Japanese, and printf pads by bytes: pad them by terminal columns.
    std::printf("  %-24s %s %s %s\n", f.name, PadToWidth(f.label, 14).c_str(), value.c_str(),
                ShownUnit(f.unit, units).c_str());
  });
  std::printf("  %-24s %s %s\n", "LifeClassText", PadToWidth("期待寿命", 14).c_str(),
              LifeClassText(r.LifeClass).c_str());
  for (const char* line : v.lines) std::printf("  %s\n", line);
}

constexpr OptionForm kCalcOptions[] = {
    {"--all"},       {"--grade", "1|2|3"},   {"--bore", "MM"},
    {"--rod", "MM"}, {"--temperature", "C"}, {"--units", "si|gravity"}};

}  // namespace

int RunCalc(const Args& args) {
  DesignFileOptions o = ParseDesignFileOptions(args, kCalcOptions);
  if (DesignFileKind(o.designPath) == SpringKind::Torsion) return RunTorsionCalc(o);
  bool all = false;
  ReferenceInputs reference;
  std::optional<UnitSystem> units;
  for (const auto& [name, value] : o.own) {
    if (TakeReferenceOption(name, value, reference)) continue;
    if (name == "--units") {
      units = UnitSystemNamed(value);
      if (!units) throw std::invalid_argument(BadValueMessage(name, value, "si、gravity"));
    } else if (name == "--all") {
      all = true;
    }
  }
  if (DesignFileKind(o.designPath) == SpringKind::Extension) {
    if (all) throw std::invalid_argument("--all は引張コイルばねの設計ファイルでは使えません");
    return RunExtensionCalc(o, units, reference);
  }
  CalculatorState state = LoadDesignFile(o, true);
  std::vector<int> slots{o.slot};
  if (all) {
    slots = {0};
    for (int n = 1; n <= kHistorySlots; ++n)
      if (state.design[n].InUse == 1) slots.push_back(n);
  }
  // Loading checked the one slot; --all reads the others too.
  if (all)
    for (int slot : slots) RequireStoredDesign(state, slot, o.designPath, true);
  const UnitSystem shownUnits = units.value_or(UnitSystem::Gravitational);
  std::vector<std::string> objects;
  bool anyFailed = false;  // exit code 1: scripts tell a faulty design from an error
  for (int slot : slots) {
    const ValidationResult v = RecalculateDesign(state, slot, DesignInputs::FromRecord);
    anyFailed = anyFailed || v.failed;
    const DesignRecord& r = state.design[slot];
    const MaterialRecord& m = MaterialOf(state.materials(), r.MaterialNo);
    if (o.json) {
      objects.push_back(DesignJson(r, slot, v, ReferenceJson(r, m, reference, shownUnits), units));
    } else {
      PrintTable(r, slot, v, shownUnits);
      std::printf("%s", ReferenceTable(r, m, reference, shownUnits).c_str());
    }
  }
  if (o.json) std::printf("%s\n", (all ? JsonBlockArray(objects) : objects[0]).c_str());
  return anyFailed ? 1 : 0;
}

}  // namespace coilspring::cli
