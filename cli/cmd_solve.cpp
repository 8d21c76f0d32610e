// solve: from a requirement document to a ranked list of designs that pass every check.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/calc/fatigue.h"
#include "core/compression/compression_search.h"
#include "core/display/display_units.h"
#include "core/extension/extension_calc.h"
#include "core/records/file_io.h"
#include "core/search/search_kinds.h"
#include "core/text/excerpt.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"
#include "json/compression_json.h"
#include "json/extension_json.h"
#include "json/json_text.h"
#include "json/requirements_json.h"
#include "json/torsion_json.h"

namespace coilspring::cli {

namespace {

struct SolveOptions : DataFileOptions {
  std::string requirementsPath;
  std::string rankKey;  // as given; each kind reads its own rankings
  std::optional<int> top;
  std::string writePath;
  int threads = 0;
};

SolveOptions ParseSolveOptions(const Args& args) {
  std::vector<OptionForm> forms{
      {"--rank", "KEY"}, {"--top", "N"}, {"--threads", "N"}, {"--write", "OUT.abd"}};
  forms.insert(forms.end(), std::begin(kDataFileOptions), std::end(kDataFileOptions));
  const ParsedArguments parsed = ParseArguments(args, forms);
  RequirePositional(parsed, {"REQ.json"});
  SolveOptions o;
  static_cast<DataFileOptions&>(o) = DefaultDataFileOptions();
  o.requirementsPath = parsed.positional.front();
  for (const auto& [name, value] : parsed.options) {
    if (TakeDataFileOption(name, value, o)) continue;
    if (name == "--rank") {
      // Any kind's ranking passes here; the kind of the document chooses among its own.
      std::vector<std::string> keys;
      for (const KindSearchInfo& search : SearchKinds())
        for (const SearchRank& rank : search.ranks)
          if (std::find(keys.begin(), keys.end(), rank.key) == keys.end()) keys.push_back(rank.key);
      if (std::find(keys.begin(), keys.end(), value) == keys.end()) {
        std::string choices;
        for (const std::string& key : keys) choices += (choices.empty() ? "" : "、") + key;
        throw std::invalid_argument(BadValueMessage(name, value, choices + " のいずれか"));
      }
      o.rankKey = value;
    } else if (name == "--top") {
      o.top = IntegerValue(name, value);
      if (*o.top < 1 || *o.top > kMostCandidatesShown)
        throw std::invalid_argument(
            BadValueMessage(name, value, "1〜" + std::to_string(kMostCandidatesShown)));
    } else if (name == "--threads") {
      o.threads = IntegerValue(name, value);
      if (o.threads < 0)
        throw std::invalid_argument(BadValueMessage(name, value, "0 以上、0 はすべてのコア"));
    } else if (name == "--write") {
      o.writePath = value;
    }
  }
  return o;
}

std::string SymbolOf(const MaterialTable& materials, const DesignRecord& r) {
  return SjisToUtf8(MaterialOf(materials, r.MaterialNo).Symbol.Raw());
}

// A load of the record (kgf) in the unit the requirements were given in.
double InUnit(double kgf, LoadUnit unit) {
  return ShownValue(kgf, Quantity::Load, UnitSystemOf(unit));
}

// Every end form that makes the candidate's spring, as codes.
std::string EndKindsJson(const SearchCandidate& c) {
  std::string codes;
  for (const EndKind end : c.endKinds)
    codes += (codes.empty() ? "" : ", ") + std::to_string(static_cast<int>(end));
  return "[" + codes + "]";
}

std::string CandidateJson(const SearchCandidate& c, int rank, const MaterialTable& materials) {
  const DesignRecord& r = c.design;
  JsonMembers members{{"rank", std::to_string(rank)}};
  const JsonMembers fields = DesignMembers(r);
  members.insert(members.end(), fields.begin(), fields.end());
  const JsonMembers extra{
      {"Symbol", JsonString(SymbolOf(materials, r))},
      {"LifeClassText", JsonString(LifeClassText(r.LifeClass))},
      {"Mass", JsonNumber(c.mass)},
      {"StressRatio", JsonNumber(c.stressRatio)},
      {"OuterDiameterAtL2", c.reference.outerDiameterAtL2.valid
                                ? JsonNumber(c.reference.outerDiameterAtL2.value)
                                : "null"},
      {"NaturalFrequency", c.reference.naturalFrequency.valid
                               ? JsonNumber(c.reference.naturalFrequency.value)
                               : "null"},
      {"Buckling", JsonString(VerdictText(c.reference.buckling))},
      {"EndKinds", EndKindsJson(c)},
  };
  members.insert(members.end(), extra.begin(), extra.end());
  return JsonObject(members);
}

std::string ResultJson(const SearchResult& result, const MaterialTable& materials) {
  JsonMembers rejected;
  for (int i = 0; i < kRejectionCount; ++i)
    rejected.emplace_back(RejectionName(static_cast<Rejection>(i)),
                          std::to_string(result.rejected[i]));
  std::vector<std::string> candidates;
  for (std::size_t i = 0; i < result.candidates.size(); ++i)
    candidates.push_back(CandidateJson(result.candidates[i], static_cast<int>(i) + 1, materials));
  JsonMembers members{{"evaluated", std::to_string(result.evaluated)},
                      {"kept", std::to_string(result.kept)},
                      {"seconds", JsonNumber(result.seconds)},
                      {"rejected", JsonObject(rejected)}};
  if (result.candidates.empty())
    members.emplace_back("message", JsonString(NothingFoundMessage(result)));
  members.emplace_back("candidates", JsonBlockArray(candidates));
  return JsonObject(members);
}

void PrintTable(const SearchResult& result, const SearchRequirements& q,
                const MaterialTable& materials) {
  const char* unit = q.loadUnit == LoadUnit::Newton ? "N" : "kgf";
  std::printf("評価 %lld 件、条件を満たす設計 %lld 件、%s 秒（%s）\n",
              static_cast<long long>(result.evaluated), static_cast<long long>(result.kept),
              FormatShort(result.seconds).c_str(), RankName(q.rank));
  std::printf(
      "順位\t材料\td\tD\t外径\t内径\t総巻数\t有効\t座巻き\t自由長さ\tバネ定数\tP1(%s)\tP2(%s)"
      "\tτ2/τa\t寿命\t質量(g)\t座屈\n",
      unit, unit);
  for (std::size_t i = 0; i < result.candidates.size(); ++i) {
    const SearchCandidate& c = result.candidates[i];
    const DesignRecord& r = c.design;
    std::printf("%zu\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", i + 1,
                SymbolOf(materials, r).c_str(), FormatFull(r.WireDiameter).c_str(),
                FormatFull(r.MeanDiameter).c_str(), FormatFull(r.OuterDiameter).c_str(),
                FormatFull(r.InnerDiameter).c_str(), FormatFull(r.TotalTurns).c_str(),
                FormatFull(r.ActiveTurns).c_str(), EndFormsText(c).c_str(),
                FormatFull(r.FreeLength).c_str(), FormatShort(r.SpringRate).c_str(),
                FormatShort(InUnit(r.Load1, q.loadUnit)).c_str(),
                FormatShort(InUnit(r.Load2, q.loadUnit)).c_str(),
                FormatShort(c.stressRatio).c_str(), LifeClassText(r.LifeClass).c_str(),
                FormatShort(c.mass).c_str(), VerdictText(c.reference.buckling));
  }
}

// The --rank value among the kind's rankings; refused naming them.
template <class Rank, std::size_t N>
std::optional<Rank> RankOption(const SolveOptions& o, const std::array<Rank, N>& ranks) {
  if (o.rankKey.empty()) return std::nullopt;
  std::string choices;
  for (const Rank rank : ranks) {
    if (o.rankKey == RankKey(rank)) return rank;
    choices += (choices.empty() ? "" : "、") + std::string(RankKey(rank));
  }
  throw std::invalid_argument(BadValueMessage("--rank", o.rankKey, choices + " のいずれか"));
}

// The requirements of the file, a message naming it when they cannot be read.
template <class Read>
auto ReadRequirementsFile(const std::string& path, const std::string& text, Read&& read) {
  try {
    return read(text);
  } catch (const UserError& e) {
    throw UserError(ShownPath(path) + ": " + e.what());
  }
}

// What the solve of a kind other than the compression spring needs of that kind.
struct ExtensionSolve {
  static constexpr SpringKind kKind = SpringKind::Extension;
  using Requirements = ExtensionRequirements;
  using Rejection = ExtensionRejection;
  using Candidate = ExtensionCandidate;
  static constexpr auto kRanks = kExtensionRanks;
  static Requirements Read(std::string_view text, const MaterialTable& materials) {
    return ReadExtensionRequirementsJson(text, materials);
  }
  static auto Search(const Requirements& q, const MaterialTable& materials,
                     const CoefficientSettings& settings, int threads) {
    return SearchDesigns(q, materials, settings, threads);
  }
  static JsonMembers Members(const ExtensionDesign& r, UnitSystem units) {
    return ExtensionMembers(r, units);
  }
  static std::string DocumentText(const std::vector<Candidate>& all) {
    ExtensionDocument document{all.front().design, {}};
    for (std::size_t i = 0; i < all.size() && i < kHistorySlots; ++i)
      document.history.emplace_back(all[i].design);
    return ExtensionDocumentText(document);
  }
};

struct TorsionSolve {
  static constexpr SpringKind kKind = SpringKind::Torsion;
  using Requirements = TorsionRequirements;
  using Rejection = TorsionRejection;
  using Candidate = TorsionCandidate;
  static constexpr auto kRanks = kTorsionRanks;
  static Requirements Read(std::string_view text, const MaterialTable& materials) {
    return ReadTorsionRequirementsJson(text, materials);
  }
  static auto Search(const Requirements& q, const MaterialTable& materials,
                     const CoefficientSettings&, int threads) {
    return SearchDesigns(q, materials, threads);
  }
  static JsonMembers Members(const TorsionDesign& t, UnitSystem units) {
    return TorsionMembers(t, units);
  }
  static std::string DocumentText(const std::vector<Candidate>& all) {
    TorsionDocument document{all.front().design, {}};
    for (std::size_t i = 0; i < all.size() && i < kHistorySlots; ++i)
      document.history.emplace_back(all[i].design);
    return TorsionDocumentText(document);
  }
};

// `first`, then the cells, separated by tabs.
std::string TabbedLine(const std::string& first, const std::vector<std::string>& cells) {
  std::string line = first;
  for (const std::string& cell : cells) line += "\t" + cell;
  return line;
}

// A candidate as the kind's design file (in the requirements' load unit, which it names), so
// that calc reads it as it stands.
template <class Kind>
std::string KindCandidateJson(const typename Kind::Candidate& c, LoadUnit unit) {
  const UnitSystem units = UnitSystemOf(unit);
  JsonMembers members = Kind::Members(c.design, units);
  members.insert(members.begin() + 1, {"units", JsonString(UnitSystemName(units))});
  return JsonObject(members);
}

// What ranked each candidate, beside the candidates.
template <class Candidate>
std::string RankingJson(const Candidate& c, int rank, const MaterialTable& materials) {
  return JsonObject(
      {{"rank", std::to_string(rank)},
       {"Symbol", JsonString(SjisToUtf8(MaterialOf(materials, c.design.MaterialNo).Symbol.Raw()))},
       {"Mass", JsonNumber(c.mass)},
       {"StressRatio", JsonNumber(c.stressRatio)}});
}

template <class Kind, class Result>
std::string KindResultJson(const Result& result, LoadUnit unit, const MaterialTable& materials) {
  JsonMembers rejected;
  for (std::size_t i = 0; i < result.rejected.size(); ++i)
    rejected.emplace_back(RejectionName(static_cast<typename Kind::Rejection>(i)),
                          std::to_string(result.rejected[i]));
  std::vector<std::string> candidates, ranking;
  for (std::size_t i = 0; i < result.candidates.size(); ++i) {
    candidates.push_back(KindCandidateJson<Kind>(result.candidates[i], unit));
    ranking.push_back(RankingJson(result.candidates[i], static_cast<int>(i) + 1, materials));
  }
  JsonMembers members{{"kind", JsonString(InfoOf(Kind::kKind).jsonName)},
                      {"evaluated", std::to_string(result.evaluated)},
                      {"kept", std::to_string(result.kept)},
                      {"seconds", JsonNumber(result.seconds)},
                      {"rejected", JsonObject(rejected)}};
  if (result.candidates.empty())
    members.emplace_back("message", JsonString(NothingFoundMessage(result)));
  members.emplace_back("candidates", JsonBlockArray(candidates));
  members.emplace_back("ranking", JsonBlockArray(ranking));
  return JsonObject(members);
}

// solve for a kind of its own requirement document: the same steps as the compression spring's.
template <class Kind>
int RunKindSolve(const SolveOptions& o, const std::string& text, const MaterialTable& materials,
                 const CoefficientSettings& settings) {
  typename Kind::Requirements q = ReadRequirementsFile(
      o.requirementsPath, text, [&](std::string_view t) { return Kind::Read(t, materials); });
  if (const auto rank = RankOption(o, Kind::kRanks)) q.rank = *rank;
  if (o.top) q.top = *o.top;
  const int shown = q.top;
  if (!o.writePath.empty() && q.top >= 1) q.top = std::max(q.top, kHistorySlots);
  if (const std::int64_t count = EstimateCandidateCount(q, materials);
      count > kMostCandidatesSearched)
    throw UserError(TooManyCandidatesMessage(q, count));
  auto result = Kind::Search(q, materials, settings, o.threads);
  if (!result.problem.empty()) throw UserError(result.problem);
  const auto all = result.candidates;
  if (result.candidates.size() > static_cast<std::size_t>(shown))
    result.candidates.resize(static_cast<std::size_t>(shown));
  if (o.json) {
    std::printf("%s\n", KindResultJson<Kind>(result, q.loadUnit, materials).c_str());
  } else {
    std::printf("評価 %lld 件、条件を満たす設計 %lld 件、%s 秒（%s）\n",
                static_cast<long long>(result.evaluated), static_cast<long long>(result.kept),
                FormatShort(result.seconds).c_str(), RankName(q.rank));
    const UnitSystem units = UnitSystemOf(q.loadUnit);
    std::printf("%s\n", TabbedLine("順位", CandidateHeadings(q, units)).c_str());
    for (std::size_t i = 0; i < result.candidates.size(); ++i)
      std::printf("%s\n", TabbedLine(std::to_string(i + 1),
                                     CandidateCells(result.candidates[i], materials, units))
                              .c_str());
  }
  if (result.candidates.empty()) {
    std::fprintf(stderr, "%s\n", NothingFoundMessage(result).c_str());
    return 1;
  }
  if (!o.writePath.empty()) WriteFileAtomically(o.writePath, Kind::DocumentText(all));
  return 0;
}

int RunCompressionSolve(const SolveOptions& o, const std::string& text,
                        const MaterialTable& materials, const CoefficientSettings& settings) {
  SearchRequirements q = ReadRequirementsFile(o.requirementsPath, text, [&](std::string_view t) {
    return ReadRequirementsJson(t, materials);
  });
  if (const auto rank = RankOption(o, kRankings)) q.rank = *rank;
  if (o.top) q.top = *o.top;
  const int shown = q.top;
  // The design file takes a short list of 30 whatever the number shown.
  if (!o.writePath.empty() && q.top >= 1) q.top = std::max(q.top, kHistorySlots);
  // A search that would run for minutes is refused before it starts; the message says what to
  // narrow.
  if (const std::int64_t count = EstimateCandidateCount(q, materials);
      count > kMostCandidatesSearched)
    throw UserError(TooManyCandidatesMessage(count));
  SearchResult result = SearchDesigns(q, materials, settings, o.threads);
  if (!result.problem.empty()) throw UserError(result.problem);
  const std::vector<SearchCandidate> all = result.candidates;
  if (result.candidates.size() > static_cast<std::size_t>(shown))
    result.candidates.resize(static_cast<std::size_t>(shown));
  if (o.json)
    std::printf("%s\n", ResultJson(result, materials).c_str());
  else
    PrintTable(result, q, materials);
  if (result.candidates.empty()) {
    std::fprintf(stderr, "%s\n", NothingFoundMessage(result).c_str());
    return 1;
  }
  if (!o.writePath.empty()) {
    SpringDesign design;
    InitDesign(design);
    design[0] = all.front().design;
    PutIntoHistory(design, all);
    WriteRecordFile(o.writePath, design);
  }
  return 0;
}

}  // namespace

int RunSolve(const Args& args) {
  const SolveOptions o = ParseSolveOptions(args);
  MaterialTable materials;
  CoefficientSettings settings;
  ReadDataFiles(o, materials, settings);
  const std::string text = ReadTextTable(o.requirementsPath);
  const SpringKind kind = ReadRequirementsFile(
      o.requirementsPath, text, [](std::string_view t) { return RequirementKindOf(t); });
  switch (kind) {
    case SpringKind::Compression:
      break;
    case SpringKind::Extension:
      return RunKindSolve<ExtensionSolve>(o, text, materials, settings);
    case SpringKind::Torsion:
      return RunKindSolve<TorsionSolve>(o, text, materials, settings);
    case SpringKind::Conical:
      break;  // the requirement reader refuses a kind without a search
  }
  return RunCompressionSolve(o, text, materials, settings);
}

}  // namespace coilspring::cli
