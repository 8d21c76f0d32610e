// calc and dxf of a conical spring's design file.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/conical_commands.h"
#include "cli/reference_json.h"
#include "core/calc/fatigue.h"
#include "core/conical/conical_centre_line.h"
#include "core/conical/conical_reference.h"
#include "core/conical/conical_shape.h"
#include "core/records/file_io.h"
#include "core/text/display_width.h"
#include "core/text/number_format.h"
#include "json/conical_json.h"
#include "json/json_text.h"

namespace coilspring::cli {

namespace {

std::string RowsJson(const std::vector<ReferenceRow>& rows) {
  std::vector<std::string> objects;
  for (const ReferenceRow& row : rows)
    objects.push_back(JsonObject({{"item", JsonString(row.item)},
                                  {"value", JsonString(row.value)},
                                  {"unit", JsonString(row.unit)}}));
  return JsonArray(objects);
}

void PrintTable(const ConicalDesign& r, const std::vector<ReferenceRow>& rows,
                const std::vector<std::string>& lines, UnitSystem units) {
  std::printf("円すいコイルばね\n");
  ConicalDesign::VisitFields(r, [&](const DesignField& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    std::string text;
    if constexpr (std::is_same_v<T, bool>)
      text = value ? "true" : "false";
    else if constexpr (std::is_same_v<T, double>)
      text = FormatFull(ShownFieldValue(value, f, units));
    else if constexpr (std::is_same_v<T, std::optional<double>>)
      text = value ? FormatFull(ShownFieldValue(*value, f, units)) : "―";
    else if constexpr (StoredCode<T>)
      text = std::to_string(RawOf(value));
    else
      text = std::to_string(value);
    // The labels are Japanese, and printf pads by bytes: pad them by terminal columns.
    std::printf("  %-24s %s %s %s\n", f.name, PadToWidth(f.label, 18).c_str(), text.c_str(),
                FieldUnitCaption(f, units).c_str());
  });
  std::printf("  %-24s %s %s\n", "LifeClassText", PadToWidth("期待寿命", 18).c_str(),
              LifeClassText(r.LifeClass).c_str());
  for (const std::string& line : lines) std::printf("  %s\n", line.c_str());
  std::printf("参考値\n");
  for (const ReferenceRow& row : rows)
    std::printf("  %s %s %s\n", PadToWidth(row.item, 30).c_str(), row.value.c_str(),
                row.unit.c_str());
}

}  // namespace

LoadedConical LoadConical(const DesignFile& file, const DesignFileOptions& o) {
  LoadedConical x{LoadKindDesign<ConicalDesign>(file, o, ReadConicalDocument), {}};
  x.check = CalculateConical(x.design, x.material(), x.settings);
  return x;
}

int RunConicalCalc(const DesignFile& file, const DesignFileOptions& o) {
  ReferenceInputs reference;
  std::optional<UnitSystem> units;
  for (const auto& [name, value] : o.own) {
    if (TakeReferenceOption(name, value, reference)) continue;
    if (name == "--units")
      units = UnitsOption(name, value);
    else if (name == "--all")
      throw std::invalid_argument("--all は円すいコイルばねの設計ファイルでは使えません");
  }
  const LoadedConical x = LoadConical(file, o);
  const UnitSystem shown = units.value_or(UnitSystem::Gravitational);
  const std::vector<ReferenceRow> rows =
      ConicalReferenceRows(x.design, x.material(), shown, reference.temperature);
  const std::vector<std::string> lines = x.check.Lines(x.design);
  if (o.json) {
    JsonMembers members = ConicalMembers(x.design, shown);
    if (units) members.insert(members.begin() + 1, {"units", JsonString(UnitSystemName(*units))});
    members.emplace_back("reference", RowsJson(rows));
    std::vector<std::string> quoted;
    for (const std::string& line : lines) quoted.push_back(JsonString(line));
    members.emplace_back("lines", JsonArray(quoted));
    std::printf("%s\n", JsonObject(members).c_str());
  } else {
    PrintTable(x.design, rows, lines, shown);
  }
  return x.check.failed() ? 1 : 0;
}

int RunConicalDxf(const DesignFile& file, const DesignFileOptions& o) {
  const LoadedConical x = LoadConical(file, o);
  ShapeStatus status;
  WriteFileAtomically(o.files[0], ConicalDxfText(x.design, &status));
  return ReportUndrawn(CannotDrawMessage(status), "図面");
}

SpringModel ConicalModel(const DesignFile& file, const DesignFileOptions& o, SpringState state,
                         bool leftHand) {
  const LoadedConical x = LoadConical(file, o);
  return SpringModelOf(x.design, *x.materials, state, leftHand);
}

}  // namespace coilspring::cli
