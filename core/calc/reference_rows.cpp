#include "core/calc/reference_rows.h"

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

}  // namespace

std::string ReferenceText(const ReferenceValue& v) {
  return v.valid ? FormatShort(v.value) : kNotAvailable;
}

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
  // A unit belongs to a number only.
  for (ReferenceRow& row : rows)
    if (row.value == kNotAvailable || row.value == kNoBuckling) row.unit.clear();
  return rows;
}

}  // namespace coilspring
