#include "core/text/half_width.h"

namespace coilspring {

std::string HalfWidthText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    if (i + 2 < text.size()) {
      const unsigned code = (byte(0) & 0x0Fu) << 12 | (byte(1) & 0x3Fu) << 6 | (byte(2) & 0x3Fu);
      const bool threeBytes =
          (byte(0) & 0xF0u) == 0xE0u && (byte(1) & 0xC0u) == 0x80u && (byte(2) & 0xC0u) == 0x80u;
      if (threeBytes && code >= 0xFF01 && code <= 0xFF5E) {
        out.push_back(static_cast<char>(code - 0xFF01 + 0x21));
        i += 3;
        continue;
      }
      if (threeBytes && (code == 0x3000 || code == 0x2212)) {
        out.push_back(code == 0x3000 ? ' ' : '-');
        i += 3;
        continue;
      }
    }
    out.push_back(text[i]);
    ++i;
  }
  return out;
}

}  // namespace coilspring
