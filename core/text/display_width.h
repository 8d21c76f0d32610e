// How wide a UTF-8 text is on a terminal, for tables whose columns hold Japanese labels.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coilspring {

// The number of terminal columns `text` takes: East Asian Wide and Fullwidth characters (kanji,
// kana, full-width forms such as "Ｐ１") count 2, combining marks and zero-width characters 0,
// everything else 1, including the ambiguous ones (°, τ, ×), as terminals show them outside
// a CJK legacy setting. A byte that does not start a valid UTF-8 sequence counts 1.
std::size_t DisplayWidth(std::string_view text);

// `text` followed by enough spaces to take `width` columns (nothing added to a wider text).
std::string PadToWidth(std::string_view text, std::size_t width);

}  // namespace coilspring
