// Reading solve's requirement document, then searching with what it asks: a document either
// stops with a message or gives a search whose every candidate passes the calculator's checks,
// in strict rank order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "json/requirements_json.h"
#include "core/compression/calculate_cycle.h"
#include "core/text/user_error.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The shipped materials cut to their three finest wires, so that one search stays short.
  static const MaterialTable materials = [] {
    MaterialTable t = fuzz::ShippedMaterials();
    for (MaterialRecord& m : t.records) m.RowCount = std::min(m.RowCount, 3);
    return t;
  }();
  static const CoefficientSettings settings = fuzz::ShippedSettings();
  SearchRequirements q;
  try {
    q = ReadRequirementsJson(std::string_view(reinterpret_cast<const char*>(data), size),
                                  materials);
  } catch (const UserError& e) {
    fuzz::Require(e.what()[0] != '\0', "an empty message");
    return 0;
  }
  q.top = std::min(q.top, 40);
  const ValueRange small{std::max(q.meanDiameter ? q.meanDiameter->min : 1, 1.0),
                         std::min(q.meanDiameter ? q.meanDiameter->max : 6, 6.0)};
  q.meanDiameter = small;
  const SearchResult result = SearchDesigns(q, materials, settings, 1);
  if (!result.problem.empty()) {
    fuzz::Require(result.candidates.empty() && result.evaluated == 0, "searched the impossible");
    return 0;
  }
  fuzz::Require(result.candidates.size() <= static_cast<std::size_t>(q.top), "more than top");
  fuzz::Require(result.kept <= result.evaluated, "kept more than evaluated");
  if (result.candidates.empty())
    fuzz::Require(!NothingFoundMessage(result).empty(), "nothing found, without a word");
  static CalculatorState state = [] {
    CalculatorState s;
    s.EditMaterials() = materials;
    s.settings = settings;
    return s;
  }();
  for (std::size_t i = 0; i < result.candidates.size(); ++i) {
    const SearchCandidate& c = result.candidates[i];
    state.current() = c.design;
    fuzz::Require(!RecalculateDesign(state, 0, DesignInputs::FromRecord).failed,
                  "a kept candidate fails its checks");
    if (i > 0)
      fuzz::Require(RanksBefore(result.candidates[i - 1], c, q.rank), "ranking out of order");
  }
  return 0;
}
