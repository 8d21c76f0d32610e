#include "core/conical/load_curve_diagram.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/conical/conical_calc.h"
#include "core/text/number_format.h"

namespace coilspring {

namespace {

constexpr int kMarginLeft = 56, kMarginRight = 16, kMarginTop = 24, kMarginBottom = 32;
constexpr int kPointHalf = 3;
// The labels are one line of the picture's font: at most this high, and about this wide a
// character.
constexpr int kTextHeight = 13;
constexpr int kCharWidth = 7;
constexpr int kCurveSteps = 64;  // segments of the progressive part

int Round(double v) { return static_cast<int>(std::lround(v)); }

void DrawAxes(Canvas& canvas, const LoadCurveLayout& l, UnitSystem units) {
  canvas.SetPenColour(kBlack);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.MoveTo(l.left, l.top);
  canvas.LineTo(l.left, l.bottom);
  canvas.LineTo(l.right, l.bottom);
  canvas.SetFontColour(kBlack);
  // Under the row of the deflections, so that the two rows never meet.
  canvas.TextOut(l.right - 40, l.bottom + kTextHeight + 3, "δ (mm)");
  canvas.TextOut(4, 4, std::string("P (") + UnitCaption(Quantity::Load, units) + ")");
  canvas.TextOut(l.left - 10, l.bottom + 4, "0");
}

struct LabelBox {
  int left, top, right, bottom;
  bool Meets(const LabelBox& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
};

// A name of one character above and left of its point: the curve rises all the way, so left of
// the point it runs below it and never through the name. Beside the load axis the name moves
// right, as high as the curve reaches at its right edge.
LabelBox AboveLeft(const LoadCurveLayout& l, const ConicalCurve& curve, PixelPoint p) {
  const int x = std::max(p.x - kPointHalf - kCharWidth - 4, l.left + 2);
  const double deflection = (x + kCharWidth + 1.0 - l.left) / (l.right - l.left) * l.maxDeflection;
  const int clear = l.At(deflection, curve.LoadAt(deflection)).y - kTextHeight - 1;
  const int y = std::min(p.y - kPointHalf - kTextHeight - 2, clear);
  return {x, y, x + kCharWidth, y + kTextHeight};
}

// Below and right of its point: right of the point the curve runs above it.
LabelBox BelowRight(PixelPoint p) {
  const int x = p.x + kPointHalf + 3, y = p.y + kPointHalf + 2;
  return {x, y, x + kCharWidth, y + kTextHeight};
}

void MarkPoint(Canvas& canvas, PixelPoint p, const LabelBox& label, const char* name) {
  canvas.SetBrushColour(kBlue);
  canvas.Rectangle(p.x - kPointHalf, p.y - kPointHalf, p.x + kPointHalf + 1, p.y + kPointHalf + 1);
  canvas.SetBrushColour(kWhite);
  canvas.TextOut(label.left, label.top, name);
}

bool Usable(double v) { return std::isfinite(v) && v >= 0; }

}  // namespace

PixelPoint LoadCurveLayout::At(double deflection, double load) const {
  const double x = std::clamp(deflection / maxDeflection, 0.0, 1.0);
  const double y = std::clamp(load / maxLoad, 0.0, 1.0);
  return {left + Round((right - left) * x), bottom - Round((bottom - top) * y)};
}

std::optional<LoadCurveLayout> LayoutLoadCurve(const ConicalDesign& r, const MaterialRecord& m,
                                               int width, int height) {
  const ConicalCurve curve = CurveOf(r, m);
  const double deflection = curve.SolidDeflection();
  const double load = std::max({curve.SolidLoad(), r.Load1, r.Load2});
  if (!(deflection > 0) || !std::isfinite(deflection) || !(load > 0) || !std::isfinite(load) ||
      !Usable(curve.FirstContactLoad()) || !(curve.InitialRate() > 0))
    return std::nullopt;
  LoadCurveLayout l{kMarginLeft, kMarginTop, width - kMarginRight, height - kMarginBottom};
  l.maxDeflection = deflection * 1.1;
  l.maxLoad = load * 1.1;
  return l;
}

void DrawLoadCurveDiagram(Canvas& canvas, const ConicalDesign& r, const MaterialRecord& m,
                          UnitSystem units) {
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  canvas.SetPenWidth(1);
  const std::optional<LoadCurveLayout> layout =
      LayoutLoadCurve(r, m, canvas.Width(), canvas.Height());
  const LoadCurveLayout axes{kMarginLeft, kMarginTop, canvas.Width() - kMarginRight,
                             canvas.Height() - kMarginBottom};
  DrawAxes(canvas, layout.value_or(axes), units);
  if (!layout) return;
  const LoadCurveLayout& l = *layout;
  canvas.TextOut(l.right - 40, l.bottom + 2, FormatShort(l.maxDeflection));
  canvas.TextOut(4, l.top, FormatShort(ShownValue(l.maxLoad, Quantity::Load, units)));

  const ConicalCurve curve = CurveOf(r, m);
  const double contact = curve.FirstContactLoad(), solid = curve.SolidLoad();
  const PixelPoint origin = l.At(0, 0), knee = l.At(curve.Deflection(contact), contact);
  canvas.SetPenColour(kRed);
  canvas.MoveTo(origin.x, origin.y);
  canvas.LineTo(knee.x, knee.y);
  canvas.SetPenColour(kBlue);
  canvas.MoveTo(knee.x, knee.y);
  for (int i = 1; i <= kCurveSteps; ++i) {
    const double P = contact + (solid - contact) * i / kCurveSteps;
    const PixelPoint p = l.At(i == kCurveSteps ? curve.SolidDeflection() : curve.Deflection(P), P);
    canvas.LineTo(p.x, p.y);
  }
  // Solid: the load rises without further deflection.
  const PixelPoint top = l.At(curve.SolidDeflection(), l.maxLoad);
  canvas.LineTo(top.x, top.y);

  canvas.SetPenColour(kBlack);
  canvas.SetPenStyle(PenStyle::Dash);
  const PixelPoint foot = l.At(curve.Deflection(contact), 0);
  canvas.MoveTo(foot.x, foot.y);
  canvas.LineTo(knee.x, knee.y);
  canvas.SetPenStyle(PenStyle::Solid);
  // First contact named right of its dashed line just above the axis, where neither the
  // straight part (left of the line) nor the progressive part (above the knee) runs; a knee too
  // near the axis for it has the name above the straight part, left of the knee.
  const int nameWidth = 4 * kTextHeight;  // four full-width characters
  const LabelBox contactName =
      knee.y < l.bottom - kTextHeight - 2
          ? LabelBox{foot.x + 4, l.bottom - kTextHeight - 2, foot.x + 4 + nameWidth, l.bottom - 2}
          : LabelBox{knee.x - 4 - nameWidth, knee.y - kTextHeight - 4, knee.x - 4, knee.y - 4};
  canvas.TextOut(contactName.left, contactName.top, "密着開始");
  canvas.SetPenColour(kBlue);
  // Point 1 named above and left; point 2 too, unless that meets point 1's name or first
  // contact's, then below and right.
  const PixelPoint p1 = l.At(r.FreeLength - r.Length1, r.Load1);
  const PixelPoint p2 = l.At(r.FreeLength - r.Length2, r.Load2);
  const LabelBox name1 = AboveLeft(l, curve, p1);
  LabelBox name2 = AboveLeft(l, curve, p2);
  if (name2.Meets(name1) || name2.Meets(contactName)) name2 = BelowRight(p2);
  MarkPoint(canvas, p1, name1, "1");
  MarkPoint(canvas, p2, name2, "2");
}

}  // namespace coilspring
