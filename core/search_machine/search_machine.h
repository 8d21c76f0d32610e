// The search machine every kind's design search runs on: the jobs (one wire diameter of one
// material each) shared out over threads, the counts, the short list kept by a ranking, progress
// and cancel. It knows no kind: a kind brings its requirements, its candidates and its checks
// and calls RunSearch with them.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "core/calc/allowable_stress.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"

namespace coilspring {

enum class LoadUnit { Newton, Kgf };
// The unit system a load unit belongs to: a load typed in N is taken in with the same factor the
// main window and the data sheet use, so 20 N means the same design everywhere.
UnitSystem UnitSystemOf(LoadUnit unit);

struct ValueRange {
  double min = 0;
  double max = 0;
};

// The longest short list a search keeps: each kept candidate holds a whole design.
inline constexpr int kMostCandidatesShown = 1000;
// A search beyond this many candidates takes minutes rather than a second or two; the command
// line refuses it, the window asks first.
inline constexpr std::int64_t kMostCandidatesSearched = 20'000'000;
// How often a running search reports its progress and looks at its cancel flag: a few
// milliseconds of work on one thread.
inline constexpr std::int64_t kProgressInterval = 4096;

// Lets a caller follow a running search and stop it; both parts are optional.
struct SearchControl {
  // Set from any thread to stop the search; it returns within kProgressInterval candidates per
  // thread, with `cancelled` set.
  const std::atomic<bool>* cancel = nullptr;
  // The share of the work done, 0..1, called from the searching threads (so it must be safe to
  // call from any thread) about every kProgressInterval candidates and whenever a wire diameter
  // is done. Calls from different threads may come out of order.
  std::function<void(double)> progress;
};

// Materials a search over "the whole database" takes: those the material lists show.
std::vector<int> SearchableMaterials(const MaterialTable& materials);

// What a search found. `Reasons` counts the kind's reasons for leaving a candidate out; a
// candidate counts under every reason it fails.
template <class Candidate, std::size_t Reasons>
struct SearchResultOf {
  std::string problem;     // impossible requirements: what is wrong; nothing was searched
  bool cancelled = false;  // stopped through SearchControl: the rest is incomplete
  std::int64_t evaluated = 0;
  std::int64_t kept = 0;
  std::array<std::int64_t, Reasons> rejected{};
  std::vector<Candidate> candidates;  // best first, at most `top`
  double seconds = 0;
};

// The mean diameters of one wire on the 0.1 mm grid, in tenths of a millimetre: those the index
// range, the space and the mean-diameter range allow (none when last < first).
struct GridSteps {
  long first = 1;
  long last = 0;
  std::int64_t count() const { return last >= first ? last - first + 1 : 0; }
};
// `smallestInner` a rod the coil goes over, `largestOuter` a bore it goes into.
GridSteps MeanDiameterSteps(double d, const ValueRange& springIndex,
                            std::optional<double> smallestInner, std::optional<double> largestOuter,
                            const std::optional<ValueRange>& meanDiameter);

// The requirement checks every kind shares, each giving what is wrong or nothing.
bool EmptyRange(const ValueRange& range);
std::string MaterialsProblem(const std::vector<int>& asked, const std::vector<int>& listed);
std::string TopProblem(int top);
// The materials a search goes through: those asked for, or every one the lists show.
std::vector<int> SearchedMaterials(const std::vector<int>& asked, const std::vector<int>& listed);

// The materials of one search made ready once, and its jobs: one per usable wire row of each.
struct SearchedWires {
  struct Job {
    std::size_t prepared;  // index into `prepared`
    int row;
  };
  std::vector<PreparedMaterial> prepared{};
  std::vector<double> density{};  // g/cm^3, by prepared material
  std::vector<int> numbers{};     // the material's record number, by prepared material
  std::vector<Job> jobs{};
};
// `finish` completes each prepared material the way the kind's checks need it (may be empty).
SearchedWires PrepareWires(const MaterialTable& materials, const std::vector<int>& numbers,
                           const std::function<void(PreparedMaterial&)>& finish = {});

// The candidates a search of the materials `numbers` evaluates: `perStep` at every mean-diameter
// step `steps(d)` gives for each usable wire diameter d.
std::int64_t CountGridCandidates(const MaterialTable& materials, const std::vector<int>& numbers,
                                 std::int64_t perStep,
                                 const std::function<GridSteps(double)>& steps);

// Why a search of `count` candidates is too wide, naming `narrowing`: the requirement keys that
// narrow it.
std::string TooManyCandidatesMessage(std::int64_t count, const std::string& narrowing);

// Why a search found nothing: the reason that left out most candidates, named by `reasonName`;
// `emptyRange` when there was no candidate at all.
std::string NothingFoundText(std::int64_t evaluated, std::span<const std::int64_t> rejected,
                             const std::function<const char*(std::size_t)>& reasonName,
                             const char* emptyRange);

// NothingFoundText for a kind's result, its reasons named by the kind's RejectionName(Reason);
// a requirement problem stands instead when there is one.
template <class Reason, class Candidate, std::size_t Reasons>
std::string NothingFoundMessageOf(const SearchResultOf<Candidate, Reasons>& result,
                                  const char* emptyRange) {
  if (!result.problem.empty()) return result.problem;
  return NothingFoundText(
      result.evaluated, result.rejected,
      [](std::size_t i) { return RejectionName(static_cast<Reason>(i)); }, emptyRange);
}

// The progress and cancel state the threads of one search share.
class SearchProgress {
 public:
  SearchProgress(const SearchControl& control, std::size_t jobCount)
      : control_(control), jobCount_(jobCount) {}
  bool Cancelled() const {
    return control_.cancel != nullptr && control_.cancel->load(std::memory_order_relaxed);
  }
  // Reports the progress with `shareOfJob` of the running job done; true when the search is to
  // stop.
  bool ReportAndCheck(double shareOfJob) const {
    if (control_.progress && jobCount_ > 0)
      control_.progress((static_cast<double>(jobsDone_.load()) + shareOfJob) /
                        static_cast<double>(jobCount_));
    return Cancelled();
  }
  // Counts one evaluated candidate; every kProgressInterval of them reports and looks at the
  // cancel flag. True when the search is to stop.
  bool Counted(std::int64_t& evaluated, long step, long first, long last) const {
    if (++evaluated % kProgressInterval != 0) return false;
    return ReportAndCheck(static_cast<double>(step - first) /
                          static_cast<double>(last - first + 1));
  }
  void JobDone() { ++jobsDone_; }

