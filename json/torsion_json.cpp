#include "json/torsion_json.h"

#include "core/text/user_error.h"
#include "core/torsion/torsion_members.h"
#include "json/json_reading.h"

namespace coilspring {

namespace {

// The member `key` of the document, a moment or load read in `units` as the design keeps it.
MemberValue ValueOf(const nlohmann::json& document, const std::string& key, UnitSystem units) {
  const auto at = document.find(key);
  if (at == document.end()) return {};
  if (at->is_null()) return {MemberValue::Kind::Null};
  if (!at->is_number()) return {MemberValue::Kind::Other};
  double number = at->get<double>();
  for (const TorsionField& f : TorsionFields())
    if (key == f.name) number = StoredTorsionValue(number, f.quantity, units);
  return {MemberValue::Kind::Number, number};
}

TorsionDesign TorsionDesignOf(const nlohmann::json& document, const MaterialTable& materials) {
  for (const auto& [key, value] : document.items())
    if (!IsTorsionKey(key)) throw UserError(UnknownKeyMessage(key));
  const UnitSystem units = UnitsAt(document);
  return ReadTorsionMembers([&](const std::string& key) { return ValueOf(document, key, units); },
                            materials);
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
  JsonMembers members{{"kind", JsonString(kTorsionKind)},
                      {"MaterialNo", std::to_string(t.MaterialNo)},
                      {"DiameterKind", std::to_string(RawOf(t.DiameterKind))},
                      {"InputMode", std::to_string(RawOf(t.InputMode))}};
  for (const TorsionField& f : TorsionFields())
    if (const std::optional<double> v = FieldValue(t, f))
      members.emplace_back(f.name, JsonNumber(ShownTorsionValue(*v, f.quantity, units)));
  return members;
}

}  // namespace coilspring
