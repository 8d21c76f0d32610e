#include "core/text/excerpt.h"

#include <climits>
#include <cstdio>

namespace coilspring {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

void AppendEscaped(std::string& out, unsigned char byte) {
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02X", byte);
  out += hex;
}

// `text` with every control character escaped.
std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    // U+0080..U+009F, the C1 controls, are C2 80..C2 9F in UTF-8.
    const bool c1 = byte == 0xC2 && i + 1 < text.size() &&
                    static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(text[i + 1]) <= 0x9F;
    if (byte < 0x20 || byte == 0x7F) {
      AppendEscaped(out, byte);
    } else if (c1) {
      AppendEscaped(out, byte);
      AppendEscaped(out, static_cast<unsigned char>(text[++i]));
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string Excerpt(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return Escaped(text);
  std::size_t cut = limit;
  while (cut > 0 && IsContinuation(text[cut])) --cut;
  return Escaped(text.substr(0, cut)) + "...";
}

std::string ShownPath(std::string_view path) { return Excerpt(path, PATH_MAX); }

}  // namespace coilspring
