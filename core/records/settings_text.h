// The settings file as a readable table: one "FieldName<TAB>value" line per coefficient, the
// names of the record's field table. Blank lines and text after "#" are ignored.
#pragma once

#include <string>
#include <string_view>

#include "core/records/coefficient_settings.h"

namespace coilspring {

// The values a coefficient may take: percentages from 0 to 100, the hook factor within its
// guidance "1..25".
struct CoefficientRange {
  double min;
  double max;
};
CoefficientRange RangeOfCoefficient(std::string_view fieldName);  // by the record's field name

// Reads a table that names every coefficient exactly once, each with one finite number inside
// its range that the record holds exactly (at most 15 significant digits). Throws
// std::invalid_argument naming the line of anything else (an unknown or repeated field, a
// missing value, a second value) and naming the field that the table lacks. Reserved bytes stay
// zero.
CoefficientSettings ParseSettingsText(std::string_view text);

// Every coefficient in the full number format, in record order.
std::string FormatSettingsText(const CoefficientSettings& settings);

}  // namespace coilspring
