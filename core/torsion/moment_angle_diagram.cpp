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

// Point 1's name above the rate line, to the left of its square; point 2's below it, to the
// right: the line runs between them, so the names never meet each other or the line.
void MarkPoint(Canvas& canvas, PixelPoint p, const char* name, bool above) {
  canvas.SetBrushColour(kBlue);
  canvas.Rectangle(p.x - kPointHalf, p.y - kPointHalf, p.x + kPointHalf + 1, p.y + kPointHalf + 1);
  canvas.SetBrushColour(kWhite);
  if (above)
    canvas.TextOut(p.x - kPointHalf - kCharWidth - 4, p.y - kPointHalf - kTextHeight - 2, name);
  else
    canvas.TextOut(p.x + kPointHalf + 3, p.y + kPointHalf + 2, name);
}

// θmax's dashed line, its name just right of the line's foot under the rate line (or, where the
// foot is too near the origin for that, left of its top above the rate line), its value under
// the axis.
void DrawMaxAngle(Canvas& canvas, const MomentDiagramLayout& l, const TorsionDesign& t) {
  canvas.SetPenStyle(PenStyle::Dash);
  const PixelPoint top = l.At(t.MaxAngle, t.MaxMoment), foot = l.At(t.MaxAngle, 0);
  canvas.MoveTo(foot.x, foot.y);
  canvas.LineTo(top.x, top.y);
  canvas.SetPenStyle(PenStyle::Solid);
  constexpr int nameWidth = 4 * kCharWidth + 6;
  const int nameLeft = foot.x + 3, nameTop = foot.y - kTextHeight - 3;
  // The rate line runs corner to corner of the plot area; where it crosses the name's left
  // edge, with room for a square on it.
  const double slope = static_cast<double>(l.bottom - l.top) / (l.right - l.left);
  const double lineAtName = l.bottom - slope * (nameLeft - l.left);
  if (lineAtName + kPointHalf + 1 < nameTop)
    canvas.TextOut(nameLeft, nameTop, "θmax");
  else
    canvas.TextOut(std::max(top.x - nameWidth - 3, 0), top.y - kTextHeight - 4, "θmax");
  const std::string value = FormatShort(t.MaxAngle);
  const int valueLeft = foot.x - static_cast<int>(value.size()) * kCharWidth / 2;
  // Clear of the "0" at the origin.
  if (valueLeft > l.left + 2) canvas.TextOut(valueLeft, l.bottom + 2, value);
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
  MarkPoint(canvas, l.At(t.Angle1, t.Moment1), "1", true);
  MarkPoint(canvas, l.At(t.Angle2, t.Moment2), "2", false);
}

}  // namespace coilspring
