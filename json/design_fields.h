// Every kind's design as the members of a JSON object, through the design's field table
// (core/records/design_field.h): one writer and one reader, so that the kinds' files agree on
// types, codes, optional members, units and messages.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/display/display_units.h"
#include "core/records/design_codes.h"
#include "core/records/design_field.h"
#include "core/text/excerpt.h"
#include "core/text/user_error.h"
#include "json/json_reading.h"
#include "json/json_text.h"

namespace coilspring {

// Appends every field `visitFields(visitor)` visits, loads, moments, rates and stresses in
// `units`; an optional field without a value is left out.
template <class VisitFields>
void AppendFields(JsonMembers& members, UnitSystem units, VisitFields&& visitFields) {
  visitFields([&](const DesignField& f, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<T, bool>) {
      members.emplace_back(f.name, value ? "true" : "false");
    } else if constexpr (std::is_same_v<T, double>) {
      members.emplace_back(f.name, JsonNumber(ShownFieldValue(value, f, units)));
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
      if (value) members.emplace_back(f.name, JsonNumber(ShownFieldValue(*value, f, units)));
    } else if constexpr (StoredCode<T>) {
      members.emplace_back(f.name, std::to_string(RawOf(value)));
    } else {
      static_assert(std::is_same_v<T, std::int32_t>);
      members.emplace_back(f.name, std::to_string(value));
    }
  });
}

template <class Design>
void AppendDesignFields(JsonMembers& members, const Design& design, UnitSystem units) {
  AppendFields(members, units, [&](auto&& visitor) { Design::VisitFields(design, visitor); });
}

// Refuses a key of the object that is neither a field of the design nor one of `known`.
template <class Design>
void RefuseUnknownKeys(const nlohmann::json& object,
                       std::initializer_list<std::string_view> known) {
  for (const auto& [key, value] : object.items()) {
    bool found = HasField<Design>(key);
    for (std::string_view other : known) found = found || key == other;
    if (!found) throw UserError("不明なキー '" + Excerpt(key) + "' があります");
  }
}

// How a kind's files give its inputs.
enum class MissingInput {
  KeepsItsValue,  // a key not given keeps the design's value
  IsRefused,      // every input (optional ones apart) must be given; a whole number or code
                  // that is not a number at all is asked for as a number first
};

// Reads the inputs of the design from the object, numbers in the units its "units" names;
// results are not read. `reads(design, field)` says whether this design reads the field at all,
// asked in field order with the fields before it already read (a code chooses what follows it).
// Throws UserError naming the key that is missing or of the wrong type or range.
template <class Design, class Reads>
void ReadDesignFields(const nlohmann::json& object, Design& design, MissingInput missing,
                      Reads&& reads) {
  const UnitSystem units = UnitsAt(object);
  Design::VisitFields(design, [&](const DesignField& f, auto& field) {
    if (!f.IsInput() || !reads(design, f)) return;
    const std::string key = f.name;
    const auto at = object.find(key);
    if (at == object.end()) {
      if (missing == MissingInput::IsRefused && f.role == FieldRole::Input)
        throw UserError("キー '" + key + "' がありません");
      return;
    }
    using T = std::decay_t<decltype(field)>;
    if constexpr (std::is_same_v<T, bool>) {
      if (!at->is_boolean()) ThrowKeyError(key, " true か false");
      field = at->template get<bool>();
    } else if constexpr (std::is_same_v<T, double>) {
      field = StoredFieldValue(NumberAt(*at, key), f, units);
    } else if constexpr (std::is_same_v<T, std::optional<double>>) {
      field = at->is_null() ? std::nullopt
                            : std::optional(StoredFieldValue(NumberAt(*at, key), f, units));
    } else {
      if (missing == MissingInput::IsRefused && !at->is_number()) ThrowKeyError(key, "数値");
      if constexpr (StoredCode<T>) {
        field = CodeAt<T>(*at, key);
      } else {
        static_assert(std::is_same_v<T, std::int32_t>);
        field = IntegerAt(*at, key);
      }
    }
  });
}

}  // namespace coilspring
