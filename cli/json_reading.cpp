#include "cli/json_reading.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace coilspring::cli {

nlohmann::json ParseJsonObject(std::string_view text) {
  nlohmann::json document;
  try {
    document = nlohmann::json::parse(text.begin(), text.end());
  } catch (const nlohmann::json::parse_error& e) {
    throw UserError("JSON の書式が正しくありません（" + std::to_string(e.byte) + " バイト目）");
  } catch (const nlohmann::json::out_of_range&) {
    throw UserError("JSON に範囲外の数値があります（倍精度で表せない大きさ）");
  } catch (const nlohmann::json::exception&) {
    throw UserError("JSON を読めません");
  }
  if (!document.is_object()) throw UserError("JSON の最上位はオブジェクト { … } にしてください");
  return document;
}

void ThrowKeyError(const std::string& key, const std::string& what) {
  throw UserError("キー '" + key + "' は" + what + "にしてください");
}

double NumberAt(const nlohmann::json& value, const std::string& key, bool nullIsNaN) {
  if (nullIsNaN && value.is_null()) return std::numeric_limits<double>::quiet_NaN();
  if (!value.is_number()) ThrowKeyError(key, "数値");
  return value.get<double>();
}

int IntegerAt(const nlohmann::json& value, const std::string& key) {
  if (value.is_number_integer()) {
    const auto v = value.get<std::int64_t>();
    if (v >= std::numeric_limits<std::int32_t>::min() &&
        v <= std::numeric_limits<std::int32_t>::max())
      return static_cast<int>(v);
  } else if (value.is_number_unsigned()) {
    const auto v = value.get<std::uint64_t>();
    if (v <= static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
      return static_cast<int>(v);
  } else if (value.is_number_float()) {
    const double v = value.get<double>();
    if (v == std::floor(v) && std::fabs(v) <= std::numeric_limits<std::int32_t>::max())
      return static_cast<int>(v);
  }
  ThrowKeyError(key, "整数");
}

}  // namespace coilspring::cli
