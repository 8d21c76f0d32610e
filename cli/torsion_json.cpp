#include "cli/torsion_json.h"

#include "cli/json_reading.h"
#include "core/text/user_error.h"
#include "core/torsion/torsion_members.h"

namespace coilspring::cli {

namespace {

MemberValue ValueOf(const nlohmann::json& document, const std::string& key) {
  const auto at = document.find(key);
  if (at == document.end()) return {};
  if (at->is_null()) return {MemberValue::Kind::Null};
  if (!at->is_number()) return {MemberValue::Kind::Other};
  return {MemberValue::Kind::Number, at->get<double>()};
}

}  // namespace

TorsionDesign ReadTorsionJson(std::string_view text, const MaterialTable& materials) {
  const nlohmann::json document = ParseJsonObject(text);
  for (const auto& [key, value] : document.items())
    if (!IsTorsionKey(key)) throw UserError(UnknownKeyMessage(key));
  return ReadTorsionMembers([&](const std::string& key) { return ValueOf(document, key); },
                            materials);
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

}  // namespace coilspring::cli
