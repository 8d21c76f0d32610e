#include "core/calc/fatigue.h"

#include <cmath>
#include <limits>

#include "core/text/number_format.h"

namespace coilspring {
namespace {

// kgf/mm^2 to N/mm^2 as the diagram has always been read (not the 9.8066 of the spring rate).
constexpr double kKgfForFatigue = 9.8;
// Where the life lines meet the diagonal for the classification; the drawing uses 0.667 (see
// fatigue_diagram.cpp), and both are kept so that classes and pictures stay as users know them.
constexpr double kLifeLineEndForClass = 0.67;

}  // namespace

std::string LifeClassText(std::int32_t lifeClass) {
  if (lifeClass < 0 || lifeClass >= kLifeClassCount) return {};
  return LifeClassNames[static_cast<std::size_t>(lifeClass)];
}

double TensileStrengthAt(const MaterialRecord& material, std::int32_t row) {
  if (row < 0 || row >= kMaterialRows) return 0;
  return material.TensileStrengths[static_cast<std::size_t>(row)];
}

StressCoefficients FatigueCoefficients(double stress1, double stress2, double sigmaB) {
  // A zero or negative strength is a gap in the material data, not a material: no point of the
  // diagram stands for it.
  if (!(sigmaB > 0) || !std::isfinite(sigmaB)) {
    constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();
    return {kUndefined, kUndefined};
  }
  return {stress1 * kKgfForFatigue / sigmaB, stress2 * kKgfForFatigue / sigmaB};
}

std::int32_t LifeClassOf(double x, double y) {
  // An undefined point promises nothing, so it gets the shortest life.
  if (!std::isfinite(x) || !std::isfinite(y)) return kLowestLifeClass;
  if (y > kTopLineLevel) return kLowestLifeClass;
  for (std::size_t i = 0; i < LifeLineIntercepts.size(); ++i) {
    const double t = LifeLineIntercepts[i];
    if (y <= t + (kLifeLineEndForClass - t) / kLifeLineEndForClass * x) {
      return static_cast<std::int32_t>(i);
    }
  }
  // Only a negative x gets here: the point lies above the 1万 line, which is class 8's place.
  return kLowestLifeClass;
}

bool OutsideDiagram(double x, double y) {
  // Only y is held against the plot area; a point that has no place at all (NaN, infinity) is
  // reported the same way instead of being drawn somewhere arbitrary.
  return !std::isfinite(x) || !std::isfinite(y) || y > kPlotTop;
}

}  // namespace coilspring
