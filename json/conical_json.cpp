#include "json/conical_json.h"

#include "core/calc/fatigue.h"
#include "core/conical/conical_calc.h"
#include "json/design_fields.h"
#include "json/json_reading.h"

namespace coilspring {

namespace {

ConicalDesign ConicalDesignOf(const nlohmann::json& object, const MaterialTable& materials) {
  if (!object.is_object()) ThrowKeyError("history", "設計のオブジェクトの配列");
  RefuseUnknownKeys<ConicalDesign>(
      object, {"units", "kind", "history", "LifeClassText", "reference", "lines"});
  ConicalDesign r;
  ReadDesignFields(object, r, MissingInput::KeepsItsValue,
                   [](const ConicalDesign&, const DesignField&) { return true; });
  if (const auto kind = object.find("kind"); kind == object.end() || *kind != "conical")
    ThrowKeyError("kind", " \"conical\"");
  if (const auto history = object.find("history"); history != object.end() && !history->is_array())
    ThrowKeyError("history", "設計の配列");
  if (const auto problem = ConicalInputProblem(r, materials))
    ThrowKeyError(problem->key, problem->what);
  if (const auto refusal = TelescopingRefusal(r)) throw UserError(*refusal);
  return r;
}

}  // namespace

ConicalDesign ReadConicalDesignJson(std::string_view text, const MaterialTable& materials) {
  return ConicalDesignOf(ParseJsonObject(text), materials);
}

ConicalDocument ReadConicalDocument(const nlohmann::json& file, const MaterialTable& materials,
                                    std::size_t historyLimit) {
  return ReadSpringDocument<ConicalDesign>(file, historyLimit, [&](const nlohmann::json& object) {
    return ConicalDesignOf(object, materials);
  });
}

ConicalDocument ReadConicalDocumentJson(std::string_view text, const MaterialTable& materials,
                                        std::size_t historyLimit) {
  return ReadConicalDocument(ParseJsonObject(text), materials, historyLimit);
}

std::string ConicalDocumentText(const ConicalDocument& document) {
  return SpringDocumentText(document, [](const ConicalDesign& design) {
    return ConicalMembers(design, UnitSystem::Gravitational);
  });
}

JsonMembers ConicalMembers(const ConicalDesign& design, UnitSystem units) {
  JsonMembers members{{"kind", JsonString("conical")}};
  AppendDesignFields(members, design, units);
  members.emplace_back("LifeClassText", JsonString(LifeClassText(design.LifeClass)));
  return members;
}

}  // namespace coilspring
