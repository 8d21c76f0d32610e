// The one general number format of the program: p significant digits, fixed notation for
// decimal exponents -3..p, otherwise d.dddEx. Every number shown or written goes through here.
#pragma once

#include <string>

namespace coilspring {

constexpr int kFullDigits = 15;
constexpr int kShortDigits = 4;

// Rounds the shortest decimal form of `value` to `digits` significant digits, halves away from
// zero (so 1.2345 gives 1.235, as a reader of the decimal expects). Non-finite values give
// "NAN", "INF" or "-INF", which ParseDecimal reads back.
std::string FormatGeneral(double value, int digits);

inline std::string FormatFull(double value) { return FormatGeneral(value, kFullDigits); }
inline std::string FormatShort(double value) { return FormatGeneral(value, kShortDigits); }

}  // namespace coilspring
