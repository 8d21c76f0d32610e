#include "core/extension/extension_calc.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "core/calc/allowable_stress.h"
#include "core/calc/coil_formulas.h"
#include "core/calc/fatigue.h"
#include "core/calc/reference_values.h"
#include "core/text/number_format.h"

namespace coilspring {

const std::array<const char*, CodeCount<HookKind>::value> kHookKindNames = {
    "丸フック", "半丸フック", "逆丸フック", "Uフック"};

const char* HookKindName(HookKind kind) {
  return IsValid(kind) ? kHookKindNames[static_cast<std::size_t>(RawOf(kind))] : "";
}

double EnteredDiameterOf(const ExtensionDesign& r) {
  return DiameterOfKind(r.DiameterKind, {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
}

bool IsExtensionDocumentKey(std::string_view key) {
  for (const char* other : {"kind", "history", "LifeClassText", "reference", "lines"})
    if (key == other) return true;
  return HasField<ExtensionDesign>(key);
}

namespace {

// Percent off as a factor.
double Lowered(double percent) { return 1 - percent / 100; }

int RowOf(const MaterialRecord& m, double d) {
  const int rows = m.UsableRows();
  for (int row = 0; row < rows; ++row)
    if (m.WireDiameters[row] == d) return row;
  return -1;
}

bool AllResultsFinite(const ExtensionDesign& r) {
  bool finite = true;
  ExtensionDesign::VisitFields(r, [&](const DesignField&, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>)
      finite = finite && std::isfinite(value);
  });
  return finite;
}

unsigned FaultsOf(const ExtensionDesign& r, bool tableCoversWire) {
  unsigned faults = 0;
  const double above = r.AllowableStress + kStressCheckAllowance;
  if (r.SpringIndex < 4) faults |= kExtensionIndexLow;
  if (r.SpringIndex > 22) faults |= kExtensionIndexHigh;
  if (r.ActiveTurns < 3) faults |= kExtensionFewTurns;
  // The greatest magnitude over the working range when its points are in order (the order
  // check fails the others): a stress below zero must not pass as a small one.
  if (above < std::max(std::fabs(r.Stress2), -r.Stress1)) faults |= kExtensionOverstress;
  if (above < std::fabs(r.HookStress)) faults |= kExtensionHookOverstress;
  const bool inOrder = r.InputMode == InputMode::Loads
                           ? r.InitialTension <= r.Load1 && r.Load1 <= r.Load2
                           : r.FreeLength <= r.Length1 && r.Length1 <= r.Length2;
  if (!inOrder) faults |= kExtensionOrder;
  if (!tableCoversWire) faults |= kExtensionOutsideTable;
  // A rate that is not above 0 is no spring at all: its other results cannot be trusted either.
  if (!AllResultsFinite(r) || !(r.SpringRate > 0)) faults |= kExtensionNotFinite;
  if (!(r.InitialStressMin <= r.InitialStress && r.InitialStress <= r.InitialStressMax))
    faults |= kExtensionInitialStressOutsideBand;
  return faults;
}

// The faults the compression spring has too read as its check lines.
constexpr struct {
  unsigned extension, compression;
} kCompressionLines[] = {
    {kExtensionIndexLow, kFaultIndexLow},         {kExtensionIndexHigh, kFaultIndexHigh},
    {kExtensionFewTurns, kFaultFewTurns},         {kExtensionOverstress, kFaultOverstress},
    {kExtensionOutsideTable, kFaultOutsideTable}, {kExtensionNotFinite, kFaultNotFinite},
};

const char* LineOf(unsigned faultBit, InputMode inputMode) {
  for (const auto& shared : kCompressionLines)
    if (faultBit == shared.extension) return CheckLineOf(shared.compression);
  switch (faultBit) {
    case kExtensionHookOverstress:
      return "エラー:フック応力オーバー";
    case kExtensionOrder:
      return inputMode == InputMode::Loads ? "エラー:荷重の順番が不適（Pi≦P1≦P2）"
                                           : "エラー:引張長さの順番が不適（L0≦L1≦L2）";
    case kExtensionInitialStressOutsideBand:
      return "警告:初応力が製作できる範囲の外";
    default:
      return "";
  }
}

}  // namespace

StressBand CoiledInitialStressBand(double c) {
  const double middle = 231 * std::exp(-0.105 * c);
  const double half = 6.9 * (4 - (c - 3) / 6.5);
  return {middle - half, middle + half};
}

double InitialTensionFactor(WireClass wire, bool annealed, const CoefficientSettings& s) {
  switch (wire) {
    case WireClass::Stainless:
      return Lowered(s.StainlessTensionReduction) *
             (annealed ? Lowered(s.AnnealedStainlessTensionReduction) : 1);
    case WireClass::PianoWire:
      return annealed ? Lowered(s.PianoWireTensionReduction) : 1;
    case WireClass::HardDrawn:
      return annealed ? Lowered(s.HardDrawnTensionReduction) : 1;
    case WireClass::Other:
      break;
  }
  return 1;
}

namespace {

// What the calculation takes from the material besides its record: the wire class and the
// allowable torsional stress table's value at the wire.
ExtensionCheck Calculate(ExtensionDesign& r, const MaterialRecord& m, WireClass wire,
                         TableValue allowable, const CoefficientSettings& settings) {
  const double d = r.WireDiameter;
  const CoilDiameters derived = DiametersFrom(r.DiameterKind, EnteredDiameterOf(r), d,
                                              {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
  r.InnerDiameter = derived.inner;
  r.MeanDiameter = derived.mean;
  r.OuterDiameter = derived.outer;
  const double D = r.MeanDiameter;
  const double d3 = d * d * d;
  r.WireRow = RowOf(m, d);

  const double c = D / d;
  const double kappa = WahlFactorOf(c);
  r.SpringIndex = c;
  r.WahlFactor = kappa;
  r.ActiveTurns = r.TotalTurns;
  const double k = SpringRateFor(m.ShearModulus, d, D, r.ActiveTurns);
  r.SpringRate = k;
  if (r.InputMode == InputMode::Loads) {
    r.Length1 = r.FreeLength + (r.Load1 - r.InitialTension) / k;
    r.Length2 = r.FreeLength + (r.Load2 - r.InitialTension) / k;
  } else {
    r.Load1 = r.InitialTension + k * (r.Length1 - r.FreeLength);
    r.Load2 = r.InitialTension + k * (r.Length2 - r.FreeLength);
  }

  r.InitialStress = TorsionalStressOf(1, D, r.InitialTension, d3);
  const StressBand band = CoiledInitialStressBand(c);
  const double lowered = InitialTensionFactor(wire, r.Annealed, settings) / kKgfForAllowable;
  r.InitialStressMin = band.min * lowered;
  r.InitialStressMax = band.max * lowered;
  r.Stress1 = TorsionalStressOf(kappa, D, r.Load1, d3);
  r.Stress2 = TorsionalStressOf(kappa, D, r.Load2, d3);

  r.AllowableStress =
      CompressionAllowableStress(allowable.stress, settings) * settings.ExtensionStressRatio / 100;
  r.MaxLoad = LoadAtStress(r.AllowableStress, d3, D, kappa);
  r.MaxLength = r.FreeLength + (r.MaxLoad - r.InitialTension) / k;
  r.HookStress = TorsionalStressOf(settings.HookStressFactor, D, r.Load2, d3);

  const StressCoefficients x = ExtensionFatigueCoefficients(r, m);
  r.LifeClass = LifeClassOf(x.x, x.y);
  return {FaultsOf(r, allowable.covered)};
}

}  // namespace

ExtensionCheck CalculateExtension(ExtensionDesign& r, const PreparedMaterial& p,
                                  const CoefficientSettings& settings) {
  return Calculate(r, *p.material, p.wireClass, PreparedTorsionAt(p, r.WireDiameter), settings);
}

ExtensionCheck CalculateExtension(ExtensionDesign& r, const MaterialRecord& m,
                                  const CoefficientSettings& settings) {
  AllowableStressTable table;
  BuildAllowableStressTable(m, table);
  return Calculate(r, m, WireClassOf(m), TableValueAt(table, r.WireDiameter), settings);
}

std::vector<std::string> ExtensionCheck::Lines(InputMode inputMode) const {
  std::vector<std::string> lines;
  for (unsigned rest = faults; rest != 0; rest &= rest - 1)
    lines.emplace_back(LineOf(rest & (~rest + 1), inputMode));
  if (lines.empty()) lines.emplace_back(kSuccessLine);
  return lines;
}

namespace {

// The rule of one number among the inputs: the entered one of the diameters, and the lengths or
// the loads as InputMode enters them; the others are results and pass.
std::optional<InputProblem> InputNumberProblem(const ExtensionDesign& r, const char* name,
                                               double value) {
  const std::string_view key = name;
  const bool loads = r.InputMode == InputMode::Loads;
  if (key == "TotalTurns") return NotPositiveProblem(name, value);
  if (key == "Load1" || key == "Load2") return loads ? FiniteProblem(name, value) : std::nullopt;
  if (key == "Length1" || key == "Length2")
    return loads ? std::nullopt : NegativeProblem(name, value);
  if (key.ends_with("Diameter") && key != "WireDiameter" && key != DiameterKeyOf(r.DiameterKind))
    return std::nullopt;
  if (auto problem = NegativeProblem(name, value)) return problem;
  const double body = SolidHeightOf(r.TotalTurns, r.WireDiameter);
  if (key == "FreeLength" && body > value)
    return InputProblem{
        name, "密着したコイルの長さ（(総巻数＋1)×線径 = " + FormatFull(body) + "）以上の値"};
  return std::nullopt;
}

}  // namespace

std::optional<InputProblem> ExtensionInputProblem(const ExtensionDesign& r,
                                                  const MaterialTable& materials) {
  // MaterialNo and WireDiameter lead the field table.
  std::optional<InputProblem> problem =
      MaterialInputProblem(r.MaterialNo, r.WireDiameter, materials);
  ExtensionDesign::VisitFields(r, [&](const DesignField& f, const auto& value) {
    if (!f.IsInput()) return;
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, double>)
      if (!problem) problem = InputNumberProblem(r, f.name, value);
  });
  return problem;
}

StressBand InitialTensionBand(const ExtensionDesign& r) {
  const double d3 = r.WireDiameter * r.WireDiameter * r.WireDiameter;
  return {LoadAtStress(r.InitialStressMin, d3, r.MeanDiameter, 1),
          LoadAtStress(r.InitialStressMax, d3, r.MeanDiameter, 1)};
}

StressCoefficients ExtensionFatigueCoefficients(const ExtensionDesign& r, const MaterialRecord& m) {
  return FatigueCoefficients(r.Stress1, r.Stress2, TensileStrengthAt(m, r.WireRow));
}

double HookInnerHeight(const ExtensionDesign& r) {
  // From the entered diameter: the other two may not have been worked out from it yet (inputs
  // just typed into the window), and an inner or outer diameter kind must not take a stale mean.
  const double inner = DiametersFrom(r.DiameterKind, EnteredDiameterOf(r), r.WireDiameter,
                                     {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter})
                           .inner;
  return r.HookKind == HookKind::HalfRound ? inner / 2 : inner;
}

double StandardFreeLength(const ExtensionDesign& r) {
  return SolidHeightOf(r.TotalTurns, r.WireDiameter) + 2 * HookInnerHeight(r);
}

}  // namespace coilspring
