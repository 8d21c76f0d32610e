#include "core/output/page_fit.h"

#include <gtest/gtest.h>

namespace coilspring {
namespace {

TEST(FitToPage, FillsTheHeightWhenTheImageIsNarrowerThanThePage) {
  // Window 817 x 721 on a landscape page of 3300 x 2550: width at full height 2890 < 3300.
  const PageSize s = FitToPage(817, 721, 3300, 2550);
  EXPECT_EQ(s.height, 2550);
  EXPECT_EQ(s.width, 2890);  // 817 * 2550 / 721 = 2889.6
}

TEST(FitToPage, FillsTheWidthOtherwise) {
  // The same window on a portrait page of 2550 x 3300: 817 * 3300 / 721 = 3739 is too wide.
  const PageSize s = FitToPage(817, 721, 2550, 3300);
  EXPECT_EQ(s.width, 2550);
  EXPECT_EQ(s.height, 2250);  // 721 * 2550 / 817 = 2250.4
}

TEST(FitToPage, EqualWidthTakesTheWidthBranchAndEmptySizesGiveNothing) {
  const PageSize s = FitToPage(100, 200, 50, 100);
  EXPECT_EQ(s.width, 50);
  EXPECT_EQ(s.height, 100);
  EXPECT_EQ(FitToPage(0, 10, 100, 100).width, 0);
  EXPECT_EQ(FitToPage(10, 10, 100, 0).height, 0);
}

}  // namespace
}  // namespace coilspring
