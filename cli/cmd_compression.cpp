// calc and dxf of a compression spring's design file: the .abd file of the description, or one
// design given as JSON.
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/compression_commands.h"
#include "cli/reference_json.h"
#include "core/calc/fatigue.h"
#include "core/compression/calculator_state.h"
#include "core/compression/compression_centre_line.h"
#include "core/compression/design_dxf.h"
#include "core/compression/design_units.h"
#include "core/display/display_units.h"
#include "core/records/file_io.h"
#include "core/text/display_width.h"
#include "core/text/number_format.h"
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

}  // namespace

int RunCompressionCalc(const DesignFile& file, const DesignFileOptions& o) {
  bool all = false;
  ReferenceInputs reference;
  std::optional<UnitSystem> units;
  for (const auto& [name, value] : o.own) {
    if (TakeReferenceOption(name, value, reference)) continue;
    if (name == "--units")
      units = UnitsOption(name, value);
    else if (name == "--all")
      all = true;
  }
  CalculatorState state = LoadDesignFile(file, o, true);
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

int RunCompressionDxf(const DesignFile& file, const DesignFileOptions& o) {
  // The record is written as stored: the window exports without recalculating, and so do we.
  const CalculatorState state = LoadDesignFile(file, o, false);
  // The file is written either way, as the window writes it; a spring that cannot be drawn
  // leaves it empty, and a script and its user must be able to tell.
  ShapeStatus status;
  WriteFileAtomically(o.files[0], DesignDxfText(state.design[o.slot], &status));
  return ReportUndrawn(CannotDrawMessage(status), "図面");
}

SpringModel CompressionModel(const DesignFile& file, const DesignFileOptions& o, SpringState state,
                             bool leftHand) {
  // As dxf, the record as stored; the materials name the product.
  const CalculatorState loaded = LoadDesignFile(file, o, true);
  return SpringModelOf(loaded.design[o.slot], loaded.materials(), state, leftHand);
}

}  // namespace coilspring::cli
