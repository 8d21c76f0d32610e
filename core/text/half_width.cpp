#include "core/text/half_width.h"

#include "core/text/utf8.h"

namespace coilspring {

std::string HalfWidthText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    const char32_t c = NextCharacter(text, i);
    // Every character replaced is three bytes long, so nothing else is even looked at.
    const bool threeBytes = i - start == 3;
    if (threeBytes && c >= 0xFF01 && c <= 0xFF5E)
      out.push_back(static_cast<char>(c - 0xFF01 + 0x21));
    else if (threeBytes && (c == 0x3000 || c == 0x2212))
      out.push_back(c == 0x3000 ? ' ' : '-');
    else
      out.append(text.substr(start, i - start));
  }
  return out;
}

}  // namespace coilspring
