// The compression spring's reference checks as the rows of the reference tab.
#pragma once

#include <vector>

#include "core/compression/reference.h"
#include "core/display/reference_rows.h"

namespace coilspring {

std::vector<ReferenceRow> ReferenceRows(const ReferenceChecks& checks);

}  // namespace coilspring
