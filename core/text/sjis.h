// Conversion between the raw Shift-JIS (code page 932) bytes kept in records and UTF-8 text.
#pragma once

#include <string>
#include <string_view>

namespace coilspring {

// Undecodable bytes (such as the first byte of a two-byte character cut at the end of a field)
// become U+FFFD in the shown text; the record keeps the raw bytes.
std::string SjisToUtf8(std::string_view sjis);

// Characters without a code page 932 form become '?'.
std::string Utf8ToSjis(std::string_view utf8);

}  // namespace coilspring
