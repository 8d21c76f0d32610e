// What a Japanese input method types into a number box, as the number reader understands it.
#pragma once

#include <string>
#include <string_view>

namespace coilspring {

// `text` (UTF-8) with the full-width forms of ASCII characters (U+FF01..U+FF5E: "５０",
// "１．５", "－３", "２Ｅ３"), the ideographic space and the minus sign U+2212 replaced by their
// ASCII equivalents; everything else stays as it is.
std::string HalfWidthText(std::string_view text);

}  // namespace coilspring
