#include "core/display/display_units.h"

#include "core/calc/allowable_stress.h"

namespace coilspring {

namespace {

double NewtonsPer(Quantity quantity) {
  return quantity == Quantity::Rate ? kKgfForRate : kKgfForAllowable;
}

struct UnitPair {
  Quantity quantity;
  const char* gravitational;
  const char* si;
};

constexpr UnitPair kUnits[] = {
    {Quantity::Load, "kgf", "N"},
    {Quantity::Rate, "kgf/mm", "N/mm"},
    {Quantity::Stress, "kgf/mm^2", "N/mm^2"},
    {Quantity::Energy, "kgf·mm", "N·mm"},
    // The torsion spring's rate: a moment per degree, with the rate's factor.
    {Quantity::Rate, "kgf·mm/°", "N·mm/°"},
};

const UnitPair* PairOf(std::string_view gravitationalUnit) {
  for (const UnitPair& u : kUnits)
    if (gravitationalUnit == u.gravitational) return &u;
  return nullptr;
}

}  // namespace

double ShownValue(double stored, Quantity quantity, UnitSystem units) {
  return units == UnitSystem::SI ? stored * NewtonsPer(quantity) : stored;
}

double StoredValue(double shown, Quantity quantity, UnitSystem units) {
  return units == UnitSystem::SI ? shown / NewtonsPer(quantity) : shown;
}

const char* UnitCaption(Quantity quantity, UnitSystem units) {
  for (const UnitPair& u : kUnits)
    if (u.quantity == quantity) return units == UnitSystem::SI ? u.si : u.gravitational;
  return "";
}

std::optional<Quantity> QuantityOfUnit(std::string_view gravitationalUnit) {
  if (const UnitPair* pair = PairOf(gravitationalUnit)) return pair->quantity;
  return std::nullopt;
}

std::string ShownUnit(std::string_view gravitationalUnit, UnitSystem units) {
  const UnitPair* pair = PairOf(gravitationalUnit);
  if (!pair) return std::string(gravitationalUnit);
  return units == UnitSystem::SI ? pair->si : pair->gravitational;
}

double ShownFieldValue(double stored, const DesignField& field, UnitSystem units) {
  const std::optional<Quantity> quantity = QuantityOfUnit(field.unit);
  return quantity ? ShownValue(stored, *quantity, units) : stored;
}

double StoredFieldValue(double shown, const DesignField& field, UnitSystem units) {
  const std::optional<Quantity> quantity = QuantityOfUnit(field.unit);
  return quantity ? StoredValue(shown, *quantity, units) : shown;
}

std::string FieldUnitCaption(const DesignField& field, UnitSystem units) {
  return ShownUnit(field.unit, units);
}

const char* UnitSystemName(UnitSystem units) { return units == UnitSystem::SI ? "si" : "gravity"; }

std::optional<UnitSystem> UnitSystemNamed(std::string_view name) {
  if (name == "si") return UnitSystem::SI;
  if (name == "gravity") return UnitSystem::Gravitational;
  return std::nullopt;
}

}  // namespace coilspring
