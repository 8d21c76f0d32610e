#include "core/compression/reference_rows.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "core/calc/fatigue.h"
#include "core/text/number_format.h"

namespace coilspring {

namespace {

// "±a / ±b / ±c" over the three grades; one "―" when no grade has a figure.
template <class Field>
std::string GradesText(const ReferenceChecks& x, Field field) {
  std::string text;
  bool any = false;
  for (int g = 0; g < kToleranceGrades; ++g) {
    const ReferenceValue& v = x.tolerances[g].*field;
    any = any || v.valid;
    if (g > 0) text += " / ";
    text += v.valid ? "±" + FormatShort(v.value) : kNotAvailable;
  }
  return any ? text : kNotAvailable;
}

std::string CriticalDeflectionText(const ReferenceChecks& x) {
  if (x.bucklingState == BucklingState::Stable) return kNoBuckling;
  return ReferenceText(x.criticalDeflection);
}

// "lower / upper", or one "―" when the grade gives no range.
std::string RangeText(const ReferenceValue& lower, const ReferenceValue& upper) {
  if (!lower.valid || !upper.valid) return kNotAvailable;
  return FormatShort(lower.value) + " / " + FormatShort(upper.value);
}

std::string LifeText(const std::optional<std::int32_t>& lifeClass) {
  return lifeClass ? LifeClassText(*lifeClass) : kNotAvailable;
}

std::vector<ReferenceRow> WorstCaseRows(const WorstCase& w) {
  const std::string grade = "（" + std::to_string(w.grade) + "級）";
  return {
      {"L2時の最大外径" + grade, ReferenceText(w.outerDiameterMax), "mm", w.boreVerdict},
      {"自由時の最小内径" + grade, ReferenceText(w.innerDiameterMin), "mm", w.rodVerdict},
      {"L1時荷重の下限／上限" + grade, RangeText(w.load1Min, w.load1Max), "kgf", Verdict::None},
      {"L2時荷重の下限／上限" + grade, RangeText(w.load2Min, w.load2Max), "kgf", Verdict::None},
      {"L2時荷重の上限でのねじり応力" + grade, ReferenceText(w.stress2Max), "kgf/mm^2",
       w.stressVerdict},
      {"最悪点の期待寿命" + grade, LifeText(w.lifeClass), "", Verdict::None},
  };
}

}  // namespace

std::vector<ReferenceRow> ReferenceRows(const ReferenceChecks& x) {
  const char* diameter = x.toleranceOnInner ? "コイル内径の許容差（1級/2級/3級）"
                                            : "コイル外径の許容差（1級/2級/3級）";
  std::vector<ReferenceRow> rows = {
      {"縦横比 L0/D", ReferenceText(x.slenderness), "", Verdict::None},
      {"座屈限界自由長さ", ReferenceText(x.criticalFreeLength), "mm", Verdict::None},
      {"座屈限界たわみ", CriticalDeflectionText(x), "mm", Verdict::None},
      {"L2時のたわみ（座屈判定）", ReferenceText(x.deflection2), "mm", x.buckling},
      {"固有振動数（両端固定）", ReferenceText(x.naturalFrequency), "Hz", Verdict::None},
      {"密着時荷重", ReferenceText(x.solidLoad), "kgf", Verdict::None},
      {"密着時応力（未修正）", ReferenceText(x.solidStress), "kgf/mm^2", Verdict::None},
      {"密着時応力（修正）", ReferenceText(x.solidStressCorrected), "kgf/mm^2", Verdict::None},
      {"密着時応力／許容応力（未修正）", ReferenceText(x.solidStressRatio), "", Verdict::None},
      {"密着時応力／許容応力（修正）", ReferenceText(x.solidStressCorrectedRatio), "",
       x.solidStressVerdict},
      {"ピッチ", ReferenceText(x.pitch), "mm", Verdict::None},
      {"L2時の外径", ReferenceText(x.outerDiameterAtL2), "mm", Verdict::None},
      {"L2時の外径の増加", ReferenceText(x.outerDiameterGrowth), "mm", Verdict::None},
      {"自由長さの許容差（1級/2級/3級）", GradesText(x, &GradeTolerances::freeLength), "mm",
       Verdict::None},
      {diameter, GradesText(x, &GradeTolerances::coilDiameter), "mm", Verdict::None},
      {"L1時荷重の許容差（1級/2級/3級）", GradesText(x, &GradeTolerances::load1), "kgf",
       Verdict::None},
      {"L2時荷重の許容差（1級/2級/3級）", GradesText(x, &GradeTolerances::load2), "kgf",
       Verdict::None},
  };
  const std::vector<ReferenceRow> worstCase = WorstCaseRows(x.worstCase);
  rows.insert(rows.end(), worstCase.begin(), worstCase.end());
  const std::vector<ReferenceRow> more = {
      {"密着安全長さ Ln（静的）", ReferenceText(x.smallestSafeLength), "mm", x.coilClearance},
      {"密着安全長さ Ln（動的）", ReferenceText(x.smallestSafeLengthDynamic), "mm",
       x.coilClearanceDynamic},
      {"エネルギー（L1→L2）", ReferenceText(x.energy12), "kgf·mm", Verdict::None},
      {"エネルギー（自由→L2）", ReferenceText(x.energy2), "kgf·mm", Verdict::None},
      {"素線の長さ", ReferenceText(x.wireLength), "mm", Verdict::None},
      {"質量", ReferenceText(x.mass), "g", Verdict::None},
      {"横弾性係数の温度係数", ReferenceText(x.shearLossPerKelvin), "1/K", Verdict::None},
      {"運転温度での横弾性係数", ModulusText(x.shearModulusAtTemperature), "N/mm^2", Verdict::None},
      {"運転温度でのバネ定数", ReferenceText(x.rateAtTemperature), "kgf/mm", Verdict::None},
      {"運転温度でのL1時荷重", ReferenceText(x.load1AtTemperature), "kgf", Verdict::None},
      {"運転温度でのL2時荷重", ReferenceText(x.load2AtTemperature), "kgf", Verdict::None},
  };
  rows.insert(rows.end(), more.begin(), more.end());
  // A unit belongs to a number only.
  for (ReferenceRow& row : rows)
    if (row.value == kNotAvailable || row.value == kNoBuckling) row.unit.clear();
  return rows;
}

}  // namespace coilspring
