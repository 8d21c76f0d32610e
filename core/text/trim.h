// Blanks around a text field, the one way every reader of typed or stored text drops them.
#pragma once

#include <string_view>

namespace coilspring {

// `text` without the leading and trailing characters that appear in `blanks`.
constexpr std::string_view Trim(std::string_view text, std::string_view blanks = " \t") {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace coilspring
