#include "json/requirements_json.h"

#include <map>
#include <string>

#include "core/calc/fatigue.h"
#include "core/compression/reference.h"
#include "core/search/search_kinds.h"
#include "core/text/excerpt.h"
#include "core/text/sjis.h"
#include "json/json_reading.h"

namespace coilspring {

namespace {

using nlohmann::json;

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

SpringKind KindAt(const json& document) {
  const json* v = Find(document, "kind");
  if (v == nullptr) return SpringKind::Compression;
  const auto kind = v->is_string() ? SpringKindNamed(v->get<std::string>()) : std::nullopt;
  // A kind the program calculates but cannot search is refused as plainly as an unknown one.
  if (!kind || !HasSearch(*kind))
    ThrowKeyError("kind", std::string(" ") + SearchableKindChoices() + " のどれか");
  return *kind;
}

// The document of `kind`: every key must be one of the kind's.
json KindDocument(std::string_view text, SpringKind kind) {
  json document = ParseJsonObject(text);
  if (KindAt(document) != kind)
    ThrowKeyError("kind", std::string(" \"") + InfoOf(kind).jsonName + "\"");
  const KindSearchInfo& search = SearchOf(kind);
  for (const auto& [key, value] : document.items())
    if (key != "kind")
      if (std::string message = ForeignKeyMessage(search, key); !message.empty())
        throw UserError(message);
  return document;
}

// The materials of "materials" (symbols) and "kinds" (kind names).
std::vector<int> MaterialsAt(const json& document, const MaterialTable& materials) {
  std::vector<int> numbers;
  if (const json* v = Find(document, "materials"))
    numbers = MaterialsNamed(materials, TextsAt(*v, "materials"), false, "materials");
  if (const json* v = Find(document, "kinds")) {
    const std::vector<int> more = MaterialsNamed(materials, TextsAt(*v, "kinds"), true, "kinds");
    numbers.insert(numbers.end(), more.begin(), more.end());
  }
  return numbers;
}

LoadUnit LoadUnitAt(const json& document) {
  const json* v = Find(document, "loadUnit");
  if (v == nullptr || *v == "N") return LoadUnit::Newton;
  if (*v == "kgf") return LoadUnit::Kgf;
  ThrowKeyError("loadUnit", " \"N\" か \"kgf\" ");
}

std::int32_t LifeClassAt(const json& v) {
  for (int c = 0; c < kLifeClassCount && v.is_string(); ++c)
    if (v == LifeClassNames[c]) return c;
  ThrowKeyError("lifeAtLeast", "期待寿命の表記（\"1000万\"、\"100万\"、…、\"1万以下\"）");
}

// The rank `key` names among the kind's rankings.
template <class Rank, std::size_t N>
Rank RankAt(const json& document, const std::array<Rank, N>& ranks) {
  const json* v = Find(document, "rank");
  if (v == nullptr) return ranks.front();
  std::string choices;
  for (const Rank rank : ranks) {
    if (v->is_string() && *v == RankKey(rank)) return rank;
    choices += (choices.empty() ? " \"" : "、\"") + std::string(RankKey(rank)) + "\"";
  }
  ThrowKeyError("rank", choices + " のどれか");
}

// One of two words: true for `yes`.
bool WordAt(const json& document, const char* key, const char* yes, const char* no, bool absent) {
  const json* v = Find(document, key);
  if (v == nullptr) return absent;
  if (*v == yes) return true;
  if (*v == no) return false;
  ThrowKeyError(key, std::string(" \"") + yes + "\" か \"" + no + "\"");
}

}  // namespace

SpringKind RequirementKindOf(std::string_view text) { return KindAt(ParseJsonObject(text)); }

ExtensionRequirements ReadExtensionRequirementsJson(std::string_view text,
                                                    const MaterialTable& materials) {
  const json document = KindDocument(text, SpringKind::Extension);
  ExtensionRequirements q;
  q.materials = MaterialsAt(document, materials);
  q.loadUnit = LoadUnitAt(document);
  if (const json* v = Find(document, "hookKinds")) {
    if (!v->is_array()) ThrowKeyError("hookKinds", "フック形状の番号 0～3 の配列");
    q.hookKinds.clear();
    for (const json& item : *v) q.hookKinds.push_back(CodeAt<HookKind>(item, "hookKinds"));
  }
  q.P1 = Required(document, "P1");
  q.L1 = Required(document, "L1");
  q.P2 = Required(document, "P2");
  q.L2 = Required(document, "L2");
  if (const auto v = Optional(document, "loadTolerance")) q.loadTolerance = *v;
  q.bore = Optional(document, "bore");
  q.maxFreeLength = Optional(document, "maxFreeLength");
  if (const json* v = Find(document, "meanDiameter")) q.meanDiameter = RangeAt(*v, "meanDiameter");
  if (const json* v = Find(document, "springIndex")) q.springIndex = RangeAt(*v, "springIndex");
  if (const json* v = Find(document, "lifeAtLeast")) q.lifeAtLeast = LifeClassAt(*v);
  q.initialTensionInBand = WordAt(document, "initialTension", "band", "any", true);
  q.rank = RankAt(document, kExtensionRanks);
  if (const json* v = Find(document, "top")) q.top = IntegerAt(*v, "top");
  return q;
}

TorsionRequirements ReadTorsionRequirementsJson(std::string_view text,
                                                const MaterialTable& materials) {
  const json document = KindDocument(text, SpringKind::Torsion);
  TorsionRequirements q;
  q.materials = MaterialsAt(document, materials);
  q.loadUnit = LoadUnitAt(document);
  q.M1 = Required(document, "M1");
  q.M2 = Required(document, "M2");
  q.stroke = Required(document, "stroke");
  q.Leg1 = Required(document, "Leg1");
  q.Leg2 = Required(document, "Leg2");
  q.LoadArm = Optional(document, "LoadArm");
  q.rod = Optional(document, "rod");
  q.bore = Optional(document, "bore");
  q.maxBodyLength = Optional(document, "maxBodyLength");
  if (const auto v = Optional(document, "loadTolerance")) q.loadTolerance = *v;
  if (const json* v = Find(document, "meanDiameter")) q.meanDiameter = RangeAt(*v, "meanDiameter");
  if (const json* v = Find(document, "springIndex")) q.springIndex = RangeAt(*v, "springIndex");
  q.refuseUpperStress = WordAt(document, "upperStressRatio", "refuse", "allow", false);
  q.rank = RankAt(document, kTorsionRanks);
  if (const json* v = Find(document, "top")) q.top = IntegerAt(*v, "top");
  return q;
}

SearchRequirements ReadRequirementsJson(std::string_view text, const MaterialTable& materials) {
  const json document = KindDocument(text, SpringKind::Compression);

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

}  // namespace coilspring
