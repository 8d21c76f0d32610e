#include "core/search/search_kinds.h"

#include <array>
#include <stdexcept>
#include <string>

#include "core/compression/compression_search.h"
#include "core/extension/extension_search.h"
#include "core/text/excerpt.h"
#include "core/torsion/torsion_search.h"

namespace coilspring {

namespace {

// The keys every kind's document takes, in the order the window's form shows them.
// clang-format off
#define COMMON_KEYS                                                        \
  {"materials", RequirementForm::Texts, "材料（記号）", "", ""},           \
  {"kinds", RequirementForm::Texts, "材料の種類", "", ""},                 \
  {"loadUnit", RequirementForm::Word, "荷重の単位", "", ""},               \
  {"rank", RequirementForm::Word, "並べ方", "", ""},                       \
  {"top", RequirementForm::Number, "表示する件数", "", "30"},              \
  {"loadTolerance", RequirementForm::Number, "荷重の許容差", "割合", "0.05"}, \
  {"bore", RequirementForm::Number, "穴径", "mm 以下", ""},                \
  {"meanDiameter", RequirementForm::Range, "平均径", "mm", ""}
// clang-format on

constexpr RequirementKey kCompressionKeys[] = {
    COMMON_KEYS,
    {"springIndex", RequirementForm::Range, "バネ指数", "", ""},
    {"P1", RequirementForm::Number, "荷重（Ｐ１）", "", ""},
    {"L1", RequirementForm::Number, "長さ（Ｌ１）", "mm", ""},
    {"P2", RequirementForm::Number, "荷重（Ｐ２）", "", ""},
    {"L2", RequirementForm::Number, "長さ（Ｌ２）", "mm", ""},
    {"endKinds", RequirementForm::Codes, "座巻き", "", ""},
    {"rod", RequirementForm::Number, "軸径", "mm 以上", ""},
    {"maxFreeLength", RequirementForm::Number, "最大自由長さ", "mm", ""},
    {"lifeAtLeast", RequirementForm::Word, "期待寿命", "", ""},
    {"seating", RequirementForm::Number, "座屈（L2）", "", ""},
    {"minNaturalFrequency", RequirementForm::Number, "固有振動数", "Hz 以上", ""},
    {"worstCaseGrade", RequirementForm::Number, "最悪ケースの等級", "", ""},
};

constexpr RequirementKey kExtensionKeys[] = {
    COMMON_KEYS,
    // The form shows the range the search takes when the box is left as it is.
    {"springIndex", RequirementForm::Range, "バネ指数", "", "4, 16"},
    {"P1", RequirementForm::Number, "荷重（Ｐ１）", "", ""},
    {"L1", RequirementForm::Number, "長さ（Ｌ１）", "mm", ""},
    {"P2", RequirementForm::Number, "荷重（Ｐ２）", "", ""},
    {"L2", RequirementForm::Number, "長さ（Ｌ２）", "mm", ""},
    {"hookKinds", RequirementForm::Codes, "フック形状", "", "0"},
    {"maxFreeLength", RequirementForm::Number, "最大自由長さ", "mm", ""},
    {"lifeAtLeast", RequirementForm::Word, "期待寿命", "", ""},
    {"initialTension", RequirementForm::Word, "初張力", "", "band"},
};

constexpr RequirementKey kTorsionKeys[] = {
    COMMON_KEYS,
    // The form shows the range the search takes when the box is left as it is.
    {"springIndex", RequirementForm::Range, "バネ指数", "", "4, 16"},
    {"M1", RequirementForm::Number, "モーメント（Ｍ１）", "·mm", ""},
    {"M2", RequirementForm::Number, "モーメント（Ｍ２）", "·mm", ""},
    {"stroke", RequirementForm::Number, "Ｍ１→Ｍ２の角度", "°", ""},
    {"Leg1", RequirementForm::Number, "腕の長さ1", "mm", ""},
    {"Leg2", RequirementForm::Number, "腕の長さ2", "mm", ""},
    {"LoadArm", RequirementForm::Number, "荷重点の腕の長さ", "mm", ""},
    {"rod", RequirementForm::Number, "軸径（θ2 の内径）", "mm 以上", ""},
    {"maxBodyLength", RequirementForm::Number, "θ2 でのコイル長さ", "mm 以下", ""},
    {"upperStressRatio", RequirementForm::Word, "上限応力係数の警告", "", "allow"},
};
#undef COMMON_KEYS

template <class Rank, std::size_t N>
std::array<SearchRank, N> RanksOf(const std::array<Rank, N>& ranks) {
  std::array<SearchRank, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = {RankKey(ranks[i]), RankName(ranks[i])};
  return out;
}

const auto kCompressionRanks = RanksOf(kRankings);
const auto kExtensionRankList = RanksOf(kExtensionRanks);
const auto kTorsionRankList = RanksOf(kTorsionRanks);

const std::array<KindSearchInfo, 3> kSearches = {{
    {SpringKind::Compression, kCompressionKeys, kCompressionRanks},
    {SpringKind::Extension, kExtensionKeys, kExtensionRankList},
    {SpringKind::Torsion, kTorsionKeys, kTorsionRankList},
}};

}  // namespace

std::span<const KindSearchInfo> SearchKinds() { return kSearches; }

bool HasSearch(SpringKind kind) {
  for (const KindSearchInfo& search : kSearches)
    if (search.kind == kind) return true;
  return false;
}

const KindSearchInfo& SearchOf(SpringKind kind) {
  for (const KindSearchInfo& search : kSearches)
    if (search.kind == kind) return search;
  // Checking a document against another kind's keys would pass wrong keys silently.
  throw std::logic_error(std::string("no design search for ") + InfoOf(kind).jsonName);
}

std::string SearchableKindChoices() {
  std::string choices;
  for (const KindSearchInfo& search : kSearches)
    choices += (choices.empty() ? "\"" : "、\"") + std::string(InfoOf(search.kind).jsonName) + "\"";
  return choices;
}

const RequirementKey* FindRequirementKey(const KindSearchInfo& search, std::string_view key) {
  for (const RequirementKey& k : search.keys)
    if (key == k.name) return &k;
  return nullptr;
}

std::string ForeignKeyMessage(const KindSearchInfo& search, std::string_view key) {
  if (FindRequirementKey(search, key) != nullptr) return {};
  for (const KindSearchInfo& other : kSearches)
    if (FindRequirementKey(other, key) != nullptr)
      return "キー '" + Excerpt(key) + "' は" + InfoOf(other.kind).japaneseName +
             "の要求のキーで、" + InfoOf(search.kind).japaneseName + "にはありません";
  return "不明なキー '" + Excerpt(key) + "' があります";
}

}  // namespace coilspring
