// A design record as readable JSON: the record's own field names (reserved bytes left out), so
// a script reads and writes designs in the words of the calculator.
#pragma once

#include <string>
#include <string_view>

#include "core/compression/design_record.h"
#include "json/json_text.h"

namespace coilspring::cli {

// The record's number fields as JSON members under their names, in record order (an undefined
// value as null), for objects that carry a design among other members.
JsonMembers DesignMembers(const DesignRecord& design);
// The record alone as a JSON object of those members.
std::string DesignJson(const DesignRecord& design);

// A design from a JSON object of field names. Fields not given keep the start-up design's
// values; InUse is 1 unless given. What "calc --json" and a "solve --json" candidate print
// beside the fields (slot, rank, LifeClassText, reference, lines, Mass, …) is accepted with its
// type checked and otherwise ignored; with "units": "si" the loads, rate and stresses are read
// in SI. "kind" may only be "compression". Throws UserError naming the key that is wrong.
DesignRecord ReadDesignJson(std::string_view text);

}  // namespace coilspring::cli
