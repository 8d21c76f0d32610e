#include "json/torsion_json.h"

#include "core/text/user_error.h"
#include "core/torsion/torsion_members.h"
#include "json/json_reading.h"

namespace coilspring {

namespace {

MemberValue ValueOf(const nlohmann::json& document, const std::string& key) {
  const auto at = document.find(key);
  if (at == document.end()) return {};
  if (at->is_null()) return {MemberValue::Kind::Null};
  if (!at->is_number()) return {MemberValue::Kind::Other};
  return {MemberValue::Kind::Number, at->get<double>()};
}

// History slot N of a window's design file is entry N - 1 of its "history"; null is empty.
const nlohmann::json& SlotOf(const nlohmann::json& document, int slot) {
  if (slot == 0) return document;
  const auto history = document.find("history");
  if (history == document.end() || !history->is_array() ||
      static_cast<std::size_t>(slot) > history->size() ||
      (*history)[static_cast<std::size_t>(slot - 1)].is_null())
    throw UserError("履歴 " + std::to_string(slot) + " は空です（設計が入っていません）");
  const nlohmann::json& entry = (*history)[static_cast<std::size_t>(slot - 1)];
  if (!entry.is_object()) ThrowKeyError("history", "設計のオブジェクトの配列");
  return entry;
}

TorsionDesign TorsionDesignOf(const nlohmann::json& document, const MaterialTable& materials) {
  for (const auto& [key, value] : document.items())
    if (!IsTorsionKey(key)) throw UserError(UnknownKeyMessage(key));
  return ReadTorsionMembers([&](const std::string& key) { return ValueOf(document, key); },
                            materials);
}

}  // namespace

TorsionDesign ReadTorsionJson(std::string_view text, const MaterialTable& materials, int slot) {
  const nlohmann::json file = ParseJsonObject(text);
  return TorsionDesignOf(SlotOf(file, slot), materials);
}

TorsionDocument ReadTorsionDocumentJson(std::string_view text, const MaterialTable& materials,
                                        std::size_t historyLimit) {
  const nlohmann::json file = ParseJsonObject(text);
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
