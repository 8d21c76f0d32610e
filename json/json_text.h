// The small JSON writer of coilspring-cli: strings, numbers, objects and arrays as text.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace coilspring {

// A JSON string with quotes, backslashes and control characters escaped (UTF-8 passes as is).
std::string JsonString(const std::string& text);
// The shortest number that reads back as exactly `value`; an undefined value (NaN, infinity)
// is null.
std::string JsonNumber(double value);

using JsonMembers = std::vector<std::pair<std::string, std::string>>;  // name, JSON value
std::string JsonObject(const JsonMembers& members);
std::string JsonArray(const std::vector<std::string>& values);
// An array of one-line objects with each value on a line of its own, indented by two spaces.
std::string JsonBlockArray(const std::vector<std::string>& values);

}  // namespace coilspring
