// The settings table is read as strictly as a coefficient is checked: every field once, one
// finite number in its range, and a fault names its line.
#include "core/records/settings_text.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>

#include "../param_names.h"

namespace coilspring {
namespace {

// The seven fields with the values of the shipped table; `first` replaces the first line.
std::string Table(const std::string& first = "CompressionStressRatio\t80\n") {
  return first +
         "ExtensionStressRatio\t80\nHookStressFactor\t1.25\nStainlessTensionReduction\t15\n"
         "PianoWireTensionReduction\t25\nHardDrawnTensionReduction\t25\n"
         "AnnealedStainlessTensionReduction\t20\n";
}

struct SettingsCase {
  const char* what;
  std::string text;
  std::string refusal;  // part of the message; empty: accepted with CompressionStressRatio 80
};
void PrintTo(const SettingsCase& c, std::ostream* out) { *out << c.what; }

class SettingsTextTest : public testing::TestWithParam<SettingsCase> {};

TEST_P(SettingsTextTest, AcceptsOnlyWhatTheRecordHoldsExactly) {
  const SettingsCase& c = GetParam();
  if (c.refusal.empty()) {
    const CoefficientSettings s = ParseSettingsText(c.text);
    EXPECT_EQ(s.CompressionStressRatio, 80);
    EXPECT_EQ(s.HookStressFactor, 1.25);
    EXPECT_EQ(s.AnnealedStainlessTensionReduction, 20);
    EXPECT_EQ(FormatSettingsText(s), Table());
    return;
  }
  try {
    ParseSettingsText(c.text);
    FAIL() << "accepted";
  } catch (const std::invalid_argument& e) {
    EXPECT_NE(std::string(e.what()).find(c.refusal), std::string::npos) << e.what();
    EXPECT_LT(std::string(e.what()).size(), 160u) << "the message quotes too much";
  }
}

const SettingsCase kCases[] = {
    {"shipped form", Table(), ""},
    {"comments blank lines byte order mark and CR LF",
     "\xEF\xBB\xBF# coefficients\r\n\r\nCompressionStressRatio\t80.0\t# percent\r\n" + Table(""),
     ""},
    {"NAN", Table("CompressionStressRatio\tNAN\n"),
     "1 行目: CompressionStressRatio は 0 から 100 までにしてください: NAN"},
    {"INF", Table("CompressionStressRatio\tINF\n"), "1 行目: CompressionStressRatio は 0 から"},
    {"beyond the double range", Table("CompressionStressRatio\t1e999\n"),
     "1 行目: CompressionStressRatio は 0 から 100 までにしてください: 1e999"},
    {"below the smallest double", Table("CompressionStressRatio\t1e-400\n"),
     "1 行目: CompressionStressRatio は小さすぎて倍精度で表せません（0 になります）: 1e-400"},
    {"full-width digits below the smallest double", Table("CompressionStressRatio\t５e-400\n"),
     "小さすぎて倍精度で表せません"},
    {"negative", Table("CompressionStressRatio\t-80\n"), "1 行目: CompressionStressRatio は"},
    {"two signs", Table("CompressionStressRatio\t+-80\n"),
     "1 行目: '+-80' は浮動小数点数ではありません"},
    {"hook factor 0.5",
     "CompressionStressRatio\t80\nExtensionStressRatio\t80\nHookStressFactor\t0.5\n",
     "3 行目: HookStressFactor は 1 から 25 までにしてください: 0.5"},
    {"field given twice", Table() + "CompressionStressRatio\t70\n",
     "8 行目: CompressionStressRatio が二度あります（最初は 1 行目）"},
    {"second value", Table("CompressionStressRatio\t80 90\n"),
     "1 行目: CompressionStressRatio には数を一つだけ書いてください（この行は 2 個）"},
    {"no value", Table("CompressionStressRatio\n"),
     "1 行目: CompressionStressRatio には数を一つだけ書いてください（この行は 0 個）"},
    {"empty table", "", "表に CompressionStressRatio がありません"},
    {"missing field", Table("# none\n"), "表に CompressionStressRatio がありません"},
    {"unknown field", Table() + "Reserved60\t0\n", "8 行目: 不明な項目 Reserved60"},
    {"16 significant digits", Table("CompressionStressRatio\t80.00000000000001\n"),
     "1 行目: CompressionStressRatio の有効数字が 15 桁を超えています"},
    {"huge value is quoted short",
     Table("CompressionStressRatio\t" + std::string(100000, 'x') + "\n"),
     "1 行目: 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' は浮動小数点数ではありません"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SettingsTextTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

}  // namespace
}  // namespace coilspring
