// Names for the cases of parameterised suites, made from what each case holds, so that CTest
// lists the same readable names on every run. gtest accepts only letters, digits and '_' in a
// name. CTest also shows the printed value of each case, so every case type has a PrintTo
// that writes its description: a struct printed as its bytes would show addresses, which
// change from run to run.
#pragma once

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

namespace coilspring::test_names {

// A case's description as a name: words kept, comparison signs spelt out, every other run of
// characters (blanks, punctuation, non-ASCII) one underscore.
inline std::string FromText(std::string_view text) {
  std::string name;
  const auto separate = [&name] {
    if (!name.empty() && name.back() != '_') name += '_';
  };
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80 && std::isalnum(c)) {
      name += ch;
      continue;
    }
    separate();
    if (ch == '<' || ch == '>' || ch == '=') {
      name += ch == '<' ? "lt" : ch == '>' ? "gt" : "eq";
      name += '_';
    }
  }
  if (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

// The shortest decimal that reads back as `value`: 0.1 + 0.2 is "0.30000000000000004", where a
// stream would show "0.3".
inline std::string Shortest(double value) {
  char digits[64];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

// A number as a name: 0.25 -> "0_25", -1e-300 -> "minus1eminus300", infinity -> "inf".
inline std::string FromNumber(double value) {
  std::string name;
  for (const char c : Shortest(value)) {
    if (c == '-')
      name += "minus";
    else if (c == '.')
      name += '_';
    else if (c != '+')
      name += c;
  }
  return name;
}

// A point of the fatigue diagram as a name, "x0_1_y0_4", and as its description, "x=0.1 y=0.4".
inline std::string FromPoint(double x, double y) {
  return "x" + FromNumber(x) + "_y" + FromNumber(y);
}
inline std::string PointText(double x, double y) {
  return "x=" + Shortest(x) + " y=" + Shortest(y);
}

}  // namespace coilspring::test_names
