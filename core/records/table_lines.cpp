#include "core/records/table_lines.h"

#include <stdexcept>

#include "core/text/number_format.h"
#include "core/text/text_number.h"

namespace coilspring {

namespace {
constexpr std::size_t kExcerptBytes = 40;
}

void FailAtLine(TableLineNo lineNo, const std::string& message) {
  throw std::invalid_argument(std::to_string(lineNo) + " 行目: " + message);
}

std::vector<std::string_view> SplitFields(std::string_view line, std::string_view blanks) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t start = line.find_first_not_of(blanks, pos);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(blanks, start), line.size());
    fields.push_back(line.substr(start, end - start));
    pos = end;
  }
  return fields;
}

void RequireFullDigits(TableLineNo lineNo, std::string_view what, double value,
                       std::string_view text) {
  if (ParseDecimal(FormatFull(value)) != value)
    FailAtLine(lineNo, std::string(what) + " の有効数字が 15 桁を超えています: " + Excerpt(text));
}

std::string Excerpt(std::string_view text) {
  if (text.size() <= kExcerptBytes) return std::string(text);
  std::size_t cut = kExcerptBytes;
  // Back to the start of a UTF-8 character: continuation bytes are 10xxxxxx.
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "...";
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t min = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, min = 0x80, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, min = 0x800, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, min = 0x10000, c = lead & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

}  // namespace coilspring
