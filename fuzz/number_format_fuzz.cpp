// The number formatter on arbitrary doubles and precisions: the text reads back as the value
// rounded to p significant digits, and its notation follows the exponent rule.
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "fuzz/fuzz_support.h"

using namespace coilspring;

namespace {

// The reference rounding, written apart from the formatter: the digits of the shortest decimal
// form of |v| cut to p, carrying one up when the first digit cut off is 5 or more.
struct Rounded {
  std::string digits;  // without leading zeros, at most p of them
  int exponent = 0;    // value = 0.digits x 10^exponent
};

Rounded RoundShortest(double magnitude, int p) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  *res.ptr = '\0';
  char* e = std::strchr(buf, 'e');
  Rounded out;
  out.exponent = std::atoi(e + 1) + 1;
  std::string all;
  for (char* c = buf; c < e; ++c)
    if (*c != '.') all += *c;
  if (static_cast<int>(all.size()) <= p) {
    out.digits = all;
  } else {
    // Half away from zero: the first dropped digit decides, since a shortest form has no
    // trailing digits beyond what it needs.
    const bool up = all[p] >= '5';
    out.digits = all.substr(0, p);
    if (up) {
      int i = p - 1;
      for (; i >= 0 && out.digits[i] == '9'; --i) out.digits[i] = '0';
      if (i < 0) {
        out.digits = "1" + out.digits.substr(0, p - 1);
        ++out.exponent;
      } else {
        ++out.digits[i];
      }
    }
  }
  while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
  return out;
}

// The nearest double to the rounded decimal (infinite beyond the double range).
double ValueOf(const Rounded& r, bool negative) {
  const std::string text = (negative ? "-0." : "0.") + r.digits + "e" + std::to_string(r.exponent);
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 9) return 0;
  double v;
  std::memcpy(&v, data, 8);
  const int p = 1 + data[8] % 17;
  const std::string text = FormatGeneral(v, p);

  double back = 0;
  try {
    back = ParseDecimal(text);
  } catch (...) {
    fuzz::Require(false, "formatted text does not read back:", text);
  }
  if (std::isnan(v)) {
    fuzz::Require(text == "NAN" && std::isnan(back), "NaN text", text);
    return 0;
  }
  if (std::isinf(v)) {
    fuzz::Require(back == v, "infinity does not read back:", text);
    return 0;
  }
  if (v == 0) {
    fuzz::Require(text == "0" && back == 0, "zero is not \"0\":", text);
    return 0;
  }
  const Rounded r = RoundShortest(std::fabs(v), p);
  const double expected = ValueOf(r, v < 0);
  fuzz::Require(back == expected,
                "not the value rounded to p digits:", text + " p=" + std::to_string(p));

  const bool fixed = r.exponent >= -3 && r.exponent <= p;
  fuzz::Require((text.find('E') == std::string::npos) == fixed, "wrong notation:", text);
  fuzz::Require(text.find('+') == std::string::npos, "plus sign in text:", text);
  fuzz::Require((text[0] == '-') == (v < 0), "sign:", text);
  const std::size_t mantissaEnd = fixed ? text.size() : text.find('E');
  const std::string mantissa = text.substr(0, mantissaEnd);
  if (mantissa.find('.') != std::string::npos)
    fuzz::Require(mantissa.back() != '0' && mantissa.back() != '.',
                  "trailing zero or point:", text);
  if (!fixed)
    fuzz::Require(text.substr(mantissaEnd + 1) == std::to_string(r.exponent - 1),
                  "exponent:", text);
  return 0;
}
