#include "json/extension_json.h"

#include "core/calc/fatigue.h"
#include "core/extension/extension_calc.h"
#include "json/design_fields.h"
#include "json/json_reading.h"

namespace coilspring {

namespace {

// The design of one object of a design file (its top level or a history entry).
ExtensionDesign ExtensionDesignOf(const nlohmann::json& object, const MaterialTable& materials) {
  if (!object.is_object()) ThrowKeyError("history", "設計のオブジェクトの配列");
  RefuseUnknownKeys<ExtensionDesign>(
      object, {"units", "kind", "history", "LifeClassText", "reference", "lines"});
  ExtensionDesign r;
  ReadDesignFields(object, r, MissingInput::KeepsItsValue,
                   [](const ExtensionDesign&, const DesignField&) { return true; });
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

ExtensionDocument ReadExtensionDocument(const nlohmann::json& file, const MaterialTable& materials,
                                        std::size_t historyLimit) {
  return ReadSpringDocument<ExtensionDesign>(file, historyLimit, [&](const nlohmann::json& object) {
    return ExtensionDesignOf(object, materials);
  });
}

ExtensionDocument ReadExtensionDocumentJson(std::string_view text, const MaterialTable& materials,
                                            std::size_t historyLimit) {
  return ReadExtensionDocument(ParseJsonObject(text), materials, historyLimit);
}

std::string ExtensionDocumentText(const ExtensionDocument& document) {
  return SpringDocumentText(document, [](const ExtensionDesign& design) {
    return ExtensionMembers(design, UnitSystem::Gravitational);
  });
}

JsonMembers ExtensionMembers(const ExtensionDesign& design, UnitSystem units) {
  JsonMembers members{{"kind", JsonString("extension")}};
  AppendDesignFields(members, design, units);
  members.emplace_back("LifeClassText", JsonString(LifeClassText(design.LifeClass)));
  return members;
}

}  // namespace coilspring
