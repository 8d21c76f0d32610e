#include "core/records/table_lines.h"

#include <stdexcept>

#include "core/text/half_width.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"

namespace coilspring {

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

namespace {

// Whether the digits before the exponent are not all zero: a number that reads as 0 although
// it was not written as one has fallen below the smallest double.
bool WrittenAsNonZero(std::string_view text) {
  const std::string halfWidth = HalfWidthText(text);
  const std::string_view mantissa =
      std::string_view(halfWidth).substr(0, halfWidth.find_first_of("eE"));
  return mantissa.find_first_of("123456789") != std::string_view::npos;
}

}  // namespace

void RequireFullDigits(TableLineNo lineNo, std::string_view what, double value,
                       std::string_view text) {
  if (value == 0 && WrittenAsNonZero(text))
    FailAtLine(lineNo, std::string(what) +
                           " は小さすぎて倍精度で表せません（0 になります）: " + Excerpt(text));
  if (ParseDecimal(FormatFull(value)) != value)
    FailAtLine(lineNo, std::string(what) + " の有効数字が 15 桁を超えています: " + Excerpt(text));
}

}  // namespace coilspring
