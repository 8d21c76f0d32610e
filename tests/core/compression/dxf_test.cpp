// The DXF text: header, entity records and closing lines, with golden lines from the
// description of the file and hand calculations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "core/compression/design_dxf.h"
#include "core/compression/design_record.h"
#include "core/drawing/dxf_writer.h"

namespace coilspring {
namespace {

using Lines = std::vector<std::string>;

// Splits at CR LF; fails the test on any bare CR or LF or a missing final line end.
Lines SplitCrLf(const std::string& text) {
  Lines lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "text does not end with CR LF";
      break;
    }
    std::string line = text.substr(at, end - at);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break: " << line;
    lines.push_back(std::move(line));
    at = end + 2;
  }
  return lines;
}

int CountEntities(const Lines& lines, const std::string& kind) {
  int n = 0;
  for (std::size_t i = kDxfHeaderLineCount; i + 1 < lines.size(); ++i)
    if (lines[i] == "  0" && lines[i + 1] == kind) ++n;
  return n;
}

Lines Slice(const Lines& lines, std::size_t from, std::size_t count) {
  if (from + count > lines.size()) return {};
  return Lines(lines.begin() + from, lines.begin() + from + count);
}

// Line counts of an entity record.
constexpr std::size_t kLineRecord = 16, kArcRecord = 18;

TEST(SpringDxf, HeaderLinesAndWidths) {
  const Lines lines = SplitCrLf(SpringDxfText({0, 2, 20, 6, 60}));
  ASSERT_GT(lines.size(), 198u);
  struct Golden {
    int row;  // row of the header table: its code line is 2·row - 1, its value line 2·row
    const char* code;
    const char* value;
  };
  const Golden golden[] = {
      {1, "  0", "SECTION"},
      {4, "  1", "AC1009"},
      {13, " 10", "841"},
      {14, " 20", "594"},
      {22, " 40", "1"},
      {28, " 70", "     9"},
      {30, "  2", "CONTINUOUS"},
      {31, " 70", "    64"},
      {33, " 72", "    65"},
      {34, " 73", "     0"},
      {35, " 40", "0.0"},
      {39, "  3", "--  --  --  --  --  --  --  --  "},
      {41, " 73", "     2"},
      {44, " 49", "-1.25"},
      {49, "100", "AcDbSymbolTable"},
      {50, " 70", "     1"},
      {56, " 70", "     0"},
      {60, " 71", "     0"},
      {63, "  4", "bigfont.shx"},
      {69, " 70", "    68"},
      {73, " 71", "     0"},
      {80, " 70", "    2"},
      {82, "  2", "_0-0_"},
      {83, " 70", "   64"},
      {84, " 62", "    7"},
      {87, "  2", "ADD_LINE"},
      {88, " 70", "   64"},
      {89, " 62", "    7"},
      {94, "  2", "BLOCKS"},
      {96, "  0", "SECTION"},
      {97, "  2", "ENTITIES"},
  };
  for (const Golden& g : golden) {
    EXPECT_EQ(lines[2 * g.row - 2], g.code) << "row " << g.row;
    EXPECT_EQ(lines[2 * g.row - 1], g.value) << "row " << g.row;
  }
  // Row 32: the line type's description in Shift-JIS, 実線.
  EXPECT_EQ(lines[62], "  3");
  EXPECT_EQ(lines[63], "\x8E\xC0\x90\xFC");
  // The entities start right after the header.
  EXPECT_EQ(lines[194], "  0");
  EXPECT_EQ(lines[195], "LINE");
}

TEST(SpringDxf, EmptyDrawingStillHasHeaderAndClosing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    int mode;
    double d, D, n, L;
  };
  const Case cases[] = {{0, 2, 20, 6, 6},   {1, 20, 20, 6, 60},  {2, 0, 20, 6, 60},
                        {3, 2, nan, 6, 60}, {0, 2, 20, 1e9, 60}, {7, 2, 20, 6, 60}};
  for (const Case& c : cases) {
    const std::string text = SpringDxfText({c.mode, c.d, c.D, c.n, c.L});
    const Lines lines = SplitCrLf(text);
    ASSERT_EQ(lines.size(), 198u) << c.mode;
    EXPECT_EQ(Slice(lines, 194, 4), (Lines{"  0", "ENDSEC", "  0", "EOF"}));
    EXPECT_EQ(text.find("NAN"), std::string::npos);
    EXPECT_EQ(text.find("INF"), std::string::npos);
  }
}

