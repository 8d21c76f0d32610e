#include "core/calc/fatigue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "../param_names.h"
#include "core/compression/design_fatigue.h"

namespace coilspring {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ClassCase {
  double x, y;
  int expected;
};

void PrintTo(const ClassCase& c, std::ostream* out) { *out << test_names::PointText(c.x, c.y); }

class LifeClassOfTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(LifeClassOfTest, GivesTheFirstLineOnOrAboveThePoint) {
  const ClassCase c = GetParam();
  EXPECT_EQ(LifeClassOf(c.x, c.y), c.expected) << "x=" << c.x << " y=" << c.y;
}

INSTANTIATE_TEST_SUITE_P(
    WorkedAndBoundaryPoints, LifeClassOfTest,
    ::testing::Values(
        // The worked examples.
        ClassCase{0.1, 0.4, 3}, ClassCase{0.2, 0.4, 0}, ClassCase{0.1, 0.36, 1},
        ClassCase{0, 0.45, 7}, ClassCase{0.3, 0.46, 8}, ClassCase{0, 0.3, 0},
        ClassCase{0, 0.30001, 1},
        // On the axis each intercept belongs to its own line, just above it to the next one.
        ClassCase{0, 0.328, 1}, ClassCase{0, 0.347, 2}, ClassCase{0, 0.363, 3},
        ClassCase{0, 0.377, 4}, ClassCase{0, 0.391, 5}, ClassCase{0, 0.411, 6},
        ClassCase{0, 0.3281, 2}, ClassCase{0, 0.4111, 7},
        // Lines rise with x: at x = 0.3 line 0 is at 0.3 + 0.37 / 0.67 * 0.3 = 0.46567.
        ClassCase{0.3, 0.45, 0}, ClassCase{1.0, 0.45, 0},
        // Above 0.45 nothing counts, however far right the point is.
        ClassCase{5.0, 0.4501, 8},
        // Far below every line.
        ClassCase{0, -1, 0},
        // Negative x: line 7 is at 0.45 - 0.22 / 0.67 * 0.5 = 0.2858 there, the point above it.
        ClassCase{-0.5, 0.44, 8},
        // Negative x, but still below line 1 (0.328 - 0.342 / 0.67 * 0.01 = 0.32290).
        ClassCase{-0.01, 0.3, 1},
        // Undefined coefficients (no tensile strength) promise nothing.
        ClassCase{kNaN, 0.3, 8}, ClassCase{0.1, kNaN, 8}, ClassCase{kInf, 0.3, 8},
        ClassCase{0.1, -kInf, 8}),
    [](const auto& info) { return test_names::FromPoint(info.param.x, info.param.y); });

TEST(LifeClassTextTest, NamesTheNineClassesAndNothingElse) {
  const std::vector<std::string> expected = {"1000万", "100万", "10万", "6万",    "4万",
                                             "3万",    "2万",   "1万",  "1万以下"};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(LifeClassText(i), expected[i]);
  EXPECT_EQ(LifeClassText(-1), "");
  EXPECT_EQ(LifeClassText(9), "");
  EXPECT_EQ(LifeClassText(std::numeric_limits<std::int32_t>::min()), "");
}

MaterialTable TableWithStrength(int materialNo, int row, double sigmaB) {
  MaterialTable table;
  table[materialNo].TensileStrengths[row] = sigmaB;
  return table;
}

DesignRecord DesignAt(int materialNo, int row, double tau1, double tau2) {
  DesignRecord d;
  d.MaterialNo = materialNo;
  d.WireRow = row;
  d.Stress1 = tau1;
  d.Stress2 = tau2;
  return d;
}

TEST(FatigueCoefficientsTest, DividesTheStressesInNewtonsByTheTensileStrengthOfTheRow) {
  // 40 kgf/mm^2 * 9.8 = 392 N/mm^2; 392 / 1960 = 0.2. 80 * 9.8 / 1960 = 0.4.
  const MaterialTable table = TableWithStrength(3, 7, 1960);
  const StressCoefficients c = FatigueCoefficients(DesignAt(3, 7, 40, 80), table);
  EXPECT_DOUBLE_EQ(c.x, 0.2);
  EXPECT_DOUBLE_EQ(c.y, 0.4);
  EXPECT_EQ(TensileStrengthOf(DesignAt(3, 7, 0, 0), table), 1960);
  // Another row of the same material has no strength.
  EXPECT_EQ(TensileStrengthOf(DesignAt(3, 6, 0, 0), table), 0);
}

TEST(FatigueCoefficientsTest, MissingMaterialRowOrStrengthMakesThemUndefined) {
  const MaterialTable table = TableWithStrength(0, 0, 1960);
  const std::vector<std::tuple<int, int>> places = {{-1, 0}, {30, 0}, {0, -1},
                                                    {0, 50}, {0, 1},  {INT32_MAX, INT32_MIN}};
  for (const auto& [materialNo, row] : places) {
    const StressCoefficients c = FatigueCoefficients(DesignAt(materialNo, row, 40, 80), table);
    EXPECT_TRUE(std::isnan(c.x)) << materialNo << "/" << row;
    EXPECT_TRUE(std::isnan(c.y)) << materialNo << "/" << row;
    EXPECT_EQ(LifeClassOf(c.x, c.y), 8);
  }
  const MaterialTable negative = TableWithStrength(0, 0, -5);
  EXPECT_TRUE(std::isnan(FatigueCoefficients(DesignAt(0, 0, 40, 80), negative).y));
}

}  // namespace
}  // namespace coilspring
