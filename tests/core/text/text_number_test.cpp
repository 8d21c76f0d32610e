#include "core/text/text_number.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/text/user_error.h"

namespace coilspring {
namespace {

TEST(ParseDecimal, ReadsDecimalNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"10", 10},         {"0.8", 0.8},   {"-2.5", -2.5}, {"+3", 3},     {" 12 ", 12},
      {"1.235E4", 12350}, {"5E-5", 5e-5}, {".5", 0.5},    {"1e3", 1000}, {"20.126", 20.126},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDecimal(text), value) << text;
}

// What a Japanese input method types: full-width digits, point, signs, exponent and blanks.
TEST(ParseDecimal, ReadsFullWidthInputAsItsHalfWidthEquivalent) {
  const std::pair<const char*, double> cases[] = {
      {"５０", 50},     {"１．５", 1.5},    {"－３", -3},     {"−３", -3},    {"＋２", 2},
      {"２Ｅ３", 2000}, {"５ｅ－５", 5e-5}, {"　１２　", 12}, {"1．５", 1.5},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDecimal(text), value) << text;
  EXPECT_EQ(ParseInteger("－７"), -7);
}

TEST(ParseDecimal, ReadsBackWhatTheFormatterShowsForUndefinedValues) {
  EXPECT_TRUE(std::isnan(ParseDecimal("NAN")));
  EXPECT_EQ(ParseDecimal("INF"), INFINITY);
  EXPECT_EQ(ParseDecimal("-INF"), -INFINITY);
}

TEST(ParseDecimal, ReadsMagnitudesBeyondTheDoubleRangeAsTheNearestDouble) {
  EXPECT_EQ(ParseDecimal("1e999"), INFINITY);
  EXPECT_EQ(ParseDecimal("-1.798E308"), -INFINITY);  // the largest double, shown at 4 digits
  EXPECT_EQ(ParseDecimal("1e-999"), 0.0);
  EXPECT_TRUE(std::signbit(ParseDecimal("-1e-999")));
  EXPECT_EQ(ParseDecimal("4.9E-324"), 4.9e-324);  // the smallest subnormal stays itself
}

TEST(ParseDecimal, RefusesWhatIsNotANumberWithTheBoxText) {
  for (const char* text : {"", "abc", "1,5", "1.2.3", "12mm", "inf", "nan", "0x10", "-", "e5",
                           "５０ｍｍ", "１，５", "－", "一〇"}) {
    try {
      ParseDecimal(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' は浮動小数点数ではありません");
    }
  }
}

TEST(ParseInteger, ReadsAndRefuses) {
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_EQ(ParseInteger("-7"), -7);
  EXPECT_EQ(ParseInteger(" 3 "), 3);
  for (const char* text : {"", "4.5", "x", "99999999999"}) {
    try {
      ParseInteger(text);
      ADD_FAILURE() << "accepted " << text;
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' は整数ではありません");
    }
  }
}

}  // namespace
}  // namespace coilspring
