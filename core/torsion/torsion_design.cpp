#include "core/torsion/torsion_design.h"

#include "core/records/input_problem.h"

namespace coilspring {

double& EnteredDiameter(TorsionDesign& t) {
  switch (t.DiameterKind) {
    case DiameterKind::Inner:
      return t.InnerDiameter;
    case DiameterKind::Outer:
      return t.OuterDiameter;
    default:
      return t.MeanDiameter;
  }
}

double EnteredDiameter(const TorsionDesign& t) {
  return EnteredDiameter(const_cast<TorsionDesign&>(t));
}

const char* EnteredDiameterName(DiameterKind kind) { return DiameterKeyOf(kind); }

std::optional<double> LoadArmOf(const TorsionDesign& t) {
  const double arm = t.LoadArm.value_or(t.Leg1);
  if (arm > 0) return arm;
  return std::nullopt;
}

}  // namespace coilspring
