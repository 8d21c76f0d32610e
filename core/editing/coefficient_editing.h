// The seven design coefficients as the coefficient window lists them: group, caption, guidance
// and field, in the order in which "設定ボタン" applies them.
#pragma once

#include <array>
#include <string>

#include "core/records/coefficient_settings.h"

namespace coilspring {

struct CoefficientRow {
  int group;             // 0 allowable stress, 1 initial tension
  const char* caption;   // left of the box
  const char* guidance;  // right of the box
  double CoefficientSettings::*field;
};

inline constexpr int kCoefficientCount = CoefficientSettings::kCoefficientCount;
extern const std::array<CoefficientRow, kCoefficientCount> kCoefficientRows;

using CoefficientTexts = std::array<std::string, kCoefficientCount>;

// The boxes' texts for the record, in the full number format.
CoefficientTexts TextsOfSettings(const CoefficientSettings& settings);

// Converts the texts in order and stores each into its field at once; throws UserError at the
// first text that is not a number, with the fields before it already holding their new values.
void ApplyCoefficientTexts(const CoefficientTexts& texts, CoefficientSettings& settings);

}  // namespace coilspring
