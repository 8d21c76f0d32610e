#include "core/conical/conical_calc.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <type_traits>

#include "core/calc/coil_formulas.h"
#include "core/compression/spring_calc.h"
#include "core/text/number_format.h"

namespace coilspring {

namespace {

// In the progressive part the load is c·G·J/Rb³: the bisection runs over the radius Rb, whose
// deflection and stress need no cube root, until the bracket is within a third of 1e-12 of Rb,
// which puts the load within 1e-12 of its own. The bound on the halvings keeps a curve of
// senseless numbers (NaN, a negative radius) from looping.
constexpr int kMaxHalvings = 200;
constexpr double kRadiusTolerance = 1e-12 / 3;

// The radius of [lo, hi] at which falling(Rb), falling as Rb grows, comes down to `target`.
template <class Falling>
double BisectRadius(double lo, double hi, double target, Falling&& falling) {
  for (int i = 0; i < kMaxHalvings && hi - lo > kRadiusTolerance * std::fabs(hi); ++i) {
    const double mid = (lo + hi) / 2;
    (falling(mid) > target ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

struct MeanDiameters {
  double small, large;
};
MeanDiameters MeansOf(const ConicalDesign& r) {
  const CoilDiameters none{0, 0, 0};
  return {DiametersFrom(r.DiameterKind, r.SmallDiameter, r.WireDiameter, none).mean,
          DiametersFrom(r.DiameterKind, r.LargeDiameter, r.WireDiameter, none).mean};
}

}  // namespace

ConicalCurve::ConicalCurve(double G, double d, double R1, double R2, double Na, double p)
    : d_(d), R1_(R1), R2_(R2) {
  const double d4 = d * d * d * d;
  GJ_ = G * kPi * d4 / 32;
  capacity_ = (p - d) / (2 * kPi);
  turnsAngle_ = 2 * kPi * Na;
  k1_ = G * d4 / (16 * Na * (R1 + R2) * (R1 * R1 + R2 * R2));
  firstContact_ = capacity_ * GJ_ / (R2 * R2 * R2);
  solid_ = capacity_ * GJ_ / (R1 * R1 * R1);
  solidDeflection_ = Na * (p - d);
}

double ConicalCurve::OpenRadius(double P) const {
  if (!(P > firstContact_)) return R2_;
  if (!(P < solid_)) return R1_;
  return std::cbrt(capacity_ * GJ_ / P);
}

double ConicalCurve::Deflection(double P) const {
  if (!(P > firstContact_)) return P / k1_;
  if (!(P < solid_)) return solidDeflection_;
  return DeflectionAtRadius(OpenRadius(P));
}

// With P = c·G·J/Rb³ the progressive deflection is c·2πNa/(R2 − R1)·(R2 − ¾Rb − R1⁴/(4Rb³)).
double ConicalCurve::DeflectionAtRadius(double Rb) const {
  const double R14 = R1_ * R1_ * R1_ * R1_;
  return capacity_ * turnsAngle_ / (R2_ - R1_) * (R2_ - 0.75 * Rb - R14 / (4 * Rb * Rb * Rb));
}

double ConicalCurve::LoadAtRadius(double Rb) const { return capacity_ * GJ_ / (Rb * Rb * Rb); }

double ConicalCurve::StressAtRadius(double Ra, double P) const {
  return TorsionalStressOf(WahlFactorOf(2 * Ra / d_), 2 * Ra, P, d_ * d_ * d_);
}

double ConicalCurve::LoadAt(double deflection) const {
  if (!(deflection > firstContact_ / k1_)) return k1_ * deflection;
  if (!(deflection < solidDeflection_)) return solid_;
  return LoadAtRadius(
      BisectRadius(R1_, R2_, deflection, [this](double Rb) { return DeflectionAtRadius(Rb); }));
}

std::optional<double> ConicalCurve::RateAt(double P) const {
  if (!(P > firstContact_)) return k1_;
  if (!(P < solid_)) return std::nullopt;
  const double Rb = OpenRadius(P);
  const double Rb2 = Rb * Rb, R12 = R1_ * R1_;
  return 4 * GJ_ * (R2_ - R1_) / (turnsAngle_ * (Rb2 * Rb2 - R12 * R12));
}

double ConicalCurve::StressAt(double P) const { return StressAtRadius(OpenRadius(P), P); }

double ConicalCurve::LoadAtStress(double stress) const {
  const double D2 = 2 * R2_;
  if (!(StressAt(firstContact_) < stress))
    return coilspring::LoadAtStress(stress, d_ * d_ * d_, D2, WahlFactorOf(D2 / d_));
  if (!(StressAt(solid_) > stress)) return solid_;
  return LoadAtRadius(BisectRadius(
      R1_, R2_, stress, [this](double Rb) { return StressAtRadius(Rb, LoadAtRadius(Rb)); }));
}

ConicalCurve CurveOf(const ConicalDesign& r, const MaterialRecord& m) {
  return ConicalCurve(m.ShearModulus / kKgfForRate, r.WireDiameter, r.SmallMean / 2,
                      r.LargeMean / 2, r.ActiveTurns, r.Pitch);
}

namespace {

int RowOf(const MaterialRecord& m, double d) {
  for (int row = 0; row < m.UsableRows(); ++row)
    if (m.WireDiameters[row] == d) return row;
  return -1;
}

bool AllResultsFinite(const ConicalDesign& r) {
  bool finite = true;
  ConicalDesign::VisitFields(r, [&](const DesignField&, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, double>) finite = finite && std::isfinite(value);
    if constexpr (std::is_same_v<T, std::optional<double>>)
      finite = finite && (!value || std::isfinite(*value));
  });
  return finite;
}

unsigned FaultsOf(const ConicalDesign& r, bool tableCoversWire) {
  unsigned faults = 0;
  if (std::min(r.SpringIndexSmall, r.SpringIndexLarge) < 4) faults |= kFaultIndexLow;
  if (std::max(r.SpringIndexSmall, r.SpringIndexLarge) > 22) faults |= kFaultIndexHigh;
  // A load beyond the solid load would press the spring shorter than solid, as a length below
  // it does.
  if (r.Length2 + 0.0000001 < r.SolidHeight || r.Load2 > r.SolidLoad) faults |= kFaultBelowSolid;
  if (r.FreeLength < r.Length1 || r.Length1 < r.Length2) faults |= kFaultLengthOrder;
  if (r.AllowableStress + kStressCheckAllowance < r.Stress2) faults |= kFaultOverstress;
  if (r.ActiveTurns < 3) faults |= kFaultFewTurns;
  if (!tableCoversWire) faults |= kFaultOutsideTable;
  // A rate that is not above 0 is no spring at all.
  if (!AllResultsFinite(r) || !(r.InitialRate > 0)) faults |= kFaultNotFinite;
  if (Telescopes(r)) faults |= kConicalTelescoping;
  return faults;
}

ConicalCheck Calculate(ConicalDesign& r, const MaterialRecord& m, TableValue allowable,
                       const CoefficientSettings& settings) {
  const double d = r.WireDiameter;
  const MeanDiameters means = MeansOf(r);
  r.SmallMean = means.small;
  r.LargeMean = means.large;
  r.WireRow = RowOf(m, d);
  r.SpringIndexSmall = r.SmallMean / d;
  r.SpringIndexLarge = r.LargeMean / d;
  r.ActiveTurns = ActiveTurnsFor(r.TotalTurns, r.EndKind);
  r.SolidHeight = SolidHeightOf(r.TotalTurns, d);
  r.Pitch = (r.FreeLength - r.SolidHeight) / r.ActiveTurns + d;

  const ConicalCurve curve = CurveOf(r, m);
  r.InitialRate = curve.InitialRate();
  r.FirstContactLoad = curve.FirstContactLoad();
  r.FirstContactLength = r.FreeLength - curve.Deflection(r.FirstContactLoad);
  if (r.InputMode == InputMode::Loads) {
    r.Length1 = r.FreeLength - curve.Deflection(r.Load1);
    r.Length2 = r.FreeLength - curve.Deflection(r.Load2);
  } else {
    r.Load1 = curve.LoadAt(r.FreeLength - r.Length1);
    r.Load2 = curve.LoadAt(r.FreeLength - r.Length2);
  }
  r.Rate1 = curve.RateAt(r.Load1);
  r.Rate2 = curve.RateAt(r.Load2);
  r.Stress1 = curve.StressAt(r.Load1);
  r.Stress2 = curve.StressAt(r.Load2);

  r.AllowableStress = CompressionAllowableStress(allowable.stress, settings);
  r.MaxLoad = curve.LoadAtStress(r.AllowableStress);
  r.SolidLoad = curve.SolidLoad();
  r.SolidStress = curve.StressAt(r.SolidLoad);

  const StressCoefficients x = ConicalFatigueCoefficients(r, m);
  r.LifeClass = LifeClassOf(x.x, x.y);
  return {FaultsOf(r, allowable.covered)};
}

}  // namespace

ConicalCheck CalculateConical(ConicalDesign& r, const PreparedMaterial& p,
                              const CoefficientSettings& settings) {
  return Calculate(r, *p.material, PreparedTorsionAt(p, r.WireDiameter), settings);
}

ConicalCheck CalculateConical(ConicalDesign& r, const MaterialRecord& m,
                              const CoefficientSettings& settings) {
  AllowableStressTable table;
  BuildAllowableStressTable(m, table);
  return Calculate(r, m, TableValueAt(table, r.WireDiameter), settings);
}

std::vector<std::string> ConicalCheck::Lines(const ConicalDesign& design) const {
  std::vector<std::string> lines;
  for (unsigned rest = faults; rest != 0; rest &= rest - 1) {
    const unsigned bit = rest & (~rest + 1);
    lines.emplace_back(bit == kConicalTelescoping ? "エラー：" + *TelescopingRefusal(design)
                                                  : CheckLineOf(bit));
  }
  if (lines.empty()) lines.emplace_back(kSuccessLine);
  return lines;
}

bool Telescopes(const ConicalDesign& r) {
  const MeanDiameters means = MeansOf(r);
  const double step = (means.large - means.small) / 2 / ActiveTurnsFor(r.TotalTurns, r.EndKind);
  return !(step < r.WireDiameter);
}

std::optional<std::string> TelescopingRefusal(const ConicalDesign& r) {
  if (!Telescopes(r)) return std::nullopt;
  const MeanDiameters means = MeansOf(r);
  return "コイルが入れ子になる円すいばねは計算できません（平均径 " + FormatFull(means.small) +
         "～" + FormatFull(means.large) + " mm：1巻ごとの半径の差 " +
         FormatFull((means.large - means.small) / 2 / ActiveTurnsFor(r.TotalTurns, r.EndKind)) +
         " mm が線径 " + FormatFull(r.WireDiameter) + " mm 以上）";
}

namespace {

std::optional<InputProblem> InputNumberProblem(const ConicalDesign& r, const char* name,
                                               double value) {
  const std::string_view key = name;
  const bool loads = r.InputMode == InputMode::Loads;
  if (key == "TotalTurns") return NotPositiveProblem(name, value);
  if (key == "Load1" || key == "Load2") return loads ? FiniteProblem(name, value) : std::nullopt;
  if (key == "Length1" || key == "Length2")
    return loads ? std::nullopt : NegativeProblem(name, value);
  if (auto problem = NegativeProblem(name, value)) return problem;
  if (key == "LargeDiameter" && value < r.SmallDiameter)
    return InputProblem{name, "SmallDiameter（" + FormatFull(r.SmallDiameter) + "）以上の値"};
  const double solid = SolidHeightOf(r.TotalTurns, r.WireDiameter);
  if (key == "FreeLength" && solid > value)
    return InputProblem{name, "密着高さ（(総巻数＋1)×線径 = " + FormatFull(solid) + "）以上の値"};
  return std::nullopt;
}

}  // namespace

std::optional<InputProblem> ConicalInputProblem(const ConicalDesign& r,
                                                const MaterialTable& materials) {
  std::optional<InputProblem> problem =
      MaterialInputProblem(r.MaterialNo, r.WireDiameter, materials);
  ConicalDesign::VisitFields(r, [&](const DesignField& f, const auto& value) {
    if (!f.IsInput()) return;
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>)
      if (!problem) problem = InputNumberProblem(r, f.name, value);
  });
  return problem;
}

StressCoefficients ConicalFatigueCoefficients(const ConicalDesign& r, const MaterialRecord& m) {
  return FatigueCoefficients(r.Stress1, r.Stress2, TensileStrengthAt(m, r.WireRow));
}

}  // namespace coilspring
