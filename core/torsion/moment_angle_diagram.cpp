#include "core/torsion/moment_angle_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/text/number_format.h"

namespace coilspring {

namespace {

constexpr int kMarginLeft = 56, kMarginRight = 16, kMarginTop = 24, kMarginBottom = 32;
constexpr int kPointHalf = 3;  // half the side of a working point's square
// The labels are one line of the picture's font: at most this high, and about this wide a
// character.
constexpr int kTextHeight = 13;
constexpr int kCharWidth = 7;

int Round(double v) { return static_cast<int>(std::lround(v)); }

void DrawAxes(Canvas& canvas, const MomentDiagramLayout& l, UnitSystem units) {
  canvas.SetPenColour(kBlack);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.MoveTo(l.left, l.top);
  canvas.LineTo(l.left, l.bottom);
  canvas.LineTo(l.right, l.bottom);
  canvas.SetFontColour(kBlack);
  // Under the row of the angles, so that the two rows never meet.
  canvas.TextOut(l.right - 40, l.bottom + kTextHeight + 3, "θ (°)");
  const Quantity moment = Quantity::Energy;
  canvas.TextOut(4, 4, std::string("M (") + UnitCaption(moment, units) + ")");
  canvas.TextOut(l.left - 10, l.bottom + 4, "0");
}

// The moment scale at the top of its axis; the angle axis names θmax's own value under its foot
// rather than the axis end's, which would sit under the θmax line and read as θmax.
void DrawScales(Canvas& canvas, const MomentDiagramLayout& l, UnitSystem units) {
  canvas.TextOut(4, l.top, FormatShort(ShownValue(l.maxMoment, Quantity::Energy, units)));
}

// Where the rate line, corner to corner of the plot area, is at x.
double RateLineY(const MomentDiagramLayout& l, double x) {
  return l.bottom - static_cast<double>(l.bottom - l.top) / (l.right - l.left) * (x - l.left);
}

// Point 1's name above the rate line, to the left of its square (right of the moment axis, and
// high enough to clear the line at its right edge); point 2's below it, to the right: the line
// runs between them, so the names never meet each other or the line.
void MarkPoint(Canvas& canvas, const MomentDiagramLayout& l, PixelPoint p, const char* name,
               bool above) {
  canvas.SetBrushColour(kBlue);
  canvas.Rectangle(p.x - kPointHalf, p.y - kPointHalf, p.x + kPointHalf + 1, p.y + kPointHalf + 1);
  canvas.SetBrushColour(kWhite);
  if (above) {
    const int x = std::max(p.x - kPointHalf - kCharWidth - 4, l.left + 2);
    const double clear = RateLineY(l, x + kCharWidth + 1) - kTextHeight - 1;
    canvas.TextOut(x, std::min(p.y - kPointHalf - kTextHeight - 2, static_cast<int>(clear)), name);
  } else {
    canvas.TextOut(p.x + kPointHalf + 3, p.y + kPointHalf + 2, name);
  }
}

// θmax's dashed line and its name just right of the line's foot, under the rate line, with its
// value under the axis; where the foot is too near the origin for the name, the name and value
// go under the axis together, right of the "0".
void DrawMaxAngle(Canvas& canvas, const MomentDiagramLayout& l, const TorsionDesign& t) {
  canvas.SetPenStyle(PenStyle::Dash);
  const PixelPoint top = l.At(t.MaxAngle, t.MaxMoment), foot = l.At(t.MaxAngle, 0);
  canvas.MoveTo(foot.x, foot.y);
  canvas.LineTo(top.x, top.y);
  canvas.SetPenStyle(PenStyle::Solid);
  const int nameLeft = foot.x + 3, nameTop = foot.y - kTextHeight - 3;
  const std::string value = FormatShort(t.MaxAngle);
  const int valueLeft = foot.x - static_cast<int>(value.size()) * kCharWidth / 2;
  // Room for a square on the line above the name's left edge, and for the value right of "0".
  if (RateLineY(l, nameLeft) + kPointHalf + 1 < nameTop && valueLeft > l.left + 2) {
    canvas.TextOut(nameLeft, nameTop, "θmax");
    canvas.TextOut(valueLeft, l.bottom + 2, value);
  } else {
    canvas.TextOut(l.left + 4, l.bottom + 2, "θmax " + value);
  }
}

}  // namespace

PixelPoint MomentDiagramLayout::At(double angle, double moment) const {
  return {left + Round((right - left) * angle / maxAngle),
          bottom - Round((bottom - top) * moment / maxMoment)};
}

std::optional<MomentDiagramLayout> LayoutMomentDiagram(const TorsionDesign& t, int width,
                                                       int height) {
  const double largest = std::max({t.Angle1, t.Angle2, t.MaxAngle});
  if (!std::isfinite(largest) || !std::isfinite(t.SpringRate) || !(largest > 0) ||
      !(t.SpringRate > 0) || !std::isfinite(t.Angle1) || !std::isfinite(t.Angle2))
    return std::nullopt;
  MomentDiagramLayout l{kMarginLeft, kMarginTop, width - kMarginRight, height - kMarginBottom};
  l.maxAngle = largest * 1.1;
  l.maxMoment = t.SpringRate * l.maxAngle;
  return l;
}

void DrawMomentDiagram(Canvas& canvas, const TorsionDesign& t, UnitSystem units) {
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  canvas.SetPenWidth(1);
  const std::optional<MomentDiagramLayout> layout =
      LayoutMomentDiagram(t, canvas.Width(), canvas.Height());
  MomentDiagramLayout axes{kMarginLeft, kMarginTop, canvas.Width() - kMarginRight,
                           canvas.Height() - kMarginBottom};
  DrawAxes(canvas, layout.value_or(axes), units);
  if (!layout) return;
  const MomentDiagramLayout& l = *layout;
  DrawScales(canvas, l, units);
  canvas.SetPenColour(kRed);
  const PixelPoint origin = l.At(0, 0), end = l.At(l.maxAngle, l.maxMoment);
  canvas.MoveTo(origin.x, origin.y);
  canvas.LineTo(end.x, end.y);
  if (std::isfinite(t.MaxAngle) && t.MaxAngle > 0) DrawMaxAngle(canvas, l, t);
  canvas.SetPenColour(kBlue);
  MarkPoint(canvas, l, l.At(t.Angle1, t.Moment1), "1", true);
  MarkPoint(canvas, l, l.At(t.Angle2, t.Moment2), "2", false);
}

}  // namespace coilspring
