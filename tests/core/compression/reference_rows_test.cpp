#include "core/compression/reference_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/display/reference_rows.h"

namespace coilspring {
namespace {

std::string ValueOfRow(const ReferenceChecks& checks, const std::string& item) {
  const auto rows = ReferenceRows(checks);
  const auto row =
      std::find_if(rows.begin(), rows.end(), [&](const ReferenceRow& r) { return r.item == item; });
  return row == rows.end() ? "(no row)" : row->value;
}

// A modulus is shown as a whole number: 78500, never "7.85E4".
TEST(ReferenceRows, AModulusIsAPlainWholeNumber) {
  const struct {
    ReferenceValue modulus;
    const char* shown;
  } cases[] = {{{78500, true}, "78500"},
               {{78461.25, true}, "78461"},
               {{206000, true}, "206000"},
               {{0, false}, kNotAvailable}};
  for (const auto& c : cases) {
    ReferenceChecks checks;
    checks.shearModulusAtTemperature = c.modulus;
    EXPECT_EQ(ValueOfRow(checks, "運転温度での横弾性係数"), c.shown) << c.modulus.value;
    EXPECT_EQ(ModulusText(c.modulus), c.shown);
  }
}

}  // namespace
}  // namespace coilspring
