#include "json/compression_json.h"

#include <set>
#include <type_traits>

#include "core/compression/design_units.h"
#include "core/display/display_units.h"
#include "core/text/excerpt.h"
#include "json/design_fields.h"
#include "json/json_reading.h"
#include "json/json_text.h"

namespace coilspring::cli {

namespace {

// What "calc --json" and "solve --json" print beside the record's fields: read back only to
// check their type, since the design is calculated afresh.
enum class Printed { Integer, Text, Number, Object, Texts, EndKinds };
struct PrintedKey {
  const char* name;
  Printed type;
};
constexpr PrintedKey kPrintedKeys[] = {
    {"slot", Printed::Integer},
    {"rank", Printed::Integer},
    {"LifeClassText", Printed::Text},
    {"Symbol", Printed::Text},
    {"Buckling", Printed::Text},
    {"Mass", Printed::Number},
    {"StressRatio", Printed::Number},
    {"OuterDiameterAtL2", Printed::Number},
    {"NaturalFrequency", Printed::Number},
    {"reference", Printed::Object},
    {"lines", Printed::Texts},
    {"EndKinds", Printed::EndKinds},
    {"kind", Printed::Text},  // the spring kind of a JSON design file: here only "compression"
};

void CheckPrinted(const nlohmann::json& value, const PrintedKey& key) {
  switch (key.type) {
    case Printed::Integer:
      IntegerAt(value, key.name);
      return;
    case Printed::Text:
      if (!value.is_string()) ThrowKeyError(key.name, "文字列");
      return;
    case Printed::Number:
      NumberAt(value, key.name, true);
      return;
    case Printed::Object:
      if (!value.is_object()) ThrowKeyError(key.name, "オブジェクト");
      return;
    case Printed::Texts:
      if (!value.is_array()) ThrowKeyError(key.name, "文字列の配列");
      for (const nlohmann::json& item : value)
        if (!item.is_string()) ThrowKeyError(key.name, "文字列の配列");
      return;
    case Printed::EndKinds:
      if (!value.is_array()) ThrowKeyError(key.name, "座巻きの番号の配列");
      for (const nlohmann::json& item : value) CodeAt<EndKind>(item, key.name);
      return;
  }
}

}  // namespace

JsonMembers DesignMembers(const DesignRecord& design) {
  JsonMembers members;
  // The record holds the units it is to be written in (ShownRecord).
  AppendFields(members, UnitSystem::Gravitational,
               [&](auto&& visitor) { DesignRecord::VisitDesignFields(design, visitor); });
  return members;
}

std::string DesignJson(const DesignRecord& design) { return JsonObject(DesignMembers(design)); }

DesignRecord ReadDesignDocument(const nlohmann::json& document) {
  SpringDesign startUp;
  InitDesign(startUp);
  DesignRecord r = startUp[0];
  r.InUse = 1;
  std::set<std::string> known = {"units"};
  for (const PrintedKey& key : kPrintedKeys) {
    known.insert(key.name);
    if (const auto at = document.find(key.name); at != document.end()) CheckPrinted(*at, key);
  }
  DesignRecord::VisitDesignFields(r, [&](const DesignField& f, auto& value) {
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
  if (const auto kind = document.find("kind"); kind != document.end() && *kind != "compression")
    ThrowKeyError("kind", " \"compression\"（このコマンドでは）");
  for (const auto& [key, value] : document.items())
    if (!known.contains(key)) throw UserError("不明なキー '" + Excerpt(key) + "' があります");
  return StoredRecord(r, UnitsAt(document));
}

DesignRecord ReadDesignJson(std::string_view text) {
  return ReadDesignDocument(ParseJsonObject(text));
}

}  // namespace coilspring::cli
