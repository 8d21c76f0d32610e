#include "core/editing/coefficient_editing.h"

#include <gtest/gtest.h>

#include "core/text/user_error.h"

namespace coilspring {
namespace {

CoefficientSettings Sample() {
  CoefficientSettings s;
  s.Reserved0 = {1, 2, 3, 4};
  s.Reserved60.fill(0xA5);
  s.CompressionStressRatio = 80;
  s.ExtensionStressRatio = 80;
  s.HookStressFactor = 1.25;
  s.StainlessTensionReduction = 15;
  s.PianoWireTensionReduction = 0.5;
  s.HardDrawnTensionReduction = 27.5;
  s.AnnealedStainlessTensionReduction = -3;
  return s;
}

TEST(CoefficientRows, FollowTheRecordInWindowOrder) {
  const CoefficientSettings s = Sample();
  const double expected[] = {80, 80, 1.25, 15, 0.5, 27.5, -3};
  const int groups[] = {0, 0, 0, 1, 1, 1, 1};
  for (int i = 0; i < kCoefficientCount; ++i) {
    EXPECT_EQ(s.*kCoefficientRows[i].field, expected[i]) << i;
    EXPECT_EQ(kCoefficientRows[i].group, groups[i]) << i;
  }
  EXPECT_STREQ(kCoefficientRows[0].guidance, "（　80%　）");
  EXPECT_STREQ(kCoefficientRows[2].guidance, "（ 1..25 ）");
  EXPECT_STREQ(kCoefficientRows[4].guidance, "(20%～35%)");
  EXPECT_STREQ(kCoefficientRows[6].caption, "低温焼なまししたステンレス鋼線の減少割合");
}

TEST(TextsOfSettings, UseTheFullNumberFormat) {
  const CoefficientTexts t = TextsOfSettings(Sample());
  const CoefficientTexts expected{"80", "80", "1.25", "15", "0.5", "27.5", "-3"};
  EXPECT_EQ(t, expected);
}

TEST(ApplyCoefficientTexts, StoresEveryFieldAndKeepsReservedBytes) {
  CoefficientSettings s = Sample();
  ApplyCoefficientTexts({"75", "80.0", "2", "16", "20", "35", "25"}, s);
  EXPECT_EQ(s.CompressionStressRatio, 75);
  EXPECT_EQ(s.ExtensionStressRatio, 80);
  EXPECT_EQ(s.AnnealedStainlessTensionReduction, 25);
  EXPECT_EQ(s.Reserved0, Sample().Reserved0);
  EXPECT_EQ(s.Reserved60, Sample().Reserved60);
}

TEST(ApplyCoefficientTexts, StopsAtTheFirstBadTextKeepingEarlierFields) {
  for (int bad = 0; bad < kCoefficientCount; ++bad) {
    CoefficientSettings s = Sample();
    CoefficientTexts texts{"1", "2", "3", "4", "5", "6", "7"};
    texts[bad] = bad % 2 ? "abc" : "";
    try {
      ApplyCoefficientTexts(texts, s);
      FAIL() << bad;
    } catch (const UserError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + texts[bad] + "' は浮動小数点数ではありません");
    }
    for (int i = 0; i < kCoefficientCount; ++i) {
      const double expected = i < bad ? i + 1 : Sample().*kCoefficientRows[i].field;
      EXPECT_EQ(s.*kCoefficientRows[i].field, expected) << bad << " " << i;
    }
  }
}

}  // namespace
}  // namespace coilspring
