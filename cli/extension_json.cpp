#include "cli/extension_json.h"

#include <type_traits>

#include "cli/json_reading.h"
#include "core/calc/fatigue.h"
#include "core/extension/extension_calc.h"
#include "core/records/file_io.h"

namespace coilspring::cli {

namespace {

template <class T>
void ReadValue(const nlohmann::json& value, const std::string& key, T& field) {
  if constexpr (std::is_same_v<T, bool>) {
    if (!value.is_boolean()) ThrowKeyError(key, " true か false");
    field = value.get<bool>();
  } else if constexpr (std::is_same_v<T, double>) {
    field = NumberAt(value, key);
  } else if constexpr (StoredCode<T>) {
    field = CodeAt<T>(value, key);
  } else {
    field = IntegerAt(value, key);
  }
}

}  // namespace

ExtensionDesign ReadExtensionDesignJson(std::string_view text, const MaterialTable& materials) {
  const nlohmann::json document = ParseJsonObject(text);
  ExtensionDesign r;
  for (const auto& [key, value] : document.items())
    if (!IsExtensionDocumentKey(key)) throw UserError("不明なキー '" + key + "' があります");
  ExtensionDesign::VisitInputs(r, [&](const FieldInfo& f, auto& value) {
    if (const auto at = document.find(f.name); at != document.end()) ReadValue(*at, f.name, value);
  });
  if (const auto kind = document.find("kind"); kind == document.end() || *kind != "extension")
    ThrowKeyError("kind", " \"extension\"");
  if (const auto history = document.find("history");
      history != document.end() && !history->is_array())
    ThrowKeyError("history", "設計の配列");
  if (const auto problem = UnlistedInput(r, materials)) ThrowKeyError(problem->key, problem->what);
  return r;
}

ExtensionDesign ReadExtensionDesignFile(const std::string& path, const MaterialTable& materials) {
  const std::string text = ReadTextTable(path);
  try {
    return ReadExtensionDesignJson(text, materials);
  } catch (const UserError& e) {
    throw UserError(path + ": " + e.what());
  }
}

JsonMembers ExtensionMembers(const ExtensionDesign& design, UnitSystem units) {
  JsonMembers members{{"kind", JsonString("extension")}};
  ExtensionDesign::VisitFields(design, [&](const FieldInfo& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, bool>) {
      members.emplace_back(f.name, value ? "true" : "false");
    } else if constexpr (std::is_same_v<T, double>) {
      const auto quantity = QuantityOfUnit(f.unit);
      members.emplace_back(f.name,
                           JsonNumber(quantity ? ShownValue(value, *quantity, units) : value));
    } else if constexpr (StoredCode<T>) {
      members.emplace_back(f.name, std::to_string(RawOf(value)));
    } else {
      members.emplace_back(f.name, std::to_string(value));
    }
  });
  members.emplace_back("LifeClassText", JsonString(LifeClassText(design.LifeClass)));
  return members;
}

}  // namespace coilspring::cli
