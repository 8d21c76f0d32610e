// What the readers of the readable tables share: the lines of a table, the way a fault names
// its line, and the short excerpt of the input a message may quote.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/excerpt.h"

namespace coilspring {

// Line numbers of a table; wide enough for any text that fits in memory.
using TableLineNo = std::uint64_t;

// Throws std::invalid_argument "N 行目: message".
[[noreturn]] void FailAtLine(TableLineNo lineNo, const std::string& message);

// The words of a line, separated by any run of the characters in `blanks`.
std::vector<std::string_view> SplitFields(std::string_view line, std::string_view blanks);

// Fails at the line when `value`, read from `text`, has more significant digits than the number
// format writes back (15), or reads as 0 although written as another number (below the smallest
// double): the record would then hold another number than the table shows.
void RequireFullDigits(TableLineNo lineNo, std::string_view what, double value,
                       std::string_view text);

// Calls visit(lineNo, line) for every line, numbered from 1, without its line end (LF or CR LF)
// and without a UTF-8 byte-order mark before the first line, which Windows editors write.
template <class Visitor>
void ForEachTableLine(std::string_view text, Visitor&& visit) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  TableLineNo lineNo = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = std::min(text.find('\n', pos), text.size());
    std::string_view line = text.substr(pos, end - pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    visit(++lineNo, line);
    pos = end + 1;
  }
}

}  // namespace coilspring
