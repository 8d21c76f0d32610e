#include "core/torsion/moment_angle_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/text/number_format.h"

namespace coilspring {

namespace {

constexpr int kMarginLeft = 56, kMarginRight = 16, kMarginTop = 24, kMarginBottom = 32;
constexpr int kPointHalf = 3;  // half the side of a working point's square

int Round(double v) { return static_cast<int>(std::lround(v)); }

void DrawAxes(Canvas& canvas, const MomentDiagramLayout& l, UnitSystem units) {
  canvas.SetPenColour(kBlack);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.MoveTo(l.left, l.top);
  canvas.LineTo(l.left, l.bottom);
  canvas.LineTo(l.right, l.bottom);
  canvas.SetFontColour(kBlack);
  canvas.TextOut(l.right - 40, l.bottom + 14, "θ (°)");
  const Quantity moment = Quantity::Energy;
  canvas.TextOut(4, 4, std::string("M (") + UnitCaption(moment, units) + ")");
  canvas.TextOut(l.left - 10, l.bottom + 4, "0");
}

void DrawScales(Canvas& canvas, const MomentDiagramLayout& l, UnitSystem units) {
  canvas.TextOut(l.right - 40, l.bottom + 2, FormatShort(l.maxAngle));
  canvas.TextOut(4, l.top, FormatShort(ShownValue(l.maxMoment, Quantity::Energy, units)));
}

void MarkPoint(Canvas& canvas, PixelPoint p, const char* name) {
  canvas.SetBrushColour(kBlue);
  canvas.Rectangle(p.x - kPointHalf, p.y - kPointHalf, p.x + kPointHalf + 1, p.y + kPointHalf + 1);
  canvas.SetBrushColour(kWhite);
  canvas.TextOut(p.x + 6, p.y - 16, name);
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
  if (std::isfinite(t.MaxAngle) && t.MaxAngle > 0) {
    canvas.SetPenStyle(PenStyle::Dash);
    const PixelPoint top = l.At(t.MaxAngle, t.MaxMoment), foot = l.At(t.MaxAngle, 0);
    canvas.MoveTo(foot.x, foot.y);
    canvas.LineTo(top.x, top.y);
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.TextOut(top.x - 16, top.y - 18, "θmax");
  }
  canvas.SetPenColour(kBlue);
  MarkPoint(canvas, l.At(t.Angle1, t.Moment1), "1");
  MarkPoint(canvas, l.At(t.Angle2, t.Moment2), "2");
}

}  // namespace coilspring
