// The reference checks as the rows of a table (item, value, unit, verdict), all texts UTF-8, so
// the window's tab and any other reader show the very same thing.
#pragma once

#include <string>
#include <vector>

#include "core/calc/reference_values.h"

namespace coilspring {

inline constexpr const char* kNotAvailable = "―";  // a value the design does not give
inline constexpr const char* kNoBuckling = "座屈しない";

struct ReferenceRow {
  std::string item;
  std::string value;  // short number format, kNotAvailable, or kNoBuckling
  std::string unit;
  Verdict verdict = Verdict::None;
};

// A value in the short number format, or kNotAvailable.
std::string ReferenceText(const ReferenceValue& value);
// A modulus (N/mm^2) as a whole number, "―" where there is none.
std::string ModulusText(const ReferenceValue& value);

}  // namespace coilspring