TEST(SpringDxf, ClosingLinesAndEntityCounts) {
  struct Case {
    int mode;
    double n;
    int lines, arcs;
  };
  // d 2, D 20, L 60. Body: 2 lines + 2 arcs per turn and 2 back lines between turns.
  const Case cases[] = {
      {0, 6, 26 + 10, 14 + 2},  // 52 entities, as many as the picture's primitives
      {1, 6, 26 + 6, 14 + 2},
      {2, 6, 26 + 3 + 4, 14 + 1 + 2},
      {2, 10, 42 + 5 + 6, 22 + 1 + 2},
      {3, 6, 26 + 6, 14 + 4},
      {0, -1, 10, 2},
  };
  for (const Case& c : cases) {
    const Lines lines = SplitCrLf(SpringDxfText({c.mode, 2, 20, c.n, 60}));
    EXPECT_EQ(CountEntities(lines, "LINE"), c.lines) << c.mode << " n " << c.n;
    EXPECT_EQ(CountEntities(lines, "ARC"), c.arcs) << c.mode << " n " << c.n;
    EXPECT_EQ(lines.size(), 194 + kLineRecord * c.lines + kArcRecord * c.arcs + 4) << c.mode;
    EXPECT_EQ(Slice(lines, lines.size() - 4, 4), (Lines{"  0", "ENDSEC", "  0", "EOF"}));
  }
}

TEST(SpringDxf, ClosedEndWorkedExample) {
  const Lines lines = SplitCrLf(SpringDxfText({2, 2, 20, 6, 60}));
  // The body: 26 lines and 14 arcs; the left end's third line follows two lines.
  const std::size_t at = 194 + 26 * kLineRecord + 14 * kArcRecord + 2 * kLineRecord;
  EXPECT_EQ(Slice(lines, at, kLineRecord),
            (Lines{"  0", "LINE", "  8", "_0-0_", "  6", "CONTINUOUS", "  62", "    7", " 10", "-1",
                   " 20", "0", " 11", "-1", " 21", "-20"}));
  EXPECT_EQ(Slice(lines, at + kLineRecord, kArcRecord),
            (Lines{"  0", "ARC", "  8", "_0-0_", "  6", "CONTINUOUS", "  62", "    7", " 10", "0",
                   " 20", "-20", " 40", "1", " 50", "180", " 51", "360"}));
}

int SignificantDigits(const std::string& number) {
  int digits = 0;
  bool leading = true;
  for (char ch : number) {
    if (ch == 'E') break;
    if (ch < '0' || ch > '9') continue;
    if (leading && ch == '0') continue;
    leading = false;
    ++digits;
  }
  return digits;
}

TEST(SpringDxf, OpenEndBodyWorkedExample) {
  const Lines lines = SplitCrLf(SpringDxfText({0, 2, 20, 6, 60}));
  const double p = 54 / 6.5, th = std::atan(p / 2 / 20);
  const double c = std::cos(th), s = std::sin(th);
  // First entity: LINE S2 -> S4 of turn 0.
  const Lines first = Slice(lines, 194, kLineRecord);
  ASSERT_EQ(first[1], "LINE");
  const double expected[] = {-c, -s, p / 2 - c, -20 - s};
  for (int i = 0; i < 4; ++i) {
    const std::string& value = first[9 + 2 * i];
    EXPECT_NEAR(std::stod(value), expected[i], 1e-13) << value;
    EXPECT_EQ(SignificantDigits(value), 15) << value;
  }
  EXPECT_NEAR(std::stod(first[9]), -0.979106, 5e-7);
  EXPECT_NEAR(std::stod(first[15]), -20.203353, 5e-7);
  // Second entity: the right edge LINE S5 -> S1, written from S1 to S5.
  const Lines second = Slice(lines, 194 + kLineRecord, kLineRecord);
  EXPECT_NEAR(std::stod(second[9]), c, 1e-13);
  EXPECT_NEAR(std::stod(second[11]), s, 1e-13);
  EXPECT_NEAR(std::stod(second[13]), p / 2 + c, 1e-13);
  EXPECT_NEAR(std::stod(second[15]), -20 + s, 1e-13);
  // Third entity: the upper cap, centre (0, 0), radius 1, θ° to 180 + θ°.
  const Lines third = Slice(lines, 194 + 2 * kLineRecord, kArcRecord);
  ASSERT_EQ(third[1], "ARC");
  EXPECT_EQ(third[9], "0");
  EXPECT_EQ(third[11], "0");
  EXPECT_EQ(third[13], "1");
  const double thetaDeg = th * 180 / std::numbers::pi;
  EXPECT_NEAR(std::stod(third[15]), 11.733084, 5e-7);
  EXPECT_NEAR(std::stod(third[15]), thetaDeg, 1e-12);
  EXPECT_NEAR(std::stod(third[17]), 191.733084, 5e-7);
  // Fourth: the lower cap, 180 + θ° to 360 + θ°, written as computed (beyond 360).
  const Lines fourth = Slice(lines, 194 + 2 * kLineRecord + kArcRecord, kArcRecord);
  EXPECT_EQ(fourth[11], "-20");
  EXPECT_NEAR(std::stod(fourth[15]), 180 + thetaDeg, 1e-12);
  EXPECT_NEAR(std::stod(fourth[17]), 360 + thetaDeg, 1e-12);
}

