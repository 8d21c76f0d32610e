#include "json/json_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace coilspring {

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  // "-0" reads back as the integer 0 (in nlohmann::json and Python alike) and loses its sign.
  if (value == 0 && std::signbit(value)) return "-0.0";
  // The shortest text that reads back as the same double, so a script's arithmetic on what it
  // reads matches the program's.
  char buf[32];
  const auto [end, error] = std::to_chars(buf, buf + sizeof buf, value);
  return error == std::errc() ? std::string(buf, end) : "null";
}

std::string JsonObject(const JsonMembers& members) {
  std::string out = "{";
  for (std::size_t i = 0; i < members.size(); ++i)
    out += (i ? ", " : "") + JsonString(members[i].first) + ": " + members[i].second;
  return out + "}";
}

std::string JsonArray(const std::vector<std::string>& values) {
  std::string out = "[";
  for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ", " : "") + values[i];
  return out + "]";
}

std::string JsonBlockArray(const std::vector<std::string>& values) {
  std::string out = "[\n  ";
  for (std::size_t i = 0; i < values.size(); ++i) out += (i ? ",\n  " : "") + values[i];
  return out + "\n]";
}

}  // namespace coilspring
