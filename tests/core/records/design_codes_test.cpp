#include "core/records/design_codes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "core/compression/design_record.h"

namespace coilspring {
namespace {

struct DecodeCase {
  std::int32_t raw;
  bool known;
};

// Every code knows 0 .. last, and nothing just past it, below 0 or at either end of the range.
template <class Code>
void ExpectDecoding(std::int32_t last) {
  const std::vector<DecodeCase> cases = {
      {0, true},    {last, true},       {last + 1, false},  {-1, false},
      {100, false}, {INT32_MAX, false}, {INT32_MIN, false},
  };
  for (const DecodeCase& c : cases) {
    const std::optional<Code> code = CodeFrom<Code>(c.raw);
    EXPECT_EQ(code.has_value(), c.known) << c.raw;
    EXPECT_EQ(IsValid(static_cast<Code>(c.raw)), c.known) << c.raw;
    if (code) {
      EXPECT_EQ(RawOf(*code), c.raw);
    }
  }
  EXPECT_EQ(LastRawOf<Code>(), last);
  EXPECT_EQ(static_cast<std::int32_t>(AllCodes<Code>().size()), last + 1);
}

TEST(DesignCodes, InputModeIsLoadsOrLengths) {
  ExpectDecoding<InputMode>(1);
  EXPECT_EQ(CodeFrom<InputMode>(0), InputMode::Loads);
  EXPECT_EQ(CodeFrom<InputMode>(1), InputMode::Lengths);
}

TEST(DesignCodes, DiameterKindIsInnerMeanOrOuter) {
  ExpectDecoding<DiameterKind>(2);
  EXPECT_EQ(CodeFrom<DiameterKind>(0), DiameterKind::Inner);
  EXPECT_EQ(CodeFrom<DiameterKind>(1), DiameterKind::Mean);
  EXPECT_EQ(CodeFrom<DiameterKind>(2), DiameterKind::Outer);
}

TEST(DesignCodes, EndKindIsOneOfTheSevenEndForms) {
  ExpectDecoding<EndKind>(6);
  EXPECT_EQ(CodeFrom<EndKind>(0), EndKind::ClosedUnground);
  EXPECT_EQ(CodeFrom<EndKind>(3), EndKind::OpenUnground);
  EXPECT_EQ(CodeFrom<EndKind>(6), EndKind::OpenThreeQuarterUnground);
}

TEST(DesignCodes, TheDiameterButtonStepsInnerMeanOuterAndBack) {
  const struct {
    std::int32_t from;
    DiameterKind to;
  } steps[] = {{0, DiameterKind::Mean},
               {1, DiameterKind::Outer},
               {2, DiameterKind::Inner},
               {3, DiameterKind::Inner},
               {-1, DiameterKind::Inner}};
  for (const auto& s : steps)
    EXPECT_EQ(NextDiameterKind(static_cast<DiameterKind>(s.from)), s.to) << s.from;
}

// A damaged file's codes are kept as they are: the record writes back the bytes it read.
TEST(DesignCodes, ValuesOutsideTheEnumerationRoundTripByteForByte) {
  for (const std::int32_t raw : {2, 3, 7, 99, -1, INT32_MAX, INT32_MIN}) {
    DesignRecord r;
    r.InputMode = static_cast<InputMode>(raw);
    r.DiameterKind = static_cast<DiameterKind>(raw);
    r.EndKind = static_cast<EndKind>(raw);
    const Bytes image = Encode(r);
    for (const std::size_t offset : {44u, 64u, 128u}) {
      const auto u = static_cast<std::uint32_t>(raw);
      for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(image[offset + i], static_cast<std::uint8_t>(u >> (8 * i))) << raw;
    }
    DesignRecord back;
    DecodeFrom(image.data(), back);
    EXPECT_EQ(back, r) << raw;
    EXPECT_EQ(Encode(back), image) << raw;
  }
}

}  // namespace
}  // namespace coilspring
