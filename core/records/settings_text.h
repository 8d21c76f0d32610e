// The settings file as a readable table: one "FieldName<TAB>value" line per coefficient, the
// names of the record's field table. Blank lines and text after "#" are ignored.
#pragma once

#include <string>
#include <string_view>

#include "core/records/coefficient_settings.h"

namespace coilspring {

// Throws std::invalid_argument naming the line of an unknown field, UserError for a value that
// is not a number. Fields the table does not name stay 0, reserved bytes stay zero.
CoefficientSettings ParseSettingsText(std::string_view text);

// Every coefficient in the full number format, in record order.
std::string FormatSettingsText(const CoefficientSettings& settings);

}  // namespace coilspring
