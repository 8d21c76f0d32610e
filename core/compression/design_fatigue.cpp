#include "core/compression/design_fatigue.h"

namespace coilspring {

double TensileStrengthOf(const DesignRecord& design, const MaterialTable& materials) {
  return TensileStrengthAt(MaterialOf(materials, design.MaterialNo), design.WireRow);
}

StressCoefficients FatigueCoefficients(const DesignRecord& design, const MaterialTable& materials) {
  return FatigueCoefficients(design.Stress1, design.Stress2, TensileStrengthOf(design, materials));
}

void DetermineLifeClass(DesignRecord& design, const MaterialTable& materials) {
  const StressCoefficients k = FatigueCoefficients(design, materials);
  design.LifeClass = LifeClassOf(k.x, k.y);
}

}  // namespace coilspring
