#include "core/records/settings_text.h"

#include <sstream>
#include <stdexcept>
#include <type_traits>

#include "core/text/number_format.h"
#include "core/text/text_number.h"

namespace coilspring {
namespace {

// Calls visit(info, value) for every coefficient; the reserved bytes are no coefficients.
template <class Settings, class Visitor>
void ForEachCoefficient(Settings& settings, Visitor&& visit) {
  CoefficientSettings::VisitFields(settings, [&](const FieldInfo& info, auto& value) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, double>) visit(info, value);
  });
}

}  // namespace

CoefficientSettings ParseSettingsText(std::string_view text) {
  CoefficientSettings settings;
  std::istringstream in{std::string(text)};
  std::string line;
  int lineNo = 0;
  while (std::getline(in, line)) {
    ++lineNo;
    line = line.substr(0, line.find('#'));
    std::istringstream fields(line);
    std::string name, value;
    if (!(fields >> name)) continue;
    fields >> value;
    bool known = false;
    ForEachCoefficient(settings, [&](const FieldInfo& info, double& field) {
      if (name != info.name) return;
      field = ParseDecimal(value);
      known = true;
    });
    if (!known)
      throw std::invalid_argument("line " + std::to_string(lineNo) + ": unknown field " + name);
  }
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
