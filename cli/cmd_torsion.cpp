// calc and dxf for a torsion spring's design file.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "json/json_text.h"
#include "cli/reference_json.h"
#include "cli/torsion_commands.h"
#include "json/torsion_json.h"
#include "core/drawing/dxf_writer.h"
#include "core/records/file_io.h"
#include "core/text/display_width.h"
#include "core/text/number_format.h"
#include "core/text/user_error.h"
#include "core/torsion/torsion_reference.h"
#include "core/torsion/torsion_views.h"

namespace coilspring::cli {

namespace {

std::string TextOf(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

// calc's options that a torsion spring has: the units and the operating temperature.
struct TorsionCalcOptions {
  std::optional<UnitSystem> units;
  ReferenceInputs reference;
};

TorsionCalcOptions CalcOptions(const DesignFileOptions& o) {
  TorsionCalcOptions options;
  for (const auto& [name, value] : o.own) {
    if (name == "--temperature") {
      TakeReferenceOption(name, value, options.reference);
      continue;
    }
    if (name != "--units")
      throw std::invalid_argument(name + " はねじりコイルばねの設計には使えません");
    options.units = UnitSystemNamed(value);
    if (!options.units) throw std::invalid_argument(BadValueMessage(name, value, "si、gravity"));
  }
  return options;
}

void PrintReference(const TorsionFile& file, double temperature, UnitSystem units) {
  const MaterialRecord& m = MaterialOf(*file.materials, file.design.MaterialNo);
  std::printf("参考計算\n");
  for (const ReferenceRow& row :
       TorsionReferenceRows(ComputeTorsionReference(file.design, m, temperature), units))
    std::printf("  %s %s %s\n", PadToWidth(row.item, 30).c_str(), row.value.c_str(),
                row.unit.c_str());
}

void PrintTable(const TorsionDesign& t, UnitSystem units) {
  std::printf("ねじりコイルばね\n");
  std::printf("  %-24s %s %d\n", "MaterialNo", PadToWidth("材料番号", 18).c_str(), t.MaterialNo);
  for (const TorsionField& f : TorsionFields()) {
    const std::optional<double> v = FieldValue(t, f);
    const std::string value = v ? FormatFull(ShownTorsionValue(*v, f.quantity, units)) : "―";
    std::printf("  %-24s %s %s %s\n", f.name, PadToWidth(f.label, 18).c_str(), value.c_str(),
                TorsionUnitCaption(f, units).c_str());
  }
}

}  // namespace

TorsionFile LoadTorsionFile(const DesignFileOptions& o) {
  TorsionFile file{std::make_unique<MaterialTable>(), {}, {}};
  ReadRecordFile(o.materialsPath, *file.materials);
  const std::string text = TextOf(ReadWholeFile(o.designPath));
  try {
    file.design = ReadTorsionJson(text, *file.materials, o.slot);
  } catch (const UserError& e) {
    throw UserError(o.designPath + ": " + e.what());
  }
  CalculateTorsion(file.design, *file.materials);
  file.check = CheckTorsion(file.design, *file.materials);
  return file;
}

int RunTorsionCalc(const DesignFileOptions& o) {
  const TorsionCalcOptions options = CalcOptions(o);
  const std::optional<UnitSystem> units = options.units;
  const UnitSystem shown = units.value_or(UnitSystem::Gravitational);
  const TorsionFile file = LoadTorsionFile(o);
  if (o.json) {
    JsonMembers members = TorsionMembers(file.design, shown);
    if (units) members.insert(members.begin() + 1, {"units", JsonString(UnitSystemName(*units))});
    std::vector<std::string> lines;
    for (const std::string& line : file.check.lines) lines.push_back(JsonString(line));
    members.emplace_back("lines", JsonArray(lines));
    std::printf("%s\n", JsonObject(members).c_str());
  } else {
    PrintTable(file.design, shown);
    for (const std::string& line : file.check.lines) std::printf("  %s\n", line.c_str());
    PrintReference(file, options.reference.temperature, shown);
  }
  return file.check.failed ? 1 : 0;
}

int RunTorsionDxf(const DesignFileOptions& o) {
  if (!o.own.empty()) throw std::invalid_argument(o.own.front().first + " は dxf では使えません");
  // Unlike a stored compression design, a torsion design file holds only its inputs: the
  // drawing is made from the design as calc calculates it.
  const TorsionFile file = LoadTorsionFile(o);
  const TorsionViews views = BuildTorsionViews(file.design);
  WriteFileAtomically(o.files[0], DxfTextOf(AllPrimitives(views)));
  return views.groups.empty() ? 1 : 0;
}

}  // namespace coilspring::cli
