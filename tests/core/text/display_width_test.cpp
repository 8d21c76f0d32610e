#include "core/text/display_width.h"

#include <gtest/gtest.h>

#include <string>

namespace coilspring {
namespace {

TEST(DisplayWidth, CountsColumnsAsATerminalShowsThem) {
  const struct {
    std::string text;
    std::size_t width;
  } cases[] = {
      {"", 0},
      {"WireDiameter", 12},
      {"線径", 4},           // kanji
      {"荷重（Ｐ１）", 12},  // full-width brackets and letters
      {"ｶﾅ", 2},             // half-width katakana
      {"kgf/mm^2", 8},
      {"°τ×", 3},               // ambiguous: narrow
      {"か\xe3\x82\x99", 2},    // か + combining voiced mark
      {"\xf0\xa0\x80\x8b", 2},  // U+2000B, a kanji beyond the BMP
      {"a\xff"
       "b",
       3},              // a stray byte counts one
      {"\xe7\xb7", 2},  // a cut sequence: each byte one
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayWidth(c.text), c.width) << c.text;
}

TEST(DisplayWidth, PadsToColumnsNotBytes) {
  EXPECT_EQ(PadToWidth("線径", 6), "線径  ");
  EXPECT_EQ(PadToWidth("mm", 4), "mm  ");
  EXPECT_EQ(PadToWidth("密着高さ", 4), "密着高さ");
}

}  // namespace
}  // namespace coilspring
