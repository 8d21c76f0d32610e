// How a message quotes what the user gave it: never more than a few dozen bytes, and never a
// control character that a terminal would act on (an ESC that colours it, a NUL that cuts the
// message short).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coilspring {

// The most bytes of the user's text a message quotes.
inline constexpr std::size_t kExcerptBytes = 40;

// At most `limit` bytes of `text`, cut at a UTF-8 character boundary and marked "..." when cut;
// control characters (C0, DEL and the UTF-8 encoded C1 range) are shown as \xNN.
std::string Excerpt(std::string_view text, std::size_t limit = kExcerptBytes);

// A file name as a message shows it: whole as far as the system's longest path, control
// characters escaped as in Excerpt, so the user can tell which file is meant.
std::string ShownPath(std::string_view path);

}  // namespace coilspring
