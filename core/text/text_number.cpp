#include "core/text/text_number.h"

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <string>

#include "core/text/excerpt.h"
#include "core/text/half_width.h"
#include "core/text/trim.h"
#include "core/text/user_error.h"

namespace coilspring {
namespace {

// from_chars takes neither a leading '+' nor "inf"/"nan" spellings we do not show; both are
// handled here so the accepted language is exactly ours.
bool IsPlainNumber(std::string_view s) {
  bool digit = false;
  for (char c : s) {
    if (c >= '0' && c <= '9')
      digit = true;
    else if (c != '.' && c != 'e' && c != 'E' && c != '+' && c != '-')
      return false;
  }
  return digit;
}

// from_chars leaves the value alone when it is out of range; strtod in the "C" locale (the
// program's locale may use a decimal comma) gives the correctly rounded infinity or zero.
double NearestBeyondRange(std::string_view number) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return strtod_l(std::string(number).c_str(), nullptr, cLocale);
}

}  // namespace

std::string NotADecimalMessage(const std::string& text) {
  return "'" + Excerpt(text) + "' は浮動小数点数ではありません";
}
std::string NotAnIntegerMessage(const std::string& text) {
  return "'" + Excerpt(text) + "' は整数ではありません";
}
std::string CannotOpenMessage(const std::string& path) {
  return "ファイル " + ShownPath(path) + " は開けません";
}
std::string CannotCreateMessage(const std::string& path) {
  return "ファイル " + ShownPath(path) + " を作成できません";
}
std::string FolderNotWritableMessage(const std::string& path, const std::string& folder) {
  return CannotCreateMessage(path) + "（フォルダー " + ShownPath(folder) + " に書き込めません）";
}
std::string WriteErrorMessage(const std::string& path, int error) {
  const char* reason = error == ENOSPC   ? "ディスクに空きがありません"
                       : error == EDQUOT ? "ディスクの使用量の上限を超えました"
                       : error == EFBIG  ? "ファイルの大きさの上限を超えました"
                       : error == EIO    ? "入出力エラー"
                                         : nullptr;
  return "ファイル " + ShownPath(path) + " に書き込めません: " + kWriteErrorMessage +
         (reason ? std::string("（") + reason + "）" : "");
}

double ParseDecimal(std::string_view text) {
  const std::string halfWidth = HalfWidthText(text);
  std::string_view s = Trim(halfWidth);
  if (s == "NAN") return std::numeric_limits<double>::quiet_NaN();
  if (s == "INF") return std::numeric_limits<double>::infinity();
  if (s == "-INF") return -std::numeric_limits<double>::infinity();
  std::string_view digits = s;
  // One sign at most: "+-5" is no number.
  if (digits.starts_with('+') && !digits.starts_with("+-")) digits.remove_prefix(1);
  double value = 0;
  if (IsPlainNumber(digits)) {
    const auto res = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (res.ptr == digits.data() + digits.size()) {
      if (res.ec == std::errc()) return value;
      // A magnitude beyond the double range reads as the nearest double, infinity or zero:
      // the formatter rounds values next to the largest double up to such texts
      // ("1.798E308"), and a box the program filled must never block the next calculation.
      if (res.ec == std::errc::result_out_of_range) return NearestBeyondRange(digits);
    }
  }
  throw UserError(NotADecimalMessage(std::string(text)));
}

std::int32_t ParseInteger(std::string_view text) {
  const std::string halfWidth = HalfWidthText(text);
  std::string_view s = Trim(halfWidth);
  if (s.starts_with('+') && !s.starts_with("+-")) s.remove_prefix(1);
  std::int32_t value = 0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || res.ec != std::errc() || res.ptr != s.data() + s.size())
    throw UserError(NotAnIntegerMessage(std::string(text)));
  return value;
}

}  // namespace coilspring
