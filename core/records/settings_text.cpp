#include "core/records/settings_text.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <type_traits>
#include <vector>

#include "core/records/table_lines.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "core/text/user_error.h"

namespace coilspring {
namespace {

// Calls visit(info, value) for every coefficient; the reserved bytes are no coefficients.
template <class Settings, class Visitor>
void ForEachCoefficient(Settings& settings, Visitor&& visit) {
  CoefficientSettings::VisitFields(settings, [&](const FieldInfo& info, auto& value) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, double>) visit(info, value);
  });
}

constexpr std::string_view kBlanks = " \t\r";

double ParseCoefficient(TableLineNo lineNo, std::string_view name, std::string_view text,
                        CoefficientRange range) {
  double value = 0;
  try {
    value = ParseDecimal(text);
  } catch (const UserError&) {
    FailAtLine(lineNo, NotADecimalMessage(std::string(text)));
  }
  if (!(value >= range.min && value <= range.max))
    FailAtLine(lineNo, std::string(name) + " は " + FormatFull(range.min) + " から " +
                           FormatFull(range.max) + " までにしてください: " + Excerpt(text));
  RequireFullDigits(lineNo, name, value, text);
  return value + 0.0;  // -0 becomes 0
}

}  // namespace

CoefficientRange RangeOfCoefficient(std::string_view name) {
  if (name == "HookStressFactor") return {1, 25};
  return {0, 100};
}

CoefficientSettings ParseSettingsText(std::string_view text) {
  CoefficientSettings settings;
  std::array<TableLineNo, CoefficientSettings::kCoefficientCount> givenAt{};
  ForEachTableLine(text, [&](TableLineNo lineNo, std::string_view line) {
    const std::vector<std::string_view> tokens =
        SplitFields(line.substr(0, line.find('#')), kBlanks);
    if (tokens.empty()) return;
    std::size_t index = 0;
    bool known = false;
    ForEachCoefficient(settings, [&](const FieldInfo& info, double& field) {
      const std::size_t i = index++;
      if (tokens[0] != info.name) return;
      known = true;
      if (givenAt[i] != 0)
        FailAtLine(lineNo, std::string(info.name) + " が二度あります（最初は " +
                               std::to_string(givenAt[i]) + " 行目）");
      if (tokens.size() != 2)
        FailAtLine(lineNo, std::string(info.name) + " には数を一つだけ書いてください（この行は " +
                               std::to_string(tokens.size() - 1) + " 個）");
      givenAt[i] = lineNo;
      field = ParseCoefficient(lineNo, info.name, tokens[1], RangeOfCoefficient(info.name));
    });
    if (!known) FailAtLine(lineNo, "不明な項目 " + Excerpt(tokens[0]));
  });
  std::size_t index = 0;
  ForEachCoefficient(settings, [&](const FieldInfo& info, double&) {
    if (givenAt[index++] == 0)
      throw std::invalid_argument("表に " + std::string(info.name) + " がありません");
  });
  return settings;
}

std::string FormatSettingsText(const CoefficientSettings& settings) {
  std::string text;
  ForEachCoefficient(settings, [&](const FieldInfo& info, const double& value) {
    text += info.name;
    text += '\t';
    text += FormatFull(value);
    text += '\n';
  });
  return text;
}

}  // namespace coilspring
