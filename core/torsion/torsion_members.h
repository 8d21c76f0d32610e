// Reading a torsion design from the members of a design document (a JSON object), whatever
// reads the document: the command line and the window share the rules and the messages.
#pragma once

#include <functional>
#include <string>

#include "core/records/material_table.h"
#include "core/torsion/torsion_design.h"

namespace coilspring {

// One member of the document as its reader found it.
struct MemberValue {
  enum class Kind { Missing, Null, Number, Other };
  Kind kind = Kind::Missing;
  double number = 0;
};
using MemberLookup = std::function<MemberValue(const std::string& key)>;

// The keys a design document may hold: the fields, the codes and MaterialNo, and "kind",
// "history", "units" and "lines", which a written document carries beside them.
bool IsTorsionKey(const std::string& key);

// MaterialNo (a material of the database), WireDiameter (one of its listed diameters),
// DiameterKind with the diameter of that kind, TotalTurns, Leg1, Leg2, InputMode with Angle1
// and Angle2 (1) or Moment1 and Moment2 (0); LoadArm and Rod may be left out or null. Results
// are not read. Throws UserError naming the key that is missing or wrong, and then the first
// problem TorsionInputProblem finds.
TorsionDesign ReadTorsionMembers(const MemberLookup& member, const MaterialTable& materials);

// "不明なキー 'key' があります"
std::string UnknownKeyMessage(const std::string& key);

}  // namespace coilspring
