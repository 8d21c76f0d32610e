#include "cli/reference_json.h"

#include <cmath>
#include <stdexcept>
#include <utility>
#include <vector>

#include "cli/command_table.h"
#include "core/calc/fatigue.h"
#include "core/compression/design_units.h"
#include "core/compression/reference.h"
#include "core/compression/reference_rows.h"
#include "core/display/reference_rows.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "json/json_text.h"

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

std::string WorstCaseJson(const WorstCase& w) {
  return JsonObject({
      {"grade", std::to_string(w.grade)},
      {"outerDiameterMax", Number(w.outerDiameterMax)},
      {"bore", Number(w.bore)},
      {"boreVerdict", VerdictJson(w.boreVerdict)},
      {"innerDiameterMin", Number(w.innerDiameterMin)},
      {"rod", Number(w.rod)},
      {"rodVerdict", VerdictJson(w.rodVerdict)},
      {"load1Min", Number(w.load1Min)},
      {"load1Max", Number(w.load1Max)},
      {"load2Min", Number(w.load2Min)},
      {"load2Max", Number(w.load2Max)},
      {"stress2Max", Number(w.stress2Max)},
      {"stress2Verdict", VerdictJson(w.stressVerdict)},
      {"lifeClassWorst", w.lifeClass ? std::to_string(*w.lifeClass) : "null"},
      {"lifeClassWorstText", w.lifeClass ? JsonString(LifeClassText(*w.lifeClass)) : "null"},
  });
}

}  // namespace

bool TakeReferenceOption(const std::string& option, const std::string& text,
                         ReferenceInputs& inputs) {
  if (option != "--grade" && option != "--bore" && option != "--rod" && option != "--temperature")
    return false;
  if (option == "--grade") {
    inputs.grade = IntegerValue(option, text);
    if (inputs.grade < 1 || inputs.grade > kToleranceGrades)
      throw std::invalid_argument(BadValueMessage(option, text, "1、2、3 のいずれか"));
    return true;
  }
  const double value = DecimalValue(option, text);
  if (option == "--temperature") {
    if (!std::isfinite(value) || value < kAbsoluteZero)
      throw std::invalid_argument(BadValueMessage(option, text, "-273.15 ℃ 以上の温度"));
    inputs.temperature = value;
    return true;
  }
  if (!std::isfinite(value) || !(value > 0))
    throw std::invalid_argument(BadValueMessage(option, text, "正の直径 mm"));
  (option == "--bore" ? inputs.bore : inputs.rod) = value;
  return true;
}

std::string ReferenceJson(const DesignRecord& design, const MaterialRecord& material,
                          const ReferenceInputs& inputs, UnitSystem units) {
  const ReferenceChecks x =
      ShownReferenceChecks(ComputeReferenceChecks(design, material, inputs), units);
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
      {"worstCase", WorstCaseJson(x.worstCase)},
      {"smallestSafeLength", Number(x.smallestSafeLength)},
      {"smallestSafeLengthDynamic", Number(x.smallestSafeLengthDynamic)},
      {"coilClearance", VerdictJson(x.coilClearance)},
      {"coilClearanceDynamic", VerdictJson(x.coilClearanceDynamic)},
      {"energy12", Number(x.energy12)},
      {"energy2", Number(x.energy2)},
      {"wireLength", Number(x.wireLength)},
      {"mass", Number(x.mass)},
      {"temperature", Number(x.temperature)},
      {"shearLossPerKelvin", Number(x.shearLossPerKelvin)},
      {"shearModulusAtTemperature", Number(x.shearModulusAtTemperature)},
      {"rateAtTemperature", Number(x.rateAtTemperature)},
      {"load1AtTemperature", Number(x.load1AtTemperature)},
      {"load2AtTemperature", Number(x.load2AtTemperature)},
  });
}

std::string ReferenceTable(const DesignRecord& design, const MaterialRecord& material,
                           const ReferenceInputs& inputs, UnitSystem units) {
  const ReferenceChecks x =
      ShownReferenceChecks(ComputeReferenceChecks(design, material, inputs), units);
  std::string out = std::string("  参考計算（") + SeatingName(x.seating) + "、密度 " +
                    ReferenceText(x.density) + " g/cm^3、運転温度 " + ReferenceText(x.temperature) +
                    " ℃";
  if (x.worstCase.bore.valid) out += "、穴径 " + ReferenceText(x.worstCase.bore) + " mm";
  if (x.worstCase.rod.valid) out += "、軸径 " + ReferenceText(x.worstCase.rod) + " mm";
  out += "）\n";
  for (const ReferenceRow& row : ReferenceRows(x)) {
    out += "    " + row.item + "  " + row.value;
    if (!row.unit.empty()) out += " " + ShownUnit(row.unit, units);
    if (row.verdict != Verdict::None) out += std::string("  ") + VerdictText(row.verdict);
    out += "\n";
  }
  return out;
}

}  // namespace coilspring::cli
