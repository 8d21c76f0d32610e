#include "core/display/reference_rows.h"

#include <cmath>

#include "core/text/number_format.h"

namespace coilspring {

std::string ReferenceText(const ReferenceValue& v) {
  return v.valid ? FormatShort(v.value) : kNotAvailable;
}

// A modulus is tens of thousands of N/mm^2: a whole number reads at a glance where the short
// format would give "7.85E4".
std::string ModulusText(const ReferenceValue& v) {
  return v.valid ? FormatFull(std::round(v.value)) : kNotAvailable;
}

}  // namespace coilspring
