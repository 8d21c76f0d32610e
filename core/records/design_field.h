// One readable field of a spring design, whatever its kind: the key its design files and scripts
// use, the label the window and the data sheet give it, its gravitational unit, and whether a
// design file gives it. What the unit switch does to the field follows from the unit alone
// (core/display/display_units.h), so a kind cannot give a load one factor and a stress another.
//
// A design describes its fields once, in file order, through
//   template <class Self, class Visitor> static void VisitFields(Self& design, Visitor&& v);
// calling v(const DesignField&, member) for every member a file holds: double, std::int32_t, a
// stored code, bool or std::optional<double> (an optional input, or a result that may not exist).
#pragma once

#include <string_view>

namespace coilspring {

enum class FieldRole {
  Input,          // a design file gives it
  OptionalInput,  // a design file may leave it out or give null
  Result,         // calculated; a design file may carry it, and it is ignored when read
};

struct DesignField {
  const char* name = "";   // the JSON key
  const char* label = "";  // Japanese
  const char* unit = "";   // gravitational: "mm", "kgf", "kgf/mm^2", …; "" for none
  FieldRole role = FieldRole::Input;

  constexpr bool IsInput() const { return role != FieldRole::Result; }
};

// Whether the design has a field of that name.
template <class Design>
bool HasField(std::string_view name) {
  bool found = false;
  const Design none{};
  Design::VisitFields(none,
                      [&](const DesignField& f, const auto&) { found = found || name == f.name; });
  return found;
}

}  // namespace coilspring
