// The coil formulas every spring kind calls (rate, stress correction, torsional stress, the
// coil diameters from the entered one), the allowable stress the prepared material keeps, and
// the check lines the kinds share.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/calc/allowable_stress.h"
#include "core/records/coefficient_settings.h"
#include "core/records/design_codes.h"
#include "core/records/material_table.h"

namespace coilspring {

inline constexpr double kPi = 3.141592654;  // the literal the results are defined with
// A stress passes the stress check up to this much (kgf/mm^2) above the allowable stress.
inline constexpr double kStressCheckAllowance = 0.0005;

// Works out the prepared material's allowable stress at each row for the settings' stress
// ratio. A material prepared for another ratio still calculates right, only slower.
void PrepareCompressionAllowable(PreparedMaterial& material, const CoefficientSettings& settings);
inline bool PreparedForRatio(const PreparedMaterial& material,
                             const CoefficientSettings& settings) {
  return material.allowablePrepared &&
         std::bit_cast<std::uint64_t>(material.allowableRatio) ==
             std::bit_cast<std::uint64_t>(settings.CompressionStressRatio);
}

// The spring rate in kgf/mm of G (N/mm^2), d, D (mm) and Na active turns; CalculateSpring's.
inline double SpringRateFor(double shearModulus, double d, double D, double activeTurns) {
  const double d3 = d * d * d;
  return shearModulus * d3 * d / (8 * activeTurns * D * D * D) / kKgfForRate;
}

// The stress correction factor κ of a spring index c; CalculateSpring's.
constexpr double WahlFactorOf(double c) { return (4 * c - 1) / (4 * c - 4) + 0.615 / c; }

// The torsional stress in kgf/mm^2 of a load P (kgf) on a coil of mean diameter D and wire
// cube d3 (mm^3), times `factor` (κ for the corrected stress, 1 for the plain one).
constexpr double TorsionalStressOf(double factor, double D, double P, double d3) {
  return factor * 8 * D * P / kPi / d3;
}

// The load in kgf at which the corrected stress reaches `stress`; CalculateSpring's MaxLoad.
constexpr double LoadAtStress(double stress, double d3, double D, double kappa) {
  return kPi * stress * d3 / 8 / D / kappa;
}

// A compression spring's allowable stress in kgf/mm^2 of the material's allowable torsional
// stress s (N/mm^2) at the wire; CalculateSpring's AllowableStress.
inline double CompressionAllowableStress(double s, const CoefficientSettings& settings) {
  return s * settings.CompressionStressRatio / 100 / kKgfForAllowable;
}

// The solid height in mm of a spring of the given total turns and wire diameter d;
// CalculateSpring's.
constexpr double SolidHeightOf(double totalTurns, double d) { return (totalTurns + 1) * d; }

inline constexpr const char* kSuccessLine = "Calculation Success!";

// The line of one fault bit of CheckDesign (a DesignFault).
const char* CheckLineOf(unsigned faultBit);

// The check lines of a design, in order: one line per fault, lowest fault bit first, or the
// success line. They are made as they are read, from the fault bits: the calculate cycle runs on
// every key press and every candidate, and most of its results are never shown.
class CheckLines {
 public:
  class Iterator {
   public:
    using value_type = const char*;
    using difference_type = std::ptrdiff_t;
    Iterator() = default;
    Iterator(unsigned faults, bool success) : faults_(faults), success_(success) {}
    const char* operator*() const {
      return faults_ != 0 ? CheckLineOf(1u << std::countr_zero(faults_)) : kSuccessLine;
    }
    Iterator& operator++() {
      if (faults_ != 0)
        faults_ &= faults_ - 1;
      else
        success_ = false;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator&) const = default;

   private:
    unsigned faults_ = 0;
    bool success_ = false;
  };

  explicit CheckLines(unsigned faults = 0) : faults_(faults) {}
  Iterator begin() const { return {faults_, faults_ == 0}; }
  Iterator end() const { return {}; }
  bool empty() const { return false; }
  std::size_t size() const { return faults_ == 0 ? 1 : std::popcount(faults_); }
  std::string_view front() const { return *begin(); }
  std::string_view back() const {
    return faults_ == 0 ? kSuccessLine : CheckLineOf(1u << (31 - std::countl_zero(faults_)));
  }
  std::vector<std::string> Texts() const { return {begin(), end()}; }

 private:
  unsigned faults_;
};

struct ValidationResult {
  CheckLines lines;
  bool failed = false;  // error lines are shown in red
};

// The faults of the design checks, as bits, without making any text: 0 is a sound design.
enum DesignFault : unsigned {
  kFaultIndexLow = 1u << 0,
  kFaultIndexHigh = 1u << 1,
  kFaultBelowSolid = 1u << 2,
  kFaultLengthOrder = 1u << 3,
  kFaultOverstress = 1u << 4,
  kFaultFewTurns = 1u << 5,
  kFaultOutsideTable = 1u << 6,
  kFaultNotFinite = 1u << 7,
};

struct CoilDiameters {
  double inner, mean, outer;
};
// `x` is the diameter of kind `diameterKind`; a kind outside the enumeration changes nothing
// and gives the current diameters back.
CoilDiameters DiametersFrom(DiameterKind diameterKind, double x, double wireDiameter,
                            const CoilDiameters& current);

// The one of the three coil diameters that `kind` names (the mean one outside the enumeration).
double DiameterOfKind(DiameterKind kind, const CoilDiameters& diameters);

}  // namespace coilspring
