#include "core/text/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "../param_names.h"

namespace coilspring {
namespace {

struct FormatCase {
  double value;
  int digits;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
  *out << test_names::Shortest(c.value) << " with " << c.digits << " digits";
}

class NumberFormatTest : public ::testing::TestWithParam<FormatCase> {};

// Each suite writes its values with one number of digits, so the value alone names a case.
std::string ValueName(const ::testing::TestParamInfo<FormatCase>& info) {
  return "value_" + test_names::FromNumber(info.param.value);
}

TEST_P(NumberFormatTest, WritesTheGeneralForm) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatGeneral(c.value, c.digits), c.expected) << c.value << " p=" << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    ShortFormat, NumberFormatTest,
    ::testing::Values(
        // The examples given for the short format.
        FormatCase{123.46, 4, "123.5"}, FormatCase{9.807, 4, "9.807"}, FormatCase{2.5, 4, "2.5"},
        FormatCase{1200, 4, "1200"}, FormatCase{0.00012344, 4, "0.0001234"},
        FormatCase{12345.6, 4, "1.235E4"}, FormatCase{20000, 4, "2E4"},
        FormatCase{0.00001234, 4, "1.234E-5"}, FormatCase{1234.6, 4, "1235"},
        FormatCase{6.6666666, 4, "6.667"}, FormatCase{9, 4, "9"},
        FormatCase{1300 * 9.807, 4, "1.275E4"}, FormatCase{10 * 9.807, 4, "98.07"},
        // Exponent boundaries: E = -3 is still fixed, E = -4 is not; E = p is fixed, p + 1 not.
        FormatCase{0.0005, 4, "0.0005"}, FormatCase{0.00005, 4, "5E-5"},
        FormatCase{0.000999949, 4, "0.0009999"}, FormatCase{0.00099996, 4, "0.001"},
        FormatCase{9999.4, 4, "9999"}, FormatCase{9999.5, 4, "1E4"}, FormatCase{1e100, 4, "1E100"},
        FormatCase{1.5e-300, 4, "1.5E-300"}, FormatCase{2.2250738585072014e-308, 4, "2.225E-308"},
        FormatCase{1.7976931348623157e308, 4, "1.798E308"},
        // Negative values carry a minus sign; no plus sign anywhere.
        FormatCase{-2.5, 4, "-2.5"}, FormatCase{-12345.6, 4, "-1.235E4"},
        FormatCase{-0.00001234, 4, "-1.234E-5"}, FormatCase{-0.0, 4, "0"}, FormatCase{0, 4, "0"},
        // Halves of the written decimal round away from zero.
        FormatCase{1.2345, 4, "1.235"}, FormatCase{-1.2345, 4, "-1.235"},
        FormatCase{0.00012345, 4, "0.0001235"}, FormatCase{2.0005, 4, "2.001"},
        FormatCase{0.99995, 4, "1"}, FormatCase{99.995, 4, "100"}),
    ValueName);

INSTANTIATE_TEST_SUITE_P(
    FullFormat, NumberFormatTest,
    ::testing::Values(FormatCase{0.8, 15, "0.8"}, FormatCase{10, 15, "10"},
                      FormatCase{0.1 + 0.2, 15, "0.3"}, FormatCase{1.0 / 3, 15, "0.333333333333333"},
                      FormatCase{2.0 / 3, 15, "0.666666666666667"},
                      FormatCase{3.1747412, 15, "3.1747412"}, FormatCase{-20, 15, "-20"},
                      FormatCase{1.5e-5, 15, "1.5E-5"}, FormatCase{123456789012345.0, 15, "123456789012345"},
                      FormatCase{1234567890123456.0, 15, "1.23456789012346E15"},
                      FormatCase{0.0001, 15, "0.0001"}, FormatCase{0.00001, 15, "1E-5"},
                      FormatCase{543.8, 15, "543.8"}, FormatCase{1e15, 15, "1E15"},
                      FormatCase{999999999999999.0, 15, "999999999999999"}),
    ValueName);

TEST(NumberFormat, NonFiniteValuesAreMarked) {
  EXPECT_EQ(FormatShort(std::numeric_limits<double>::quiet_NaN()), "NAN");
  EXPECT_EQ(FormatShort(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatFull(-std::numeric_limits<double>::infinity()), "-INF");
}

}  // namespace
}  // namespace coilspring
