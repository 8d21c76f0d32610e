#include "core/text/utf8.h"

#include <cstdint>

namespace coilspring {

char32_t NextCharacter(std::string_view s, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
  const std::uint8_t lead = byte(i);
  const int length = lead < 0x80         ? 1
                     : (lead >> 5) == 6  ? 2
                     : (lead >> 4) == 14 ? 3
                     : (lead >> 3) == 30 ? 4
                                         : 0;
  if (length <= 1 || i + static_cast<std::size_t>(length) > s.size()) {
    ++i;
    return lead;
  }
  char32_t c = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    c = (c << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
  }
  i += static_cast<std::size_t>(length);
  return c;
}

bool IsValidUtf8(std::string_view text) {
  // The smallest character each sequence length may carry: anything less is an overlong form.
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = NextCharacter(text, i);
    const std::size_t length = i - start;
    // A byte on its own is ASCII or the start of no complete sequence.
    if (length == 1) {
      if (c >= 0x80) return false;
      continue;
    }
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
  }
  return true;
}

}  // namespace coilspring
