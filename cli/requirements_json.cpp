#include "cli/requirements_json.h"

#include <map>
#include <set>
#include <string>

#include "core/calc/fatigue.h"
#include "core/compression/reference.h"
#include "core/text/excerpt.h"
#include "core/text/sjis.h"
#include "json/json_reading.h"

namespace coilspring::cli {

namespace {

using nlohmann::json;

const std::set<std::string> kKeys = {"materials",
                                     "kinds",
                                     "endKinds",
                                     "loadUnit",
                                     "P1",
                                     "L1",
                                     "P2",
                                     "L2",
                                     "loadTolerance",
                                     "bore",
                                     "rod",
                                     "maxFreeLength",
                                     "meanDiameter",
                                     "lifeAtLeast",
                                     "springIndex",
                                     "seating",
                                     "minNaturalFrequency",
                                     "rank",
                                     "top",
                                     "worstCaseGrade"};

const json* Find(const json& document, const char* key) {
  const auto at = document.find(key);
  return at == document.end() ? nullptr : &*at;
}

double Required(const json& document, const char* key) {
  const json* value = Find(document, key);
  if (value == nullptr) throw UserError(std::string("キー '") + key + "' がありません");
  return NumberAt(*value, key);
}

std::optional<double> Optional(const json& document, const char* key) {
  const json* value = Find(document, key);
  if (value == nullptr || value->is_null()) return std::nullopt;
  return NumberAt(*value, key);
}

ValueRange RangeAt(const json& value, const char* key) {
  if (!value.is_array() || value.size() != 2 || !value[0].is_number() || !value[1].is_number())
    ThrowKeyError(key, " [最小, 最大] の 2 つの数値");
  return {value[0].get<double>(), value[1].get<double>()};
}

std::vector<std::string> TextsAt(const json& value, const char* key) {
  if (!value.is_array()) ThrowKeyError(key, "文字列の配列");
  std::vector<std::string> texts;
  for (const json& item : value) {
    if (!item.is_string()) ThrowKeyError(key, "文字列の配列");
    texts.push_back(item.get<std::string>());
  }
  return texts;
}

// Materials the lists show, by their symbol or kind name (UTF-8).
std::vector<int> MaterialsNamed(const MaterialTable& materials,
                                const std::vector<std::string>& names, bool byKind,
                                const char* key) {
  std::vector<int> numbers;
  const std::vector<int> listed = SearchableMaterials(materials);
  for (const std::string& name : names) {
    bool found = false;
    for (const int n : listed) {
      const auto& text = byKind ? materials[n].KindName : materials[n].Symbol;
      if (SjisToUtf8(text.Raw()) != name) continue;
      numbers.push_back(n);
      found = true;
    }
    if (!found)
      throw UserError(std::string("キー '") + key + "': " + (byKind ? "材料の種類 '" : "材料 '") +
                      Excerpt(name) + "' はデータベースにありません");
  }
  return numbers;
}

}  // namespace

SearchRequirements ReadRequirementsJson(std::string_view text, const MaterialTable& materials) {
  const json document = ParseJsonObject(text);
  for (const auto& [key, value] : document.items())
    if (!kKeys.contains(key)) throw UserError("不明なキー '" + Excerpt(key) + "' があります");

  SearchRequirements q;
  if (const json* v = Find(document, "materials"))
    q.materials = MaterialsNamed(materials, TextsAt(*v, "materials"), false, "materials");
  if (const json* v = Find(document, "kinds")) {
    const std::vector<int> more = MaterialsNamed(materials, TextsAt(*v, "kinds"), true, "kinds");
    q.materials.insert(q.materials.end(), more.begin(), more.end());
  }
  if (const json* v = Find(document, "endKinds")) {
    if (!v->is_array()) ThrowKeyError("endKinds", "座巻きの番号 0～6 の配列");
    for (const json& item : *v) q.endKinds.push_back(CodeAt<EndKind>(item, "endKinds"));
  }
  if (const json* v = Find(document, "loadUnit")) {
    if (*v == "N")
      q.loadUnit = LoadUnit::Newton;
    else if (*v == "kgf")
      q.loadUnit = LoadUnit::Kgf;
    else
      ThrowKeyError("loadUnit", " \"N\" か \"kgf\" ");
  }
  q.P1 = Required(document, "P1");
  q.L1 = Required(document, "L1");
  q.P2 = Required(document, "P2");
  q.L2 = Required(document, "L2");
  if (const auto v = Optional(document, "loadTolerance")) q.loadTolerance = *v;
  q.bore = Optional(document, "bore");
  q.rod = Optional(document, "rod");
  q.maxFreeLength = Optional(document, "maxFreeLength");
  q.minNaturalFrequency = Optional(document, "minNaturalFrequency");
  if (const json* v = Find(document, "meanDiameter")) q.meanDiameter = RangeAt(*v, "meanDiameter");
  if (const json* v = Find(document, "springIndex")) q.springIndex = RangeAt(*v, "springIndex");
  if (const json* v = Find(document, "lifeAtLeast")) {
    bool found = false;
    for (int c = 0; c < kLifeClassCount && v->is_string(); ++c) {
      if (*v != LifeClassNames[c]) continue;
      q.lifeAtLeast = c;
      found = true;
    }
    if (!found)
      ThrowKeyError("lifeAtLeast", "期待寿命の表記（\"1000万\"、\"100万\"、…、\"1万以下\"）");
  }
  if (const json* v = Find(document, "seating")) {
    bool found = false;
    for (const Seating s : kSeatings) {
      if (!v->is_number() || v->get<double>() != SeatingFactor(s)) continue;
      q.seating = s;
      found = true;
    }
    if (!found) ThrowKeyError("seating", "座りの係数 0.5、0.7、1、2 のどれか");
  }
  if (const json* v = Find(document, "rank")) {
    const auto rank = v->is_string() ? RankByKey(v->get<std::string>()) : std::nullopt;
    if (!rank) ThrowKeyError("rank", " \"mass\"、\"life\"、\"margin\"、\"solid\" のどれか");
    q.rank = *rank;
  }
  if (const json* v = Find(document, "top")) q.top = IntegerAt(*v, "top");
  if (const json* v = Find(document, "worstCaseGrade"); v != nullptr && !v->is_null()) {
    const int grade = IntegerAt(*v, "worstCaseGrade");
    if (grade < 1 || grade > kToleranceGrades) ThrowKeyError("worstCaseGrade", " 1、2、3 のどれか");
    q.worstCaseGrade = grade;
  }
  return q;
}

}  // namespace coilspring::cli
