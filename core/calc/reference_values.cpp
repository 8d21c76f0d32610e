#include "core/calc/reference_values.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <string_view>

#include "core/text/sjis.h"

namespace coilspring {

namespace {

ReferenceValue Valid(double v) {
  if (!std::isfinite(v)) return {};
  return {v, true};
}

bool Positive(double v) { return std::isfinite(v) && v > 0; }

// ---- Tolerances -----------------------------------------------------------------------------
// JIS B 2704-2:2009 (compression coil springs), tables of
// the standard tolerances of cold-coiled compression springs, as published by the Japan Spring
// Manufacturers Association (JSMA SB001-2): free length and coil (inner or outer) diameter by
// spring index D/d, each the larger of a percentage and a minimum in mm; load at a specified
// length by the number of active coils. The tables cover D/d 3..22 and 3 or more active coils.
struct PercentOrMinimum {
  double percent;
  double minimum;  // mm
};
struct IndexBand {
  double upperIndex;  // this band holds indices up to and including this
  std::array<PercentOrMinimum, kToleranceGrades> grades;
};
constexpr double kLowestIndex = 3;
constexpr std::array<IndexBand, 3> kFreeLengthBands = {{
    {8, {{{1.0, 0.2}, {2.0, 0.5}, {3.0, 0.7}}}},
    {15, {{{1.5, 0.5}, {3.0, 0.7}, {4.0, 0.8}}}},
    {22, {{{2.0, 0.6}, {4.0, 0.8}, {6.0, 1.0}}}},
}};
constexpr std::array<IndexBand, 3> kCoilDiameterBands = {{
    {8, {{{1.0, 0.15}, {1.5, 0.2}, {2.5, 0.4}}}},
    {15, {{{1.5, 0.2}, {2.0, 0.3}, {3.0, 0.5}}}},
    {22, {{{2.0, 0.3}, {3.0, 0.5}, {4.0, 0.7}}}},
}};
struct TurnsBand {
  double upperTurns;
  std::array<double, kToleranceGrades> percent;
};
constexpr double kLowestActiveTurns = 3;
constexpr std::array<TurnsBand, 2> kLoadBands = {{
    {10, {5, 10, 15}},
    {INFINITY, {4, 8, 12}},
}};

const IndexBand* BandOf(const std::array<IndexBand, 3>& bands, double index) {
  if (!std::isfinite(index) || index < kLowestIndex) return nullptr;
  for (const IndexBand& band : bands)
    if (index <= band.upperIndex) return &band;
  return nullptr;
}

ReferenceValue DimensionTolerance(const IndexBand* band, int grade, double size) {
  if (band == nullptr || !Positive(size)) return {};
  const PercentOrMinimum& g = band->grades[grade];
  return Valid(std::max(g.percent / 100 * size, g.minimum));
}

const TurnsBand* LoadBandOf(double activeTurns) {
  if (!std::isfinite(activeTurns) || activeTurns < kLowestActiveTurns) return nullptr;
  for (const TurnsBand& band : kLoadBands)
    if (activeTurns <= band.upperTurns) return &band;
  return nullptr;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

bool StartsWithSus(std::string_view symbol) {
  const std::size_t first = symbol.find_first_not_of(' ');
  if (first == std::string_view::npos || symbol.size() - first < 3) return false;
  std::string head(symbol.substr(first, 3));
  for (char& c : head) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return head == "SUS";
}

}  // namespace

const char* VerdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Ok:
      return "OK";
    case Verdict::Caution:
      return "注意";
    case Verdict::None:
      break;
  }
  return "";
}

namespace {

// A material's kind name and symbol as text. Converted from Shift-JIS once for the names last
// asked about on the thread: each calculation of an extension spring asks, and the conversion
// costs more than the rest of the calculation.
struct NamesText {
  ShortString<50> kindName, symbol;
  std::string kind, symbolText;
  bool converted = false;
};
const NamesText& NamesTextOf(const MaterialRecord& m) {
  thread_local NamesText last;
  if (!last.converted || !(last.kindName == m.KindName) || !(last.symbol == m.Symbol))
    last = {m.KindName, m.Symbol, SjisToUtf8(m.KindName.Raw()), SjisToUtf8(m.Symbol.Raw()), true};
  return last;
}

bool IsStainlessByText(const NamesText& names) {
  return Contains(names.kind, "ステンレス") || StartsWithSus(names.symbolText) ||
         Contains(names.symbolText, "ＳＵＳ");
}

}  // namespace

bool IsStainless(const MaterialRecord& material) {
  return IsStainlessByText(NamesTextOf(material));
}

WireClass WireClassOf(const MaterialRecord& material) {
  const NamesText& names = NamesTextOf(material);
  if (IsStainlessByText(names)) return WireClass::Stainless;
  if (Contains(names.kind, "ピアノ")) return WireClass::PianoWire;
  if (Contains(names.kind, "硬鋼")) return WireClass::HardDrawn;
  return WireClass::Other;
}

double DefaultDensity(const MaterialRecord& material) {
  return IsStainless(material) ? kStainlessDensity : kSteelDensity;
}

ReferenceValue FreeLengthTolerance(double springIndex, int grade, double freeLength) {
  if (grade < 1 || grade > kToleranceGrades) return {};
  return DimensionTolerance(BandOf(kFreeLengthBands, springIndex), grade - 1, freeLength);
}

std::optional<double> LoadTolerancePercent(double activeTurns, int grade) {
  const TurnsBand* band = LoadBandOf(activeTurns);
  if (band == nullptr || grade < 1 || grade > kToleranceGrades) return std::nullopt;
  return band->percent[grade - 1];
}

ReferenceValue CoilDiameterTolerance(double springIndex, int grade, double diameter) {
  if (grade < 1 || grade > kToleranceGrades) return {};
  return DimensionTolerance(BandOf(kCoilDiameterBands, springIndex), grade - 1, diameter);
}

double ModulusLossPerKelvin(const MaterialRecord& m) {
  return IsStainless(m) ? kStainlessShearLossPerKelvin : kSteelShearLossPerKelvin;
}

}  // namespace coilspring
