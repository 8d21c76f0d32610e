#include "core/compression/reference.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <string_view>

#include "core/calc/fatigue.h"
#include "core/compression/spring_calc.h"
#include "core/text/sjis.h"

namespace coilspring {

namespace {

// Same allowance as the solid-height check, so a length the checks accept as "at solid" is
// treated as reaching solid here too.
constexpr double kSolidSlack = 0.0000001;

ReferenceValue Valid(double v) {
  if (!std::isfinite(v)) return {};
  return {v, true};
}

bool Positive(double v) { return std::isfinite(v) && v > 0; }

// ---- Buckling -------------------------------------------------------------------------------
// Haringx's solution for a helical spring as a column, in the form of EN 13906-1 (9.14) and
// JIS B 2704-1: with g = G/E and ν the seating factor,
//   s_k = L0 · 0.5 / (1 − g) · [1 − √(1 − (1 − g)/(0.5 + g) · (π·D / (ν·L0))²)]
// A negative radicand means no deflection at all makes the spring buckle.
struct BucklingTerms {
  double shape;  // (1 − g) / (0.5 + g)
  double gap;    // 1 − g
};

std::optional<BucklingTerms> TermsOf(double shearModulus, double youngModulus) {
  if (!Positive(shearModulus) || !Positive(youngModulus)) return std::nullopt;
  const double g = shearModulus / youngModulus;
  if (!(g < 1)) return std::nullopt;  // no real material; the formula divides by 1 − g
  return BucklingTerms{(1 - g) / (0.5 + g), 1 - g};
}

void FillTolerances(const DesignRecord& r, ReferenceChecks& out) {
  const double d = r.WireDiameter;
  const double D = r.MeanDiameter;
  const double index = Positive(d) ? D / d : NAN;
  // The standard holds either the inner or the outer diameter; a mean diameter is made to
  // its outer diameter.
  out.toleranceOnInner = r.DiameterKind == DiameterKind::Inner;
  const double coil = out.toleranceOnInner ? D - d : D + d;
  for (int grade = 0; grade < kToleranceGrades; ++grade) {
    GradeTolerances& t = out.tolerances[grade];
    t.freeLength = FreeLengthTolerance(index, grade + 1, r.FreeLength);
    t.coilDiameter = CoilDiameterTolerance(index, grade + 1, coil);
    const std::optional<double> percent = LoadTolerancePercent(r.ActiveTurns, grade + 1);
    t.load1 = percent ? Valid(*percent / 100 * std::fabs(r.Load1)) : ReferenceValue{};
    t.load2 = percent ? Valid(*percent / 100 * std::fabs(r.Load2)) : ReferenceValue{};
  }
}

// ---- The other groups -------------------------------------------------------------------------

void FillBuckling(const DesignRecord& r, const MaterialRecord& m, ReferenceChecks& out) {
  const double L0 = r.FreeLength;
  const double D = r.MeanDiameter;
  if (Positive(D)) out.slenderness = Valid(L0 / D);
  if (const auto lc = CriticalFreeLength(D, m.ShearModulus, m.YoungModulus, out.seatingFactor))
    out.criticalFreeLength = Valid(*lc);
  const BucklingResult b = BucklingOf(L0, D, m.ShearModulus, m.YoungModulus, out.seatingFactor);
  out.bucklingState = b.state;
  if (b.state == BucklingState::HasCriticalDeflection)
    out.criticalDeflection = Valid(b.criticalDeflection);
  out.deflection2 = Valid(L0 - r.Length2);
  if (b.state == BucklingState::Stable) {
    out.buckling = Verdict::Ok;
  } else if (b.state == BucklingState::HasCriticalDeflection && out.deflection2.valid) {
    out.buckling = out.deflection2.value < b.criticalDeflection ? Verdict::Ok : Verdict::Caution;
  }
}

void FillSolidStress(const DesignRecord& r, ReferenceChecks& out) {
  const double d = r.WireDiameter;
  const double travel = r.FreeLength - r.SolidHeight;
  // A free length below solid height has no solid load to speak of.
  if (!(travel >= -kSolidSlack) || !Positive(d)) return;
  const double load = r.SpringRate * std::max(travel, 0.0);
  out.solidLoad = Valid(load);
  if (!out.solidLoad.valid) return;
  // The stress formula of the six checks, without and with the stress correction factor.
  out.solidStress = Valid(8 * r.MeanDiameter * load / kPi / (d * d * d));
  out.solidStressCorrected = Valid(r.WahlFactor * out.solidStress.value);
  if (!out.solidStress.valid || !out.solidStressCorrected.valid) {
    out.solidStress = out.solidStressCorrected = {};
    return;
  }
  if (!Positive(r.AllowableStress)) return;
  out.solidStressRatio = Valid(out.solidStress.value / r.AllowableStress);
  out.solidStressCorrectedRatio = Valid(out.solidStressCorrected.value / r.AllowableStress);
  // Judged like the stress check of the design: corrected stress against the allowable one.
  out.solidStressVerdict =
      out.solidStressCorrected.value <= r.AllowableStress + kStressCheckAllowance
          ? Verdict::Ok
          : Verdict::Caution;
}

// The active coils close completely at the program's solid height, so the free pitch is the
// wire diameter plus each coil's share of the travel to solid. Under compression the wire
// keeps its length and the coils their number, so the helix widens:
//   (π·D_L)² + p_L² = (π·D)² + p²    (the classic relation of the spring makers' handbooks;
//   EN 13906-1 gives an approximation of it at solid height).
void FillGeometry(const DesignRecord& r, ReferenceChecks& out) {
  const double d = r.WireDiameter;
  const double D = r.MeanDiameter;
  const double Na = r.ActiveTurns;
  const double Hs = r.SolidHeight;
  if (!Positive(d) || !Positive(D) || !Positive(Na) || !std::isfinite(Hs)) return;
  if (!(r.FreeLength + kSolidSlack >= Hs)) return;
  const double pitch = std::max(r.FreeLength - Hs, 0.0) / Na + d;
  out.pitch = Valid(pitch);
  if (!out.pitch.valid || !(r.Length2 + kSolidSlack >= Hs)) return;  // L2 beyond solid
  const double pitch2 = std::max(r.Length2 - Hs, 0.0) / Na + d;
  const double square = D * D + (pitch * pitch - pitch2 * pitch2) / (kPi * kPi);
  if (!(square > 0)) return;
  out.outerDiameterAtL2 = Valid(std::sqrt(square) + d);
  if (out.outerDiameterAtL2.valid)
    out.outerDiameterGrowth = Valid(out.outerDiameterAtL2.value - (D + d));
}

// ---- Worst case of one grade ------------------------------------------------------------------
// Stress is proportional to load, so a stress at another load is the design's stress scaled.
double StressAt(double stress, double load, double otherLoad) {
  return load != 0 ? stress * otherLoad / load : stress;
}

// The life class through the one classification of the fatigue diagram, for the design's
// working point moved to other stresses.
std::optional<std::int32_t> LifeClassAt(const DesignRecord& r, const MaterialRecord& m,
                                        double stress1, double stress2) {
  const StressCoefficients k =
      FatigueCoefficients(stress1, stress2, TensileStrengthAt(m, r.WireRow));
  if (!std::isfinite(k.x) || !std::isfinite(k.y)) return std::nullopt;
  return LifeClassOf(k.x, k.y);
}

Verdict AtMost(const ReferenceValue& value, const ReferenceValue& limit) {
  if (!value.valid || !limit.valid) return Verdict::None;
  return value.value <= limit.value ? Verdict::Ok : Verdict::Caution;
}

void FillWorstCase(const DesignRecord& r, const MaterialRecord& m, const ReferenceInputs& in,
                   ReferenceChecks& out) {
  WorstCase& w = out.worstCase;
  w.grade = std::clamp(in.grade, 1, kToleranceGrades);
  const GradeTolerances& t = out.tolerances[w.grade - 1];
  // A bore or rod that is no positive size is no check.
  if (in.bore && Positive(*in.bore)) w.bore = Valid(*in.bore);
  if (in.rod && Positive(*in.rod)) w.rod = Valid(*in.rod);

  if (t.coilDiameter.valid && out.outerDiameterAtL2.valid)
    w.outerDiameterMax = Valid(out.outerDiameterAtL2.value + t.coilDiameter.value);
  // The inner diameter only grows under load: the free spring is the tightest over a rod.
  if (t.coilDiameter.valid && Positive(r.MeanDiameter - r.WireDiameter))
    w.innerDiameterMin = Valid(r.MeanDiameter - r.WireDiameter - t.coilDiameter.value);
  w.boreVerdict = AtMost(w.outerDiameterMax, w.bore);
  w.rodVerdict = AtMost(w.rod, w.innerDiameterMin);

  if (!t.load1.valid || !t.load2.valid) return;
  w.load1Min = Valid(r.Load1 - t.load1.value);
  w.load1Max = Valid(r.Load1 + t.load1.value);
  w.load2Min = Valid(r.Load2 - t.load2.value);
  w.load2Max = Valid(r.Load2 + t.load2.value);
  if (!w.load1Min.valid || !w.load1Max.valid || !w.load2Min.valid || !w.load2Max.valid) {
    w.load1Min = w.load1Max = w.load2Min = w.load2Max = {};
    return;
  }
  w.stress2Max = Valid(StressAt(r.Stress2, r.Load2, w.load2Max.value));
  if (w.stress2Max.valid && std::isfinite(r.AllowableStress))
    w.stressVerdict = w.stress2Max.value <= r.AllowableStress + kStressCheckAllowance
                          ? Verdict::Ok
                          : Verdict::Caution;
  // The life lines rise with the lower stress, so the least P1 with the greatest P2 is the
  // point with the shortest life.
  const double stress1Min = StressAt(r.Stress1, r.Load1, w.load1Min.value);
  if (w.stress2Max.valid && std::isfinite(stress1Min))
    w.lifeClass = LifeClassAt(r, m, stress1Min, w.stress2Max.value);
}

// ---- Coil clearance, energy, wire, temperature ------------------------------------------------
// EN 13906-1 (cold-coiled springs): the sum of the minimum gaps between the active coils,
//   Sa = Na · (0.0015 · D² / d + 0.1 · d),
// is kept free at the last working length; under dynamic load 1.5 · Sa.
constexpr double kDynamicClearanceFactor = 1.5;

void FillCoilClearance(const DesignRecord& r, ReferenceChecks& out) {
  const double d = r.WireDiameter;
  const double D = r.MeanDiameter;
  const double Na = r.ActiveTurns;
  if (!Positive(d) || !Positive(D) || !Positive(Na) || !std::isfinite(r.SolidHeight)) return;
  const double gaps = Na * (0.0015 * D * D / d + 0.1 * d);
  out.smallestSafeLength = Valid(r.SolidHeight + gaps);
  out.smallestSafeLengthDynamic = Valid(r.SolidHeight + kDynamicClearanceFactor * gaps);
  if (!out.smallestSafeLength.valid || !out.smallestSafeLengthDynamic.valid) {
    out.smallestSafeLength = out.smallestSafeLengthDynamic = {};
    return;
  }
  if (!std::isfinite(r.Length2)) return;
  const auto clears = [&](const ReferenceValue& ln) {
    return r.Length2 + kSolidSlack >= ln.value ? Verdict::Ok : Verdict::Caution;
  };
  out.coilClearance = clears(out.smallestSafeLength);
  out.coilClearanceDynamic = clears(out.smallestSafeLengthDynamic);
}

// Work of a linear spring: the mean load times the travel.
void FillEnergy(const DesignRecord& r, ReferenceChecks& out) {
  out.energy12 = Valid((r.Load1 + r.Load2) / 2 * (r.Length1 - r.Length2));
  out.energy2 = Valid(r.Load2 / 2 * (r.FreeLength - r.Length2));
}

// The active coils are a helix at the free pitch; the end coils lie closed (pitch d).
void FillWire(const DesignRecord& r, ReferenceChecks& out) {
  const double d = r.WireDiameter;
  const double D = r.MeanDiameter;
  if (!out.pitch.valid || !Positive(D) || !std::isfinite(r.TotalTurns)) return;
  const double around = kPi * D;
  const double endTurns = std::max(r.TotalTurns - r.ActiveTurns, 0.0);
  const double length =
      r.ActiveTurns * std::hypot(around, out.pitch.value) + endTurns * std::hypot(around, d);
  out.wireLength = Valid(length);
  if (!out.wireLength.valid || !out.density.valid) return;
  constexpr double kCubicMillimetresPerCubicCentimetre = 1000;
  out.mass =
      Valid(kPi / 4 * d * d * length * out.density.value / kCubicMillimetresPerCubicCentimetre);
}

// EN 13906-1: G(T) = G · (1 − k · (T − 20 °C)); rate and loads at fixed lengths follow G.
void FillTemperature(const DesignRecord& r, const MaterialRecord& m, double temperature,
                     ReferenceChecks& out) {
  if (!std::isfinite(temperature) || temperature < kAbsoluteZero) return;
  out.temperature = Valid(temperature);
  const double loss = ModulusLossPerKelvin(m);
  out.shearLossPerKelvin = Valid(loss);
  const double factor = 1 - loss * (temperature - kRoomTemperature);
  // Hot enough to take the whole modulus away is outside what the relation describes.
  if (!(factor > 0)) return;
  if (Positive(m.ShearModulus)) out.shearModulusAtTemperature = Valid(m.ShearModulus * factor);
  if (!Positive(r.SpringRate)) return;
  out.rateAtTemperature = Valid(r.SpringRate * factor);
  out.load1AtTemperature = Valid(r.Load1 * factor);
  out.load2AtTemperature = Valid(r.Load2 * factor);
}

}  // namespace

double SeatingFactor(Seating seating) {
  switch (seating) {
    case Seating::BothFixed:
      return 0.5;
    case Seating::FixedHinged:
      return 0.7;
    case Seating::BothHinged:
      return 1;
    case Seating::FixedFree:
      return 2;
  }
  return 0.5;
}

const char* SeatingName(Seating seating) {
  switch (seating) {
    case Seating::BothFixed:
      return "両端固定（ν=0.5）";
    case Seating::FixedHinged:
      return "一端固定・他端回転自由（ν=0.7）";
    case Seating::BothHinged:
      return "両端回転自由（ν=1）";
    case Seating::FixedFree:
      return "一端固定・他端自由（ν=2）";
  }
  return "";
}

std::optional<double> CriticalFreeLength(double D, double G, double E, double nu) {
  const auto terms = TermsOf(G, E);
  if (!terms || !Positive(D) || !Positive(nu)) return std::nullopt;
  const double length = kPi * D / nu * std::sqrt(terms->shape);
  if (!std::isfinite(length)) return std::nullopt;
  return length;
}

BucklingResult BucklingOf(double L0, double D, double G, double E, double nu) {
  const auto terms = TermsOf(G, E);
  if (!terms || !Positive(L0) || !Positive(D) || !Positive(nu)) return {};
  const double ratio = kPi * D / (nu * L0);
  const double radicand = 1 - terms->shape * ratio * ratio;
  if (!std::isfinite(radicand)) return {};
  if (radicand < 0) return {BucklingState::Stable, 0};
  const double s = L0 * 0.5 / terms->gap * (1 - std::sqrt(radicand));
  if (!std::isfinite(s)) return {};
  return {BucklingState::HasCriticalDeflection, s};
}

// EN 13906-1 (9.16), first natural frequency of a spring held at both ends:
//   f = 3.56·10³ · d / (n·D²) · √(G / ρ)   [Hz; d, D in mm; G in N/mm²; ρ in kg/dm³ = g/cm³]
// (the constant is 10³·√10³ / (2π·√2), rounded as the standard prints it).
std::optional<double> NaturalFrequency(double d, double D, double Na, double G, double density) {
  if (!Positive(d) || !Positive(D) || !Positive(Na) || !Positive(G) || !Positive(density))
    return std::nullopt;
  const double f = 3.56e3 * d / (Na * D * D) * std::sqrt(G / density);
  if (!std::isfinite(f)) return std::nullopt;
  return f;
}

ReferenceChecks ComputeReferenceChecks(const DesignRecord& r, const MaterialRecord& m,
                                       const ReferenceInputs& in) {
  ReferenceChecks out;
  out.seating = in.seating;
  out.seatingFactor = SeatingFactor(in.seating);
  FillBuckling(r, m, out);

  // Not value_or: the default looks the material's names up in Shift-JIS, which a search of
  // millions of designs must not pay when it gives the density itself.
  out.density = Valid(in.density ? *in.density : DefaultDensity(m));
  if (!Positive(out.density.value)) out.density = {};
  if (out.density.valid) {
    if (const auto f = NaturalFrequency(r.WireDiameter, r.MeanDiameter, r.ActiveTurns,
                                        m.ShearModulus, out.density.value))
      out.naturalFrequency = Valid(*f);
  }

  FillSolidStress(r, out);
  FillGeometry(r, out);
  FillTolerances(r, out);
  FillWorstCase(r, m, in, out);
  FillCoilClearance(r, out);
  FillEnergy(r, out);
  FillWire(r, out);
  FillTemperature(r, m, in.temperature, out);
  return out;
}

}  // namespace coilspring
