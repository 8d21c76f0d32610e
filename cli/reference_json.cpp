#include "cli/reference_json.h"

#include <utility>
#include <vector>

#include "core/text/number_format.h"
#include "core/calc/reference.h"
#include "core/calc/reference_rows.h"
#include "cli/json_text.h"

namespace coilspring::cli {

namespace {

std::string Number(const ReferenceValue& v) { return v.valid ? JsonNumber(v.value) : "null"; }
std::string Quoted(const char* text) { return JsonString(text); }

std::string VerdictJson(Verdict verdict) {
  return verdict == Verdict::None ? "null" : Quoted(VerdictText(verdict));
}

const char* BucklingStateName(BucklingState state) {
  switch (state) {
    case BucklingState::Stable:
      return "stable";
    case BucklingState::HasCriticalDeflection:
      return "critical-deflection";
    case BucklingState::Unknown:
      break;
  }
  return "unknown";
}

std::string TolerancesJson(const ReferenceChecks& x) {
  std::vector<std::string> grades;
  for (int g = 0; g < kToleranceGrades; ++g) {
    const GradeTolerances& t = x.tolerances[g];
    grades.push_back(JsonObject({{"grade", std::to_string(g + 1)},
                                 {"freeLength", Number(t.freeLength)},
                                 {"coilDiameter", Number(t.coilDiameter)},
                                 {"load1", Number(t.load1)},
                                 {"load2", Number(t.load2)}}));
  }
  return JsonArray(grades);
}

}  // namespace

std::string ReferenceJson(const DesignRecord& design, const MaterialRecord& material) {
  const ReferenceChecks x = ComputeReferenceChecks(design, material, {});
  return JsonObject({
      {"seating", Quoted(SeatingName(x.seating))},
      {"seatingFactor", FormatFull(x.seatingFactor)},
      {"slenderness", Number(x.slenderness)},
      {"criticalFreeLength", Number(x.criticalFreeLength)},
      {"bucklingState", Quoted(BucklingStateName(x.bucklingState))},
      {"criticalDeflection", Number(x.criticalDeflection)},
      {"deflection2", Number(x.deflection2)},
      {"buckling", VerdictJson(x.buckling)},
      {"density", Number(x.density)},
      {"naturalFrequency", Number(x.naturalFrequency)},
      {"solidLoad", Number(x.solidLoad)},
      {"solidStress", Number(x.solidStress)},
      {"solidStressCorrected", Number(x.solidStressCorrected)},
      {"solidStressRatio", Number(x.solidStressRatio)},
      {"solidStressCorrectedRatio", Number(x.solidStressCorrectedRatio)},
      {"solidStressVerdict", VerdictJson(x.solidStressVerdict)},
      {"pitch", Number(x.pitch)},
      {"outerDiameterAtL2", Number(x.outerDiameterAtL2)},
      {"outerDiameterGrowth", Number(x.outerDiameterGrowth)},
      {"toleranceDiameter", Quoted(x.toleranceOnInner ? "inner" : "outer")},
      {"tolerances", TolerancesJson(x)},
  });
}

std::string ReferenceTable(const DesignRecord& design, const MaterialRecord& material) {
  const ReferenceChecks x = ComputeReferenceChecks(design, material, {});
  std::string out = std::string("  参考計算（") + SeatingName(x.seating) + "、密度 " +
                    ReferenceText(x.density) + " g/cm^3）\n";
  for (const ReferenceRow& row : ReferenceRows(x)) {
    out += "    " + row.item + "  " + row.value;
    if (!row.unit.empty()) out += " " + row.unit;
    if (row.verdict != Verdict::None) out += std::string("  ") + VerdictText(row.verdict);
    out += "\n";
  }
  return out;
}

}  // namespace coilspring::cli