 private:
  const SearchControl& control_;
  std::size_t jobCount_;
  std::atomic<std::size_t> jobsDone_{0};
};

// One thread's share: its own best list and counts, merged once all threads are done.
template <class Candidate, std::size_t Reasons>
struct SearchTally {
  std::vector<Candidate> best;  // a heap: the worst of the best on top
  std::int64_t evaluated = 0;
  std::int64_t kept = 0;
  std::array<std::int64_t, Reasons> rejected{};

  // Keeps `c` when it is among the `top` best by `before` seen so far.
  template <class Before>
  void Offer(const Candidate& c, std::size_t top, const Before& before) {
    if (best.size() < top) {
      best.push_back(c);
      std::push_heap(best.begin(), best.end(), before);
    } else if (before(c, best.front())) {
      std::pop_heap(best.begin(), best.end(), before);
      best.back() = c;
      std::push_heap(best.begin(), best.end(), before);
    }
  }
};

// Runs `searchJob(job, tally, progress)` (false: stop) for every job 0..jobCount-1 on `threads`
// threads (0: every core), then merges the tallies into `result`: the counts, and the `top`
// best by `before`, best first. Each job's candidates go through one tally, and the ranking
// never ties, so the result does not depend on the number of threads.
template <class Candidate, std::size_t Reasons, class Before, class SearchJob>
void RunSearch(std::size_t jobCount, int threads, const SearchControl& control, int top,
               const Before& before, const SearchJob& searchJob,
               SearchResultOf<Candidate, Reasons>& result) {
  using Tally = SearchTally<Candidate, Reasons>;
  SearchProgress progress(control, jobCount);
  if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  threads = std::max(1, std::min<int>(threads, static_cast<int>(jobCount)));
  std::vector<Tally> tallies(static_cast<std::size_t>(threads));
  std::atomic<std::size_t> next{0};
  std::atomic<bool> stopped{false};
  const auto work = [&](Tally& tally) {
    for (std::size_t j = next++; j < jobCount && !stopped; j = next++) {
      if (!searchJob(j, tally, progress) || progress.Cancelled()) {
        stopped = true;
        return;
      }
      progress.JobDone();
      progress.ReportAndCheck(0);
    }
  };
  std::vector<std::thread> pool;
  for (int t = 1; t < threads; ++t) pool.emplace_back(work, std::ref(tallies[t]));
  work(tallies[0]);
  for (std::thread& t : pool) t.join();
  result.cancelled = stopped;

  for (Tally& tally : tallies) {
    result.evaluated += tally.evaluated;
    result.kept += tally.kept;
    for (std::size_t i = 0; i < Reasons; ++i) result.rejected[i] += tally.rejected[i];
    result.candidates.insert(result.candidates.end(), tally.best.begin(), tally.best.end());
  }
  std::sort(result.candidates.begin(), result.candidates.end(), before);
  if (result.candidates.size() > static_cast<std::size_t>(top))
    result.candidates.resize(static_cast<std::size_t>(top));
}

// Seconds since `start`, for a result's `seconds`.
inline double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// RunSearch over the jobs of `wires`, `searchWire(job, tally, progress)` each, ranked by the
// kind's RanksBefore(a, b, rank); the result's `seconds` count from `start`.
template <class Candidate, std::size_t Reasons, class Rank, class SearchWire>
void RunWireSearch(const SearchedWires& wires, int threads, const SearchControl& control, int top,
                   Rank rank, const SearchWire& searchWire,
                   std::chrono::steady_clock::time_point start,
                   SearchResultOf<Candidate, Reasons>& result) {
  RunSearch(
      wires.jobs.size(), threads, control, top,
      [rank](const Candidate& a, const Candidate& b) { return RanksBefore(a, b, rank); },
      [&](std::size_t j, SearchTally<Candidate, Reasons>& tally, const SearchProgress& progress) {
        return searchWire(wires.jobs[j], tally, progress);
      },
      result);
  result.seconds = SecondsSince(start);
}

}  // namespace coilspring
