// Conversion of the text of an input box to a number, as every handler does it.
#pragma once

#include <cstdint>
#include <string_view>

namespace coilspring {

// A decimal number with "." as the decimal point, optional sign and exponent, surrounding
// blanks allowed. "NAN", "INF" and "-INF" (what the number format shows for undefined results)
// read back as such, so a box the program filled never blocks the next calculation.
// A number beyond the double range reads as the nearest double: infinity or zero.
// Full-width digits, point, signs, exponent and blanks, as a Japanese input method types
// them ("５０", "１．５", "－３"), read as their ASCII equivalents; the message shows the text as
// typed.
// Throws UserError "'%s' は浮動小数点数ではありません" for anything else.
double ParseDecimal(std::string_view text);

// Throws UserError "'%s' は整数ではありません".
std::int32_t ParseInteger(std::string_view text);

}  // namespace coilspring
