#include "core/records/table_lines.h"

#include <stdexcept>

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

void RequireFullDigits(TableLineNo lineNo, std::string_view what, double value,
                       std::string_view text) {
  if (ParseDecimal(FormatFull(value)) != value)
    FailAtLine(lineNo, std::string(what) + " の有効数字が 15 桁を超えています: " + Excerpt(text));
}

}  // namespace coilspring
