#include "json/torsion_json.h"

#include "core/records/input_problem.h"
#include "core/text/user_error.h"
#include "core/torsion/torsion_calc.h"
#include "json/design_fields.h"
#include "json/json_reading.h"

namespace coilspring {

namespace {

// The inputs the design's codes ask for: the diameter of its DiameterKind, and the angles or the
// moments of its InputMode.
bool ReadsField(const TorsionDesign& t, const DesignField& f) {
  const std::string_view key = f.name;
  if (key.ends_with("Diameter") && key != "WireDiameter")
    return key == EnteredDiameterName(t.DiameterKind);
  if (key.starts_with("Angle")) return t.InputMode == kAnglesEntered;
  if (key.starts_with("Moment")) return t.InputMode != kAnglesEntered;
  return true;
}

TorsionDesign TorsionDesignOf(const nlohmann::json& document, const MaterialTable& materials) {
  RefuseUnknownKeys<TorsionDesign>(document, {"kind", "history", "units", "lines"});
  TorsionDesign t;
  ReadDesignFields(document, t, MissingInput::IsRefused, ReadsField);
  if (const std::optional<InputProblem> problem = TorsionInputProblem(t, materials))
    throw UserError(InputProblemMessage(*problem));
  return t;
}

}  // namespace

TorsionDocument ReadTorsionDocumentJson(std::string_view text, const MaterialTable& materials,
                                        std::size_t historyLimit) {
  return ReadTorsionDocument(ParseJsonObject(text), materials, historyLimit);
}

TorsionDocument ReadTorsionDocument(const nlohmann::json& file, const MaterialTable& materials,
                                    std::size_t historyLimit) {
  if (const auto kind = file.find("kind"); kind == file.end() || *kind != kTorsionKind)
    throw UserError("ねじりコイルばねの設計ファイルではありません（\"kind\": \"torsion\"）");
  return ReadSpringDocument<TorsionDesign>(file, historyLimit, [&](const nlohmann::json& object) {
    return TorsionDesignOf(object, materials);
  });
}

std::string TorsionDocumentText(const TorsionDocument& document) {
  return SpringDocumentText(document, [](const TorsionDesign& design) {
    return TorsionMembers(design, UnitSystem::Gravitational);
  });
}

JsonMembers TorsionMembers(const TorsionDesign& t, UnitSystem units) {
  JsonMembers members{{"kind", JsonString(kTorsionKind)}};
  AppendDesignFields(members, t, units);
  return members;
}

}  // namespace coilspring
