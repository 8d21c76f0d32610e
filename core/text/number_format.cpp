#include "core/text/number_format.h"

#include <charconv>
#include <cmath>
#include <string>

namespace coilspring {
namespace {

// Decimal digits d1 d2 ... and exponent E with value = 0.d1d2... x 10^E.
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

DecimalDigits ShortestDigits(double magnitude) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  const std::string text(buf, res.ptr);  // d[.ddd]e[+-]xx
  const std::size_t e = text.find('e');
  DecimalDigits out;
  for (std::size_t i = 0; i < e; ++i)
    if (text[i] != '.') out.digits.push_back(text[i]);
  out.exponent = std::stoi(text.substr(e + 1)) + 1;
  return out;
}

// Keeps `digits` significant digits, rounding half up on the decimal digits; drops trailing
// zeros.
void RoundTo(DecimalDigits& d, int digits) {
  if (static_cast<int>(d.digits.size()) > digits) {
    const bool up = d.digits[digits] >= '5';
    d.digits.resize(digits);
    if (up) {
      int i = digits - 1;
      while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
      if (i >= 0) {
        ++d.digits[i];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        d.digits.pop_back();
        ++d.exponent;
      }
    }
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

std::string Fixed(const DecimalDigits& d) {
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent <= 0) return "0." + std::string(-d.exponent, '0') + d.digits;
  if (d.exponent >= n) return d.digits + std::string(d.exponent - n, '0');
  return d.digits.substr(0, d.exponent) + "." + d.digits.substr(d.exponent);
}

std::string Scientific(const DecimalDigits& d) {
  std::string out(1, d.digits[0]);
  if (d.digits.size() > 1) out += "." + d.digits.substr(1);
  return out + "E" + std::to_string(d.exponent - 1);
}

}  // namespace

std::string FormatGeneral(double value, int digits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0) return "0";
  DecimalDigits d = ShortestDigits(std::fabs(value));
  RoundTo(d, digits);
  const std::string body =
      (d.exponent >= -3 && d.exponent <= digits) ? Fixed(d) : Scientific(d);
  return value < 0 ? "-" + body : body;
}

}  // namespace coilspring
