#include "core/drawing/fatigue_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/calc/fatigue.h"
#include "core/text/number_format.h"

namespace coilspring {
namespace {

// Where the life lines meet the diagonal in the drawing; the classification uses 0.67, and
// both are kept so that classes and pictures stay as users know them.
constexpr double kLifeLineEndForDrawing = 0.667;

// Plot frame in pixels: coefficient 0 at (30, 380), 0.5 at (380, 30).
constexpr int kLeft = 30;
constexpr int kBottom = 380;
constexpr int kTop = 30;
constexpr int kRight = 380;
constexpr double kPixelsPerUnit = 700;
// Far outside the picture, yet small enough that adding a few pixels never overflows an int.
constexpr double kPixelLimit = 100000;

// Pixel offset of a coefficient: the integer part of 700 v + 0.5, kept within a range that
// converts to int safely whatever v is.
int Px(double v) {
  const double t = kPixelsPerUnit * v + 0.5;
  if (std::isnan(t)) return 0;
  return static_cast<int>(std::trunc(std::clamp(t, -kPixelLimit, kPixelLimit)));
}

int XPixel(double v) { return kLeft + Px(v); }
int YPixel(double v) { return kBottom - Px(v); }

void Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// The grid step j as its label: 0.1 .. 1.
std::string TenthLabel(int j) { return FormatFull(j / 10.0); }

void DrawFrameAndGrid(Canvas& c) {
  c.SetPenColour(kBlack);
  c.SetPenWidth(2);
  c.Rectangle(kLeft, kTop, kRight, kBottom);
  c.SetPenWidth(1);
  for (int j = 1; j <= 4; ++j) {
    const int x = kLeft + 70 * j;
    Line(c, x, kTop, x, kBottom);
    c.TextOut(x - 4, 385, TenthLabel(j));
  }
  c.TextOut(380, 385, TenthLabel(5));
  for (int j = 4; j >= 1; --j) {  // top to bottom
    const int y = kBottom - 70 * j;
    Line(c, kLeft, y, kRight, y);
    c.TextOut(382, y - 4, TenthLabel(j));
  }
  c.TextOut(382, 26, TenthLabel(5));
}

// Lower coefficient where life line `t` (drawn towards (0.667, 0.667)) reaches the level v.
double LifeLineAtLevel(double t, double v) {
  return (v - t) * kLifeLineEndForDrawing / (kLifeLineEndForDrawing - t);
}

void DrawLifeLines(Canvas& c) {
  for (double t : LifeLineIntercepts) {
    Line(c, XPixel(LifeLineAtLevel(t, kPlotTop)), kTop, kLeft, YPixel(t));
  }
}

void DrawStressRatioRays(Canvas& c) {
  c.SetPenColour(kSilver);
  for (int j = 1; j <= 10; ++j) {
    Line(c, kLeft, kBottom, kLeft + 35 * j, kTop);
    c.TextOut(kLeft + static_cast<int>(35.2 * j) - 5, 15, TenthLabel(j));
  }
  c.TextOut(kLeft, 15, "γ=");
}

// The region permitted for 1000万 cycles, outlined in blue; the part of the 0.45 level left of
// it stays a thin black line.
void DrawPermittedRegion(Canvas& c) {
  const double t0 = LifeLineIntercepts[0];
  const int level = YPixel(kTopLineLevel);
  const int lineAtLevel = XPixel(LifeLineAtLevel(t0, kTopLineLevel));
  c.SetPenColour(kBlack);
  c.SetPenWidth(2);
  c.SetPenColour(kBlue);
  Line(c, lineAtLevel, level, kLeft, YPixel(t0));
  c.SetPenWidth(1);
  c.SetPenColour(kBlack);
  Line(c, kLeft, level, lineAtLevel, level);
  c.SetPenWidth(2);
  c.SetPenColour(kBlue);
  c.LineTo(XPixel(kTopLineLevel), level);
  c.LineTo(kLeft, kBottom);
  c.LineTo(kLeft, YPixel(t0));
}

struct PlacedText {
  int x, y;
  const char* text;
};

// The life labels stand left of the axis beside their lines (which meet the axis 10 to 27 pixels
// apart); a text is drawn on a box of its own 13-pixel line, so labels of close lines alternate
// between two columns rather than cover each other, and the widest ends a pixel short of the
// 2-pixel axis.
constexpr PlacedText kDiagramTexts[] = {
    {16, 380, "0"},
    {21, 62, "1"},
    {21, 85, "2"},
    {4, 100, "3"},
    {21, 110, "4"},
    {4, 120, "6"},
    {14, 130, "10"},
    {6, 144, "100"},
    {-1, 164, "1000"},
    {5, 183, "万回"},
    {150, 400, "下限応力係数 τ1/σB"},
    {10, 200, "上"},
    {10, 214, "限"},
    {10, 228, "応"},
    {10, 242, "力"},
    {10, 256, "係"},
    {10, 270, "数"},
    {5, 288, "τ2"},
    {10, 298, "─"},
    {5, 308, "σB"},
};

void DrawTexts(Canvas& c) {
  c.SetPenColour(kBlack);
  c.SetPenWidth(1);
  c.SetPenStyle(PenStyle::Solid);
  for (const PlacedText& t : kDiagramTexts) c.TextOut(t.x, t.y, t.text);
}

// The red square around the working point; on or near the axes it never reaches left of or
// below the origin.
PixelRect SquareAround(double x, double y) {
  const int a = Px(x);
  const int b = Px(y);
  return {kLeft + std::max(a - 3, 0), kBottom - (b + 3), kLeft + a + 3,
          kBottom - std::max(b - 3, 0)};
}

}  // namespace

void DrawFatigueDiagramBackground(Canvas& canvas) {
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetFontColour(kBlack);
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, kFatigueDiagramWidth, kFatigueDiagramHeight);
  DrawFrameAndGrid(canvas);
  DrawLifeLines(canvas);
  DrawStressRatioRays(canvas);
  DrawPermittedRegion(canvas);
  DrawTexts(canvas);
}

std::optional<PixelRect> WorkingPointSquare(double x, double y) {
  if (OutsideDiagram(x, y)) return std::nullopt;
  return SquareAround(x, y);
}

std::optional<PixelRect> MarkWorkingPoint(Canvas& canvas, double x, double y) {
  const std::optional<PixelRect> found = WorkingPointSquare(x, y);
  if (!found) return std::nullopt;
  const PixelRect& square = *found;
  const PixelPoint corners[] = {{square.left, square.bottom},
                                {square.right, square.bottom},
                                {square.right, square.top},
                                {square.left, square.top}};
  canvas.SetPenColour(kRed);
  canvas.SetBrushColour(kRed);
  canvas.Polygon(corners);
  canvas.SetPenColour(kBlack);
  return square;
}

bool DrawFatigueDiagram(Canvas& canvas, bool markPoint, double x, double y) {
  DrawFatigueDiagramBackground(canvas);
  if (markPoint) MarkWorkingPoint(canvas, x, y);
  return OutsideDiagram(x, y);
}

}  // namespace coilspring
