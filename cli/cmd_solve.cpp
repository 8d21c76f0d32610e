// solve: from a requirement document to a ranked list of designs that pass every check.
#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/requirements_json.h"
#include "core/calc/fatigue.h"
#include "core/records/file_io.h"
#include "core/compression/compression_search.h"
#include "core/text/excerpt.h"
#include "core/text/number_format.h"
#include "core/text/sjis.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"
#include "json/compression_json.h"
#include "json/json_text.h"

namespace coilspring::cli {

namespace {

struct SolveOptions : DataFileOptions {
  std::string requirementsPath;
  std::optional<RankBy> rank;
  std::optional<int> top;
  std::string writePath;
  int threads = 0;
};

SolveOptions ParseSolveOptions(const Args& args) {
  std::vector<OptionForm> forms{{"--rank", "mass|life|margin|solid"},
                                {"--top", "N"},
                                {"--threads", "N"},
                                {"--write", "OUT.abd"}};
  forms.insert(forms.end(), std::begin(kDataFileOptions), std::end(kDataFileOptions));
  const ParsedArguments parsed = ParseArguments(args, forms);
  RequirePositional(parsed, {"REQ.json"});
  SolveOptions o;
  static_cast<DataFileOptions&>(o) = DefaultDataFileOptions();
  o.requirementsPath = parsed.positional.front();
  for (const auto& [name, value] : parsed.options) {
    if (TakeDataFileOption(name, value, o)) continue;
    if (name == "--rank") {
      o.rank = RankByKey(value);
      if (!o.rank)
        throw std::invalid_argument(
            BadValueMessage(name, value, "mass、life、margin、solid のいずれか"));
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

}  // namespace

int RunSolve(const Args& args) {
  const SolveOptions o = ParseSolveOptions(args);
  MaterialTable materials;
  CoefficientSettings settings;
  ReadDataFiles(o, materials, settings);
  const std::string text = ReadTextTable(o.requirementsPath);
  SearchRequirements q;
  try {
    q = ReadRequirementsJson(text, materials);
  } catch (const UserError& e) {
    throw UserError(ShownPath(o.requirementsPath) + ": " + e.what());
  }
  if (o.rank) q.rank = *o.rank;
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

}  // namespace coilspring::cli
