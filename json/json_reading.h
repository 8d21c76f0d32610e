// Reading JSON documents with errors that name the key, shared by the requirement and design
// readers.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "core/display/display_units.h"
#include "core/records/design_codes.h"
#include "core/text/user_error.h"

namespace coilspring {

// How deep the documents nest: a design printed by calc --json holds its reference checks'
// tolerance grades four levels down.
inline constexpr int kJsonDepthLimit = 4;

// The document's top-level object; throws UserError for malformed JSON or another top level,
// anything but white space after it (a NUL byte included), a text above kTextTableLimit (1 MB, as
// the readable tables), nesting deeper than `depthLimit` and a key given twice in one object
// (naming the key).
nlohmann::json ParseJsonObject(std::string_view text, int depthLimit = kJsonDepthLimit);

// "キー 'name' は<what>にしてください"
[[noreturn]] void ThrowKeyError(const std::string& key, const std::string& what);

// The units an object's loads, moments, rates and stresses are written in: its "units" ("si" or
// "gravity", as calc --units prints them), gravitational without one. Anything else is refused
// naming the key.
UnitSystem UnitsAt(const nlohmann::json& object);

// A number (null reads as NaN where `nullIsNaN`).
double NumberAt(const nlohmann::json& value, const std::string& key, bool nullIsNaN = false);
// A whole number within 32 bits.
int IntegerAt(const nlohmann::json& value, const std::string& key);
// A stored code by its number; a number outside the enumeration is refused.
template <StoredCode Code>
Code CodeAt(const nlohmann::json& value, const std::string& key) {
  if (const std::optional<Code> code = CodeFrom<Code>(IntegerAt(value, key))) return *code;
  ThrowKeyError(key, " 0～" + std::to_string(LastRawOf<Code>()) + " の整数");
}

}  // namespace coilspring
