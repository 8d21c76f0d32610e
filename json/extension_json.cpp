#include "json/extension_json.h"

#include <type_traits>

#include "core/calc/fatigue.h"
#include "core/extension/extension_calc.h"
#include "core/records/file_io.h"
#include "core/text/excerpt.h"
#include "json/json_reading.h"

namespace coilspring {

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

// The design of one object of a design file (its top level or a history entry).
ExtensionDesign ExtensionDesignOf(const nlohmann::json& object, const MaterialTable& materials) {
  if (!object.is_object()) ThrowKeyError("history", "設計のオブジェクトの配列");
  ExtensionDesign r;
  for (const auto& [key, value] : object.items())
    if (!IsExtensionDocumentKey(key))
      throw UserError("不明なキー '" + Excerpt(key) + "' があります");
  ExtensionDesign::VisitInputs(r, [&](const FieldInfo& f, auto& value) {
    if (const auto at = object.find(f.name); at != object.end()) ReadValue(*at, f.name, value);
  });
  if (const auto kind = object.find("kind"); kind == object.end() || *kind != "extension")
    ThrowKeyError("kind", " \"extension\"");
  if (const auto history = object.find("history"); history != object.end() && !history->is_array())
    ThrowKeyError("history", "設計の配列");
  if (const auto problem = ExtensionInputProblem(r, materials))
    ThrowKeyError(problem->key, problem->what);
  return r;
}

}  // namespace

ExtensionDesign ReadExtensionDesignJson(std::string_view text, const MaterialTable& materials) {
  return ExtensionDesignOf(ParseJsonObject(text), materials);
}

ExtensionDocument ReadExtensionDocumentJson(std::string_view text, const MaterialTable& materials,
                                            std::size_t historyLimit) {
  return ReadSpringDocument<ExtensionDesign>(
      ParseJsonObject(text), historyLimit,
      [&](const nlohmann::json& object) { return ExtensionDesignOf(object, materials); });
}

std::string ExtensionDocumentText(const ExtensionDocument& document) {
  return SpringDocumentText(document, [](const ExtensionDesign& design) {
    return ExtensionMembers(design, UnitSystem::Gravitational);
  });
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

}  // namespace coilspring
