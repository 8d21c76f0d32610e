#include "core/search/search_kinds.h"

#include <array>

#include "core/compression/compression_search.h"
#include "core/extension/extension_search.h"
#include "core/text/excerpt.h"
#include "core/torsion/torsion_search.h"

namespace coilspring {

namespace {

// The keys every kind's document takes, in the order the window's form shows them.
#define COMMON_KEYS                                                               \
  {"materials", "材料", "", ""}, {"kinds", "材料の種類", "", ""},                 \
      {"loadUnit", "荷重の単位", "", ""}, {"rank", "並べ方", "", ""},             \
      {"top", "表示する件数", "", ""}, {"loadTolerance", "荷重の許容差", "", ""}, \
      {"bore", "穴径", "mm 以下", ""}, {"meanDiameter", "平均径", "mm", ""}, {    \
    "springIndex", "バネ指数", "", ""                                             \
  }

constexpr RequirementKey kCompressionKeys[] = {
    COMMON_KEYS,
    {"P1", "荷重（Ｐ１）", "", ""},
    {"L1", "長さ（Ｌ１）", "mm", ""},
    {"P2", "荷重（Ｐ２）", "", ""},
    {"L2", "長さ（Ｌ２）", "mm", ""},
    {"endKinds", "座巻き", "", ""},
    {"rod", "軸径", "mm 以上", ""},
    {"maxFreeLength", "最大自由長さ", "mm", ""},
    {"lifeAtLeast", "期待寿命", "", ""},
    {"seating", "座屈（L2）", "", ""},
    {"minNaturalFrequency", "固有振動数", "Hz 以上", ""},
    {"worstCaseGrade", "最悪ケースの等級", "", ""},
};

constexpr RequirementKey kExtensionKeys[] = {
    COMMON_KEYS,
    {"P1", "荷重（Ｐ１）", "", ""},
    {"L1", "長さ（Ｌ１）", "mm", ""},
    {"P2", "荷重（Ｐ２）", "", ""},
    {"L2", "長さ（Ｌ２）", "mm", ""},
    {"hookKinds", "フック形状", "", "0"},
    {"maxFreeLength", "最大自由長さ", "mm", ""},
    {"lifeAtLeast", "期待寿命", "", ""},
    {"initialTension", "初張力", "", "band"},
};

constexpr RequirementKey kTorsionKeys[] = {
    COMMON_KEYS,
    {"M1", "モーメント（Ｍ１）", "·mm", ""},
    {"M2", "モーメント（Ｍ２）", "·mm", ""},
    {"stroke", "Ｍ１→Ｍ２の角度", "°", ""},
    {"Leg1", "腕の長さ1", "mm", ""},
    {"Leg2", "腕の長さ2", "mm", ""},
    {"LoadArm", "荷重点の腕の長さ", "mm", ""},
    {"rod", "軸径（θ2 の内径）", "mm 以上", ""},
    {"maxBodyLength", "θ2 でのコイル長さ", "mm 以下", ""},
    {"upperStressRatio", "上限応力係数の警告", "", "allow"},
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

const KindSearchInfo& SearchOf(SpringKind kind) {
  for (const KindSearchInfo& search : kSearches)
    if (search.kind == kind) return search;
  return kSearches.front();
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
