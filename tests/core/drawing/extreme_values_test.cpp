// Whatever a design record holds, the side view hands the painter only coordinates near its
// picture and the DXF file holds only finite numbers; the numbers the windows show of extreme
// values read back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "../param_names.h"
#include "core/compression/design_dxf.h"
#include "core/compression/shape_view.h"
#include "core/drawing/dxf_writer.h"
#include "core/drawing/shape_view_sink.h"
#include "core/text/number_format.h"
#include "core/text/text_number.h"
#include "support/recording_canvas.h"

namespace coilspring {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct ShapeCase {
  const char* what;
  int mode;
  double d, D, n, L;
};

// Each case either is drawable with absurd proportions or must be refused without harm.
const ShapeCase kShapeCases[] = {
    {"ordinary", 2, 0.8, 10, 8, 25},
    {"largest double everywhere", 0, kMax, kMax, 1, kMax},
    {"huge length, thin wire", 1, 1e-300, 10, 8, 1e300},
    {"huge coil, tiny length", 3, 1, 1e300, 8, 1e-300},
    {"smallest subnormals", 2, kTiny, kTiny, 1, kTiny},
    {"length far below the solid height", 0, 1, 10, 8, 1e-9},
    {"many turns at the limit", 2, 0.1, 1, 10000, 1e6},
    {"negative length", 2, 1, 10, 8, -25},
    {"NaN wire", 2, kNan, 10, 8, 25},
    {"infinite coil", 1, 1, kInf, 8, 25},
    {"wire larger than coil, open ends", 3, 12, 10, 8, 50},
};

void PrintTo(const ShapeCase& c, std::ostream* out) { *out << c.what; }

class ExtremeShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ExtremeShapes, SideViewStaysNearThePicture) {
  const ShapeCase& c = GetParam();
  RecordingCanvas canvas(777, 201);
  DrawSpringShape(canvas, {c.mode, c.d, c.D, c.n, c.L});
  const double margin = ShapeViewSink::kClipMargin + 1;
  for (const Primitive& p : canvas.primitives)
    for (const PixelPoint& q : p.points) {
      EXPECT_GE(q.x, -margin) << p;
      EXPECT_LE(q.x, 777 + margin) << p;
      EXPECT_GE(q.y, -margin) << p;
      EXPECT_LE(q.y, 201 + margin) << p;
    }
}

// The value lines of the coordinate, radius and angle group codes, in file order.
std::vector<std::string> DxfValues(std::string_view text) {
  std::vector<std::string> values;
  bool valueNext = false;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string_view::npos) break;
    const std::string_view line = text.substr(start, end - start);
    if (valueNext) values.emplace_back(line);
    valueNext = line == " 10" || line == " 20" || line == " 11" || line == " 21" || line == " 40" ||
                line == " 50" || line == " 51";
    start = end + 2;
  }
  return values;
}

TEST_P(ExtremeShapes, DxfHoldsOnlyFiniteNumbers) {
  const ShapeCase& c = GetParam();
  const std::string text = SpringDxfText({c.mode, c.d, c.D, c.n, c.L});
  ASSERT_TRUE(text.ends_with("EOF\r\n"));
  for (const std::string& value : DxfValues(text))
    EXPECT_TRUE(std::isfinite(ParseDecimal(value))) << value;
}

INSTANTIATE_TEST_SUITE_P(Cases, ExtremeShapes, ::testing::ValuesIn(kShapeCases),
                         [](const auto& info) { return test_names::FromText(info.param.what); });

TEST(ExtremeShapes, OrdinarySpringHasEntities) {
  // Closed ends, 8 body turns: 9 sections of 2 lines and 2 arcs, joined by 8 pairs of lines.
  // The pitch (25 - 3 * 0.8) / 8.5 = 2.66 is too short for an end turn to stand upright
  // (p / 4 = 0.66 < r / cos(theta) + r = 0.80), so the left end adds 5 lines and 1 arc, the right
  // end 6 lines and 2 arcs.
  constexpr std::size_t lines = 9 * 2 + 8 * 2 + 5 + 6;
  constexpr std::size_t arcs = 9 * 2 + 1 + 2;
  // The header holds 17 of these values: 10 for $INSBASE..$LIMMAX, 3 in $LTSCALE and the line
  // types, 4 in the text styles. A LINE adds its two points, an ARC its centre, radius and angles.
  EXPECT_EQ(DxfValues(SpringDxfText({2, 0.8, 10, 8, 25})).size(), 17 + 4 * lines + 5 * arcs);
}

struct ShownCase {
  double value;
  int digits;
  const char* text;  // worked out by hand from the shortest decimal form
  double readBack;
};

TEST(ExtremeNumbers, ShowAndReadBack) {
  const ShownCase cases[] = {
      {kMax, kShortDigits, "1.798E308", kInf},  // 1.7976931348623157E308 rounds up past it
      {-kMax, kShortDigits, "-1.798E308", -kInf},
      {kMax, kFullDigits, "1.79769313486232E308", kInf},
      {1.7976e308, kShortDigits, "1.798E308", kInf},
      {1.797e308, kShortDigits, "1.797E308", 1.797e308},
      {kTiny, kShortDigits, "5E-324", kTiny},  // shortest form of the smallest subnormal
      {kTiny, kFullDigits, "5E-324", kTiny},
      {9.9995e-4, kShortDigits, "0.001", 0.001},
      {9.9994e-4, kShortDigits, "0.0009999", 9.999e-4},  // E = -3 is still fixed
  };
  for (const ShownCase& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text) << c.value;
    EXPECT_EQ(ParseDecimal(c.text), c.readBack) << c.text;
  }
}

}  // namespace
}  // namespace coilspring
