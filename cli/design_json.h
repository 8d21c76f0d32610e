// A design record as readable JSON: the record's own field names (reserved bytes left out), so
// a script reads and writes designs in the words of the calculator.
#pragma once

#include <string>
#include <string_view>

#include "core/records/design_record.h"

namespace coilspring::cli {

// The members of the record as `"Name": value` pairs, in record order (numbers in the full
// number format, an undefined value as null).
std::string DesignMembersJson(const DesignRecord& design);
std::string DesignJson(const DesignRecord& design);

// A design from a JSON object of field names. Fields not given keep the start-up design's
// values; InUse is 1 unless given. The calculated keys that "design export" and "calc --json"
// add (slot, LifeClassText, reference, lines, Mass) are accepted and ignored. Throws UserError
// naming the key that is wrong.
DesignRecord ReadDesignJson(std::string_view text);

}  // namespace coilspring::cli
