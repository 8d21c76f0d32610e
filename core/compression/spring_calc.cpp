#include "core/compression/spring_calc.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

namespace coilspring {

const std::array<const char*, CodeCount<EndKind>::value> kEndKindNames = {
    "クローズ（無研削）", "クローズ（研削）",     "クローズ（テーパー）",      "オープン（無研削）",
    "オープン（研削）",   "オープン（テーパー）", "オープン3/4座巻（無研削）",
};

namespace {

// The stress table's row for the design's wire, when the design's diameter is that row's. Bits,
// not values, are compared: 0 and -0 interpolate to zeros of different signs.
int PreparedRowOf(const PreparedMaterial& p, const DesignRecord& r) {
  const int row = r.WireRow;
  if (row < 0 || row >= p.rows) return -1;
  const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
  return bits(p.material->WireDiameters[row]) == bits(r.WireDiameter) ? row : -1;
}

// Everything after the allowable stress (kgf/mm^2) of the material at d is known.
void CalculateFrom(DesignRecord& r, double shearModulus, double allowableStress) {
  const double d = r.WireDiameter;
  const double D = r.MeanDiameter;
  const double d3 = d * d * d;

  const double k = SpringRateFor(shearModulus, d, D, r.ActiveTurns);
  const double c = D / d;
  const double kappa = WahlFactorOf(c);
  r.SpringIndex = c;
  r.WahlFactor = kappa;
  r.SolidHeight = SolidHeightOf(r.TotalTurns, d);

  r.AllowableStress = allowableStress;
  r.MaxLoad = LoadAtStress(r.AllowableStress, d3, D, kappa);
  r.RecommendedFreeLength = r.MaxLoad / k + r.SolidHeight;
  r.SpringRate = k;

  switch (r.InputMode) {
    case InputMode::Lengths:
      r.Load1 = (r.FreeLength - r.Length1) * k;
      r.Load2 = (r.FreeLength - r.Length2) * k;
      break;
    case InputMode::Loads:
      r.Length1 = r.FreeLength - r.Load1 / k;
      r.Length2 = r.FreeLength - r.Load2 / k;
      break;
    default:
      // A damaged record: which pair was entered is unknown, so neither is derived from the
      // other and the stresses at the working points are undefined, which the checks report.
      r.Stress1 = r.Stress2 = std::numeric_limits<double>::quiet_NaN();
      return;
  }
  r.Stress1 = TorsionalStressOf(kappa, D, r.Load1, d3);
  r.Stress2 = TorsionalStressOf(kappa, D, r.Load2, d3);
}

}  // namespace

void CalculateSpring(DesignRecord& r, const MaterialTable& materials,
                     const CoefficientSettings& settings, AllowableStressTable& table) {
  const MaterialRecord& m = MaterialOf(materials, r.MaterialNo);
  BuildAllowableStressTable(m, table);
  const double s = InterpolateTable(table.diameters, table.stresses, table.count, r.WireDiameter);
  CalculateFrom(r, m.ShearModulus, CompressionAllowableStress(s, settings));
}

void CalculateSpring(DesignRecord& r, const PreparedMaterial& p,
                     const CoefficientSettings& settings) {
  const int row = PreparedRowOf(p, r);
  double allowable;
  if (row >= 0 && PreparedForRatio(p, settings)) {
    allowable = p.rowAllowable[row];
  } else {
    const double s = row >= 0 ? p.rowStress[row]
                              : InterpolateTable(p.table.diameters, p.table.stresses, p.table.count,
                                                 r.WireDiameter);
    allowable = CompressionAllowableStress(s, settings);
  }
  CalculateFrom(r, p.material->ShearModulus, allowable);
}

bool PreparedCovers(const PreparedMaterial& p, const DesignRecord& r) {
  const int row = PreparedRowOf(p, r);
  return row >= 0 ? p.rowCovered[row] : TableCovers(p.table, r.WireDiameter);
}

namespace {

// A fold rather than a loop over a list: the list would copy every value first, on every
// calculation.
template <class... Values>
bool AllFinite(Values... v) {
  return (std::isfinite(v) && ...);
}

bool AllResultsFinite(const DesignRecord& r) {
  return AllFinite(r.SpringRate, r.SpringIndex, r.WahlFactor, r.SolidHeight, r.AllowableStress,
                   r.MaxLoad, r.RecommendedFreeLength, r.Load1, r.Load2, r.Length1, r.Length2,
                   r.Stress1, r.Stress2);
}

}  // namespace

unsigned CheckDesign(const DesignRecord& r, bool tableCoversWire) {
  unsigned faults = 0;
  if (r.SpringIndex < 4) faults |= kFaultIndexLow;
  if (r.SpringIndex > 22) faults |= kFaultIndexHigh;
  if (r.Length2 + 0.0000001 < r.SolidHeight) faults |= kFaultBelowSolid;
  if (r.FreeLength < r.Length1 || r.Length1 < r.Length2) faults |= kFaultLengthOrder;
  if (r.AllowableStress + kStressCheckAllowance < r.Stress2) faults |= kFaultOverstress;
  if (r.ActiveTurns < 3) faults |= kFaultFewTurns;
  // Faults the six checks cannot see: comparisons with NaN are all false, and an allowable
  // stress taken from beyond the material's table is not a value to design with.
  if (!tableCoversWire) faults |= kFaultOutsideTable;
  if (!AllResultsFinite(r)) faults |= kFaultNotFinite;
  return faults;
}

namespace {

ValidationResult ValidationOf(unsigned faults) { return {CheckLines(faults), faults != 0}; }

}  // namespace

ValidationResult ValidateDesign(const DesignRecord& r, const AllowableStressTable& table) {
  return ValidationOf(CheckDesign(r, TableCovers(table, r.WireDiameter)));
}

ValidationResult ValidateDesign(const DesignRecord& r, const PreparedMaterial& material) {
  return ValidationOf(CheckDesign(r, PreparedCovers(material, r)));
}

double EndTurnsOf(EndKind endKind) {
  switch (endKind) {
    case EndKind::ClosedUnground:
    case EndKind::ClosedGround:
    case EndKind::ClosedTapered:
      return 2;
    default:
      return 1.5;
  }
}

double ActiveTurnsFor(double totalTurns, EndKind endKind) {
  const double active = totalTurns - EndTurnsOf(endKind);
  return active < 3 ? 2.99 : active;
}

int EndDrawModeOf(EndKind endKind) {
  switch (endKind) {
    case EndKind::ClosedGround:
    case EndKind::ClosedTapered:
      return 3;
    case EndKind::OpenUnground:
      return 0;
    case EndKind::OpenGround:
    case EndKind::OpenTapered:
    case EndKind::OpenThreeQuarterUnground:
      return 1;
    default:
      return 2;
  }
}

const char* DiameterKindName(DiameterKind kind) {
  static constexpr std::array<const char*, CodeCount<DiameterKind>::value> kNames = {
      "内径", "平均径", "外径"};
  return IsValid(kind) ? kNames[static_cast<std::size_t>(RawOf(kind))] : "";
}

const char* EndKindName(EndKind kind) {
  return IsValid(kind) ? kEndKindNames[static_cast<std::size_t>(RawOf(kind))] : "";
}

double BodyTurnsOf(double totalTurns) { return std::nearbyint(totalTurns - 2); }

}  // namespace coilspring

namespace coilspring {

double EnteredDiameterOf(const DesignRecord& r) {
  return DiameterOfKind(r.DiameterKind, {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
}

void DeriveInputsFromRecord(DesignRecord& r, const MaterialTable& materials) {
  if (const auto d = WireDiameterAt(materials, r.MaterialNo, r.WireRow)) r.WireDiameter = *d;
  const CoilDiameters current{r.InnerDiameter, r.MeanDiameter, r.OuterDiameter};
  const CoilDiameters derived =
      DiametersFrom(r.DiameterKind, EnteredDiameterOf(r), r.WireDiameter, current);
  r.InnerDiameter = derived.inner;
  r.MeanDiameter = derived.mean;
  r.OuterDiameter = derived.outer;
  if (IsValid(r.EndKind)) r.ActiveTurns = ActiveTurnsFor(r.TotalTurns, r.EndKind);
}

}  // namespace coilspring
