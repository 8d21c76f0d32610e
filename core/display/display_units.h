// Loads, spring rates and stresses as the designer wants to read them: in the gravitational
// units the design holds (kgf, kgf/mm, kgf/mm^2) or in SI (N, N/mm, N/mm^2). Only what is shown
// or typed is converted; every record keeps the gravitational units.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/records/design_field.h"

namespace coilspring {

enum class UnitSystem { Gravitational, SI };

// What a number measures, which decides its SI factor: loads, stresses and energies go with the
// data sheet's 9.807, so the screen and the sheet agree digit for digit; the rate with the
// 9.8066 it is calculated with.
enum class Quantity { Load, Rate, Stress, Energy };

double ShownValue(double stored, Quantity quantity, UnitSystem units);
// A number typed in `units` as the record holds it; the exact inverse of ShownValue.
double StoredValue(double shown, Quantity quantity, UnitSystem units);

// "kgf", "kgf/mm", "kgf/mm^2", "kgf·mm" or "N", "N/mm", "N/mm^2", "N·mm".
const char* UnitCaption(Quantity quantity, UnitSystem units);

// The quantity a gravitational unit text stands for; none for mm, turns and the like.
std::optional<Quantity> QuantityOfUnit(std::string_view gravitationalUnit);
// A gravitational unit text as shown in `units`; a text of no such unit stays as it is.
std::string ShownUnit(std::string_view gravitationalUnit, UnitSystem units);

// A design field's number and unit as the unit switch shows them, and a typed number as the
// design keeps it; fields of no load, moment, rate or stress unit pass unchanged.
double ShownFieldValue(double stored, const DesignField& field, UnitSystem units);
double StoredFieldValue(double shown, const DesignField& field, UnitSystem units);
std::string FieldUnitCaption(const DesignField& field, UnitSystem units);

// "gravity" and "si": how a script and the user's configuration name the two systems.
const char* UnitSystemName(UnitSystem units);
std::optional<UnitSystem> UnitSystemNamed(std::string_view name);

}  // namespace coilspring
