// UTF-8, the text the core holds: one decoder for every routine that looks at characters.
#pragma once

#include <cstddef>
#include <string_view>

namespace coilspring {

// Decodes the character at `i` and moves `i` past it. A byte that does not start a complete
// sequence comes back as itself, and `i` moves one byte on.
char32_t NextCharacter(std::string_view text, std::size_t& i);

// Whether `text` is well-formed UTF-8: complete sequences only, and no overlong forms,
// surrogates or values beyond U+10FFFF.
bool IsValidUtf8(std::string_view text);

}  // namespace coilspring
