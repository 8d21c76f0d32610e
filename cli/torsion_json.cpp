#include "cli/torsion_json.h"

#include <algorithm>
#include <set>

#include "cli/json_reading.h"
#include "core/text/user_error.h"

namespace coilspring::cli {

namespace {

// Keys a written design carries besides its fields: the window's history, the unit system of
// calc --json and its check lines.
const std::set<std::string> kOtherKeys = {"kind", "history", "units", "lines"};

const nlohmann::json& Required(const nlohmann::json& document, const std::string& key) {
  const auto at = document.find(key);
  if (at == document.end()) throw UserError("キー '" + key + "' がありません");
  return *at;
}

double RequiredNumber(const nlohmann::json& document, const std::string& key) {
  return NumberAt(Required(document, key), key);
}

std::optional<double> OptionalNumber(const nlohmann::json& document, const std::string& key) {
  const auto at = document.find(key);
  if (at == document.end() || at->is_null()) return std::nullopt;
  return NumberAt(*at, key);
}

void ReadMaterial(const nlohmann::json& document, const MaterialTable& materials,
                  TorsionDesign& t) {
  t.MaterialNo = IntegerAt(Required(document, "MaterialNo"), "MaterialNo");
  if (t.MaterialNo < 0 || t.MaterialNo >= kMaterialCount ||
      materials[static_cast<std::size_t>(t.MaterialNo)].KindNo == kEmptyKindNo)
    ThrowKeyError("MaterialNo", "材料データベースにある材料の番号");
  t.WireDiameter = RequiredNumber(document, "WireDiameter");
  const MaterialRecord& m = materials[static_cast<std::size_t>(t.MaterialNo)];
  const auto rows = m.WireDiameters.begin() + m.UsableRows();
  if (std::find(m.WireDiameters.begin(), rows, t.WireDiameter) == rows)
    ThrowKeyError("WireDiameter", "材料 " + std::to_string(t.MaterialNo) + " の線径表にある線径");
}

}  // namespace

TorsionDesign ReadTorsionJson(std::string_view text, const MaterialTable& materials) {
  const nlohmann::json document = ParseJsonObject(text);
  std::set<std::string> known = kOtherKeys;
  known.insert({"MaterialNo", "DiameterKind", "InputMode"});
  for (const TorsionField& f : TorsionFields()) known.insert(f.name);
  for (const auto& [key, value] : document.items())
    if (!known.contains(key)) throw UserError("不明なキー '" + key + "' があります");

  TorsionDesign t;
  ReadMaterial(document, materials, t);
  t.DiameterKind = CodeAt<DiameterKind>(Required(document, "DiameterKind"), "DiameterKind");
  const char* diameterKey = EnteredDiameterName(t.DiameterKind);
  t.TotalTurns = RequiredNumber(document, "TotalTurns");
  t.Leg1 = RequiredNumber(document, "Leg1");
  t.Leg2 = RequiredNumber(document, "Leg2");
  t.LoadArm = OptionalNumber(document, "LoadArm");
  t.Rod = OptionalNumber(document, "Rod");
  t.InputMode = CodeAt<InputMode>(Required(document, "InputMode"), "InputMode");
  const bool angles = t.InputMode == kAnglesEntered;
  const double first = RequiredNumber(document, angles ? "Angle1" : "Moment1");
  const double second = RequiredNumber(document, angles ? "Angle2" : "Moment2");
  (angles ? t.Angle1 : t.Moment1) = first;
  (angles ? t.Angle2 : t.Moment2) = second;
  EnteredDiameter(t) = RequiredNumber(document, diameterKey);
  return t;
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
