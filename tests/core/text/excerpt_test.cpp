// What a message may quote of the user's text: short, cut between characters, and with every
// control character a terminal would act on shown as an escape.
#include "core/text/excerpt.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

#include "../param_names.h"

namespace coilspring {
namespace {

struct ExcerptCase {
  const char* what;
  std::string text;
  std::string shown;
};
void PrintTo(const ExcerptCase& c, std::ostream* out) { *out << c.what; }

const ExcerptCase kCases[] = {
    {"short text as it is", "middle", "middle"},
    {"exactly 40 bytes", std::string(40, 'a'), std::string(40, 'a')},
    {"41 bytes cut", std::string(41, 'a'), std::string(40, 'a') + "..."},
    {"cut before a character that does not fit", std::string(39, 'a') + "\xE3\x81\x82",
     std::string(39, 'a') + "..."},
    {"ESC", "\x1b[31mred", "\\x1B[31mred"},
    {"NUL", std::string("a\0b", 3), "a\\x00b"},
    {"DEL and newline", "a\x7f\nb", "a\\x7F\\x0Ab"},
    {"C1 control in UTF-8",
     "a\xC2\x9B"
     "2J",
     "a\\xC2\\x9B2J"},
    {"Japanese stays", "線径", "線径"},
    {"100 MB key quotes 40 bytes", std::string(100'000'000, 'k'), std::string(40, 'k') + "..."},
};

class ExcerptTest : public testing::TestWithParam<ExcerptCase> {};

TEST_P(ExcerptTest, QuotesAtMostFortyBytesEscaped) {
  EXPECT_EQ(Excerpt(GetParam().text), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Cases, ExcerptTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

TEST(ShownPathTest, KeepsAWholePathAndEscapesControls) {
  const std::string deep = "/tmp/" + std::string(200, 'd') + "/a.abd";
  EXPECT_EQ(ShownPath(deep), deep);
  EXPECT_EQ(ShownPath("/tmp/\x1b]0;x.abd"), "/tmp/\\x1B]0;x.abd");
  EXPECT_EQ(ShownPath(std::string(PATH_MAX + 10, 'p')).size(), PATH_MAX + 3u);
}

}  // namespace
}  // namespace coilspring
