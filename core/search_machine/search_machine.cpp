#include "core/search_machine/search_machine.h"

#include <cmath>

#include "core/calc/reference_values.h"

namespace coilspring {

namespace {

// No wire table reaches coils this large; an index range or a bore beyond them would only make
// the grid endless.
constexpr double kLargestMeanDiameter = 2000;  // mm
constexpr double kSmallestMeanDiameter = 0.1;  // mm: the first grid step

template <class T>
std::vector<T> SortedUnique(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

}  // namespace

UnitSystem UnitSystemOf(LoadUnit unit) {
  return unit == LoadUnit::Newton ? UnitSystem::SI : UnitSystem::Gravitational;
}

std::vector<int> SearchableMaterials(const MaterialTable& materials) {
  // Through the kind index, so a damaged table's ninth material of a kind is not offered: the
  // window could not show it once adopted.
  const KindIndex index = BuildKindIndex(materials);
  std::vector<int> numbers;
  for (const KindMembers& kind : index.kinds)
    for (int i = 0; i < kind.Count; ++i)
      if (materials[kind.Members[i]].UsableRows() > 0) numbers.push_back(kind.Members[i]);
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

GridSteps MeanDiameterSteps(double d, const ValueRange& springIndex,
                            std::optional<double> smallestInner, std::optional<double> largestOuter,
                            const std::optional<ValueRange>& meanDiameter) {
  double low = springIndex.min * d;
  double high = springIndex.max * d;
  if (smallestInner) low = std::max(low, *smallestInner + d);
  if (largestOuter) high = std::min(high, *largestOuter - d);
  if (meanDiameter) {
    low = std::max(low, meanDiameter->min);
    high = std::min(high, meanDiameter->max);
  }
  low = std::max(low, kSmallestMeanDiameter);
  high = std::min(high, kLargestMeanDiameter);
  if (!(low <= high)) return {};
  return {std::max<long>(1, std::lround(std::ceil(low * 10 - 1e-6))),
          std::lround(std::floor(high * 10 + 1e-6))};
}

bool EmptyRange(const ValueRange& r) {
  return !std::isfinite(r.min) || !std::isfinite(r.max) || r.min > r.max || r.max <= 0;
}

std::string MaterialsProblem(const std::vector<int>& asked, const std::vector<int>& listed) {
  for (const int n : asked)
    if (!std::binary_search(listed.begin(), listed.end(), n))
      return "材料 " + std::to_string(n) + " はデータベースにありません";
  if ((asked.empty() ? listed : asked).empty()) return "探索する材料がありません";
  return {};
}

std::string TopProblem(int top) {
  if (top < 1) return "表示する件数は 1 以上にしてください";
  if (top > kMostCandidatesShown)
    return "表示する件数は " + std::to_string(kMostCandidatesShown) + " 以下にしてください";
  return {};
}

std::vector<int> SearchedMaterials(const std::vector<int>& asked, const std::vector<int>& listed) {
  return SortedUnique(asked.empty() ? listed : asked);
}

SearchedWires PrepareWires(const MaterialTable& materials, const std::vector<int>& numbers,
                           const std::function<void(PreparedMaterial&)>& finish) {
  SearchedWires wires;
  for (const int n : numbers) {
    wires.prepared.push_back(PrepareMaterial(materials[n]));
    if (finish) finish(wires.prepared.back());
    wires.density.push_back(DefaultDensity(materials[n]));
    wires.numbers.push_back(n);
    for (int row = 0; row < wires.prepared.back().rows; ++row)
      wires.jobs.push_back({wires.prepared.size() - 1, row});
  }
  return wires;
}

std::int64_t CountGridCandidates(const MaterialTable& materials, const std::vector<int>& numbers,
                                 std::int64_t perStep,
                                 const std::function<GridSteps(double)>& steps) {
  std::int64_t count = 0;
  for (const int n : numbers) {
    const MaterialRecord& m = materials[n];
    for (int row = 0; row < m.UsableRows(); ++row) {
      const double d = m.WireDiameters[row];
      if (d > 0 && std::isfinite(d)) count += steps(d).count() * perStep;
    }
  }
  return count;
}

std::string TooManyCandidatesMessage(std::int64_t count, const std::string& narrowing) {
  return "この条件では候補が " + std::to_string(count) + " 件になり、上限の " +
         std::to_string(kMostCandidatesSearched) + " 件を超えます。" + narrowing +
         "を絞ってください";
}

std::string NothingFoundText(std::int64_t evaluated, std::span<const std::int64_t> rejected,
                             const std::function<const char*(std::size_t)>& reasonName,
                             const char* emptyRange) {
  if (evaluated == 0) return emptyRange;
  const auto most = std::max_element(rejected.begin(), rejected.end());
  return std::string("条件をすべて満たす設計はありません。最も多くの候補を外した条件: ") +
         reasonName(static_cast<std::size_t>(most - rejected.begin())) + "（" +
         std::to_string(*most) + " 件／評価 " + std::to_string(evaluated) +
         " 件）。この条件を緩めてください";
}

}  // namespace coilspring