TEST(SpringDxf, OpenEndLeftArcAndReversedCutLine) {
  const Lines lines = SplitCrLf(SpringDxfText({0, 2, 20, 6, 60}));
  // Left end after the body: LINE, LINE, LINE S41 -> S31, ARC S30: S34 -> S31, LINE, LINE.
  const std::size_t left = 194 + 26 * kLineRecord + 14 * kArcRecord;
  const Lines arc = Slice(lines, left + 3 * kLineRecord, kArcRecord);
  ASSERT_EQ(arc[1], "ARC");
  EXPECT_NEAR(std::stod(arc[9]), -4.0 / 3, 1e-13);
  EXPECT_EQ(arc[11], "-20");
  // The cut end's band runs from (-2, -10) down to (-4/3, -20): φ = atan((2/3) / 10).
  const double phi = std::atan((2.0 / 3) / 10), phiDeg = phi * 180 / std::numbers::pi;
  EXPECT_NEAR(std::stod(arc[15]), 540 + phiDeg, 1e-9);  // about 543.8
  EXPECT_NEAR(std::stod(arc[17]), phiDeg, 1e-9);
  // The last line of the left end is LINE S44 -> S41, written from S41 to S44.
  const Lines cut = Slice(lines, left + 3 * kLineRecord + kArcRecord + kLineRecord, kLineRecord);
  ASSERT_EQ(cut[1], "LINE");
  EXPECT_NEAR(std::stod(cut[9]), -2 + std::cos(phi), 1e-13);
  EXPECT_NEAR(std::stod(cut[11]), -10 + std::sin(phi), 1e-13);
  EXPECT_NEAR(std::stod(cut[13]), -2 - std::cos(phi), 1e-13);
  EXPECT_NEAR(std::stod(cut[15]), -10 - std::sin(phi), 1e-13);
}

TEST(SpringDxf, GroundEndArcAngles) {
  // Mode 1, left end ARC S30: S33 -> S31 from 270 to DirectionAngle(S30, S31) + 360.
  const Lines open = SplitCrLf(SpringDxfText({1, 2, 20, 6, 60}));
  const std::size_t left = 194 + 26 * kLineRecord + 14 * kArcRecord;
  const Lines arc = Slice(open, left + 2 * kLineRecord, kArcRecord);
  ASSERT_EQ(arc[1], "ARC");
  const double psiDeg = std::atan(1 / std::sqrt(99.0)) * 180 / std::numbers::pi;
  EXPECT_EQ(arc[15], "270");
  EXPECT_NEAR(std::stod(arc[17]), 360 + psiDeg, 1e-9);

  // Mode 3, left end ARC S40: S41 -> S45 ends at the 60° point of the upper end section.
  const Lines closed = SplitCrLf(SpringDxfText({3, 2, 20, 6, 60}));
  const Lines upper = Slice(closed, left + 2 * kLineRecord + kArcRecord, kArcRecord);
  ASSERT_EQ(upper[1], "ARC");
  EXPECT_EQ(upper[9], "-2");
  EXPECT_EQ(upper[11], "0");
  EXPECT_NEAR(std::stod(upper[17]), 60, 1e-9);
}

TEST(SpringDxf, ClosedSlantedLeftOuterLineIsReversed) {
  const Lines lines = SplitCrLf(SpringDxfText({2, 2, 20, 10, 60}));
  // Body of 11 turns: 42 lines, 22 arcs; then LINE S41->S42, LINE S41->S31, LINE S42->S32.
  const std::size_t at = 194 + 42 * kLineRecord + 22 * kArcRecord + 2 * kLineRecord;
  const Lines outer = Slice(lines, at, kLineRecord);
  ASSERT_EQ(outer[1], "LINE");
  EXPECT_EQ(outer[11], "-20");  // starts at the bottom S32
  EXPECT_EQ(outer[15], "-10");  // ends at mid-height S42
  EXPECT_EQ(outer[9], outer[13]);
}

TEST(DesignDxf, UsesTheStoredFreeLengthAndRoundedTurns) {
  DesignRecord r;
  r.EndKind = EndKind::OpenUnground;
  r.WireDiameter = 2;
  r.MeanDiameter = 20;
  r.TotalTurns = 8;
  r.FreeLength = 60;
  r.Length1 = 40;
  r.Length2 = 30;
  EXPECT_EQ(DesignDxfText(r), SpringDxfText({0, 2, 20, 6, 60}));
  struct Case {
    EndKind endKind;
    double totalTurns;
    int mode;
    double n;
  };
  const Case cases[] = {
      {EndKind::ClosedUnground, 8.5, 2, 6}, {EndKind::ClosedGround, 9.5, 3, 8},
      {EndKind::ClosedTapered, 7.4, 3, 5},  {EndKind::OpenGround, 3, 1, 1},
      {EndKind::OpenTapered, 2.5, 1, 0},    {EndKind::OpenThreeQuarterUnground, 1, 1, -1}};
  for (const Case& c : cases) {
    r.EndKind = c.endKind;
    r.TotalTurns = c.totalTurns;
    EXPECT_EQ(DesignDxfText(r), SpringDxfText({c.mode, 2, 20, c.n, 60})) << RawOf(c.endKind);
  }
}

}  // namespace
}  // namespace coilspring
