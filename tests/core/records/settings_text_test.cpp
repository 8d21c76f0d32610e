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
     "line 1: CompressionStressRatio must lie in 0..100: NAN"},
    {"INF", Table("CompressionStressRatio\tINF\n"), "line 1: CompressionStressRatio must lie"},
    {"beyond the double range", Table("CompressionStressRatio\t1e999\n"),
     "line 1: CompressionStressRatio must lie in 0..100: 1e999"},
    {"negative", Table("CompressionStressRatio\t-80\n"), "line 1: CompressionStressRatio must"},
    {"two signs", Table("CompressionStressRatio\t+-80\n"),
     "line 1: '+-80' は浮動小数点数ではありません"},
    {"hook factor 0.5",
     "CompressionStressRatio\t80\nExtensionStressRatio\t80\nHookStressFactor\t0.5\n",
     "line 3: HookStressFactor must lie in 1..25: 0.5"},
    {"field given twice", Table() + "CompressionStressRatio\t70\n",
     "line 8: CompressionStressRatio given twice (first on line 1)"},
    {"second value", Table("CompressionStressRatio\t80 90\n"),
     "line 1: CompressionStressRatio takes exactly one number, this line has 2"},
    {"no value", Table("CompressionStressRatio\n"),
     "line 1: CompressionStressRatio takes exactly one number, this line has 0"},
    {"empty table", "", "the table lacks CompressionStressRatio"},
    {"missing field", Table("# none\n"), "the table lacks CompressionStressRatio"},
    {"unknown field", Table() + "Reserved60\t0\n", "line 8: unknown field Reserved60"},
    {"16 significant digits", Table("CompressionStressRatio\t80.00000000000001\n"),
     "line 1: CompressionStressRatio has more than 15 significant digits"},
    {"huge value is quoted short",
     Table("CompressionStressRatio\t" + std::string(100000, 'x') + "\n"),
     "line 1: 'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx...' は浮動小数点数ではありません"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SettingsTextTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

}  // namespace
}  // namespace coilspring
