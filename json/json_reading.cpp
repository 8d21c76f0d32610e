#include "json/json_reading.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <vector>

#include "core/records/file_io.h"
#include "core/records/input_problem.h"
#include "core/text/excerpt.h"
#include "core/text/number_format.h"

namespace coilspring {

namespace {

// Refuses, while the text is parsed, what would make the document costly or ambiguous: nesting
// deeper than the documents need, and a key given twice in one object (the last would win
// silently).
class DocumentGuard {
 public:
  explicit DocumentGuard(int depthLimit) : depthLimit_(depthLimit) {}

  bool operator()(int, nlohmann::json::parse_event_t event, nlohmann::json& parsed) {
    using Event = nlohmann::json::parse_event_t;
    switch (event) {
      case Event::object_start:
      case Event::array_start:
        if (static_cast<int>(open_.size()) >= depthLimit_)
          throw UserError("JSON の入れ子が深すぎます（" + std::to_string(depthLimit_) +
                          " 段まで）");
        open_.emplace_back();
        break;
      case Event::object_end:
      case Event::array_end:
        open_.pop_back();
        break;
      case Event::key:
        if (!open_.back().insert(parsed.get<std::string>()).second)
          throw UserError("キー '" + Excerpt(parsed.get<std::string>()) + "' が二度あります");
        break;
      case Event::value:
        break;
    }
    return true;
  }

 private:
  int depthLimit_;
  std::vector<std::set<std::string>> open_;  // the keys of each open object (none for arrays)
};

}  // namespace

nlohmann::json ParseJsonObject(std::string_view text, int depthLimit) {
  if (text.size() > kTextTableLimit)
    throw UserError("JSON が大きすぎます（" + FormatFull(static_cast<double>(kTextTableLimit)) +
                    " バイトまで）");
  nlohmann::json document;
  try {
    document = nlohmann::json::parse(text.begin(), text.end(), DocumentGuard(depthLimit));
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
  throw UserError(InputProblemMessage({key.c_str(), what}));
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

}  // namespace coilspring
