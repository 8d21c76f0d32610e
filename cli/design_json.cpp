#include "cli/design_json.h"

#include <set>
#include <type_traits>

#include "cli/json_reading.h"
#include "cli/json_text.h"

namespace coilspring::cli {

namespace {

// Keys that "design export" and "calc --json" write beside the record's fields.
// "kind" names the spring kind of a JSON design file: here always the compression spring.
const std::set<std::string> kCalculatedKeys = {"slot",  "LifeClassText", "reference",
                                               "lines", "Mass",          "kind"};

// Integers, codes and reals: every field but the reserved bytes.
template <class Record, class Visitor>
void ForEachNumber(Record& r, Visitor&& visit) {
  DesignRecord::VisitFields(r, [&](const FieldInfo& info, auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, double> || StoredCode<T>)
      visit(info, value);
  });
}

}  // namespace

JsonMembers DesignMembers(const DesignRecord& design) {
  JsonMembers members;
  ForEachNumber(design, [&](const FieldInfo& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, double>)
      members.emplace_back(f.name, JsonNumber(value));
    else if constexpr (StoredCode<T>)
      members.emplace_back(f.name, std::to_string(RawOf(value)));
    else
      members.emplace_back(f.name, std::to_string(value));
  });
  return members;
}

std::string DesignJson(const DesignRecord& design) { return JsonObject(DesignMembers(design)); }

DesignRecord ReadDesignJson(std::string_view text) {
  const nlohmann::json document = ParseJsonObject(text);
  SpringDesign startUp;
  InitDesign(startUp);
  DesignRecord r = startUp[0];
  r.InUse = 1;
  std::set<std::string> known = kCalculatedKeys;
  ForEachNumber(r, [&](const FieldInfo& f, auto& value) {
    using T = std::decay_t<decltype(value)>;
    known.insert(f.name);
    const auto at = document.find(f.name);
    if (at == document.end()) return;
    if constexpr (std::is_same_v<T, double>)
      value = NumberAt(*at, f.name, true);
    else if constexpr (StoredCode<T>)
      value = CodeAt<T>(*at, f.name);
    else
      value = IntegerAt(*at, f.name);
  });
  for (const auto& [key, value] : document.items())
    if (!known.contains(key)) throw UserError("不明なキー '" + key + "' があります");
  return r;
}

}  // namespace coilspring::cli
