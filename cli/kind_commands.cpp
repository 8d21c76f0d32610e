#include "cli/kind_commands.h"

#include <cstdio>
#include <iterator>
#include <stdexcept>

#include "cli/compression_commands.h"
#include "cli/conical_commands.h"
#include "cli/extension_commands.h"
#include "cli/reference_json.h"
#include "cli/torsion_commands.h"
#include "core/text/display_width.h"

namespace coilspring::cli {

namespace {

// In the order of SpringKinds().
constexpr KindCommands kKindCommands[] = {
    {SpringKind::Compression, RunCompressionCalc, RunCompressionDxf, CompressionModel},
    {SpringKind::Extension, RunExtensionCalc, RunExtensionDxf, ExtensionModel},
    {SpringKind::Torsion, RunTorsionCalc, RunTorsionDxf, TorsionModel},
    {SpringKind::Conical, RunConicalCalc, RunConicalDxf, ConicalModel},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kKindCommands); ++i)
    if (static_cast<std::size_t>(kKindCommands[i].kind) != i) return false;
  return true;
}
static_assert(InKindOrder(), "one entry per kind, in the order of SpringKind");

}  // namespace

const KindCommands& CommandsOf(SpringKind kind) {
  return kKindCommands[static_cast<std::size_t>(kind)];
}

KindCalcOptions ReadKindCalcOptions(const DesignFileOptions& options, SpringKind kind) {
  KindCalcOptions read;
  for (const auto& [name, value] : options.own) {
    if (TakeReferenceOption(name, value, read.reference)) continue;
    if (name == "--units")
      read.units = UnitsOption(name, value);
    else if (name == "--all")
      throw std::invalid_argument(std::string("--all は") + InfoOf(kind).japaneseName +
                                  "の設計ファイルでは使えません");
  }
  return read;
}

void PrintReferenceRows(const std::vector<ReferenceRow>& rows) {
  for (const ReferenceRow& row : rows)
    std::printf("  %s %s %s\n", PadToWidth(row.item, 30).c_str(), row.value.c_str(),
                row.unit.c_str());
}

void PrintCalcJson(JsonMembers members, std::optional<UnitSystem> units,
                   const std::vector<std::string>& lines,
                   const std::vector<ReferenceRow>* reference) {
  if (units) members.insert(members.begin() + 1, {"units", JsonString(UnitSystemName(*units))});
  if (reference) {
    std::vector<std::string> objects;
    for (const ReferenceRow& row : *reference)
      objects.push_back(JsonObject({{"item", JsonString(row.item)},
                                    {"value", JsonString(row.value)},
                                    {"unit", JsonString(row.unit)}}));
    members.emplace_back("reference", JsonArray(objects));
  }
  std::vector<std::string> quoted;
  for (const std::string& line : lines) quoted.push_back(JsonString(line));
  members.emplace_back("lines", JsonArray(quoted));
  std::printf("%s\n", JsonObject(members).c_str());
}

}  // namespace coilspring::cli
