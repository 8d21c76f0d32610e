#include "core/torsion/torsion_views.h"

#include <algorithm>
#include <cmath>

#include "core/calc/coil_formulas.h"
#include "core/drawing/dxf_writer.h"
#include "core/drawing/shape_view_sink.h"
#include "core/drawing/wire_path.h"

namespace coilspring {

namespace {

constexpr double kLeg1Direction = 180;  // degrees: leg 1 is held pointing left
constexpr double kLeg2Direction = 0;    // leg 2 points right when free, then turns clockwise

class GroupBuilder {
 public:
  explicit GroupBuilder(TorsionViewGroup& group) : group_(group) {}
  void Line(ModelPoint from, ModelPoint to) { group_.primitives.emplace_back(ShapeLine{from, to}); }
  // The whole circle as two half arcs, counter-clockwise from 0° and from 180°.
  void Circle(ModelPoint c, double r) {
    const ModelPoint right{c.x + r, c.y}, left{c.x - r, c.y};
    group_.primitives.emplace_back(ShapeArc{c, r, right, left, ArcAngle::At(0), ArcAngle::At(180)});
    group_.primitives.emplace_back(
        ShapeArc{c, r, left, right, ArcAngle::At(180), ArcAngle::At(360)});
  }
  // A straight wire of width d along the direction u from the point `from` to the point `to`.
  void Wire(ModelPoint from, ModelPoint to, double d) {
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return;
    const double nx = -dy / length * d / 2, ny = dx / length * d / 2;
    const ModelPoint a{from.x + nx, from.y + ny}, b{to.x + nx, to.y + ny};
    const ModelPoint c{to.x - nx, to.y - ny}, e{from.x - nx, from.y - ny};
    Line(a, b);
    Line(b, c);
    Line(c, e);
  }
  std::vector<ShapePrimitive>& Primitives() { return group_.primitives; }

 private:
  TorsionViewGroup& group_;
};

// A leg leaving a coil of mean diameter D radially at `degrees`, reaching `length` from the axis.
void Leg(GroupBuilder& g, double degrees, double length, double D, double d) {
  const double r = D / 2;
  if (!(length > r)) return;
  const double a = degrees / kDegreesPerRadian;
  g.Wire({r * std::cos(a), r * std::sin(a)}, {length * std::cos(a), length * std::sin(a)}, d);
}

}  // namespace

bool TorsionDrawable(const TorsionDesign& t) {
  const double d = t.WireDiameter, D = t.MeanDiameter;
  for (double v : {d, D, t.TotalTurns, t.Leg1, t.Leg2, t.Angle1, t.Angle2})
    if (!std::isfinite(v)) return false;
  return d > 0 && D > d && t.TotalTurns > 0 && t.TotalTurns <= kMaxBodyTurns;
}

double WoundMeanDiameter(const TorsionDesign& t) {
  const double wound = t.MeanDiameter2;
  return std::isfinite(wound) && wound > t.WireDiameter ? wound : t.MeanDiameter;
}

namespace {

// The coil's two circles and its free legs; leg 2 at θ1; leg 2 and the coil at θ2; the rod.
void BuildEndView(TorsionViews& v, const TorsionDesign& t) {
  const double d = t.WireDiameter, D = t.MeanDiameter;
  TorsionViewGroup spring;
  GroupBuilder g(spring);
  g.Circle({0, 0}, (D + d) / 2);
  g.Circle({0, 0}, (D - d) / 2);
  Leg(g, kLeg1Direction, t.Leg1, D, d);
  Leg(g, kLeg2Direction, t.Leg2, D, d);
  v.groups.push_back(std::move(spring));

  TorsionViewGroup working1{TorsionViewPart::Working1, {}};
  GroupBuilder w1(working1);
  Leg(w1, kLeg2Direction - t.Angle1, t.Leg2, D, d);
  v.groups.push_back(std::move(working1));

  TorsionViewGroup working2{TorsionViewPart::Working2, {}};
  GroupBuilder w2(working2);
  const double wound = WoundMeanDiameter(t);
  if (std::isfinite(t.MeanDiameter2) && t.MeanDiameter2 > d) {
    w2.Circle({0, 0}, (wound + d) / 2);
    w2.Circle({0, 0}, (wound - d) / 2);
  }
  Leg(w2, kLeg2Direction - t.Angle2, t.Leg2, wound, d);
  v.groups.push_back(std::move(working2));

  if (t.Rod && std::isfinite(*t.Rod) && *t.Rod > 0 && *t.Rod < D + d) {
    TorsionViewGroup rod{TorsionViewPart::Rod, {}};
    GroupBuilder(rod).Circle({0, 0}, *t.Rod / 2);
    v.groups.push_back(std::move(rod));
  }
}

// The body seen from the front of the end view: its axis to the right, the helix of its turns,
// leg 1 (pointing left in the end view) down from the first turn, leg 2 up from the last.
void BuildSideView(TorsionViews& v, const TorsionDesign& t, double& x0, double& body) {
  const double d = t.WireDiameter, D = t.MeanDiameter;
  const double ro = (D + d) / 2;
  const double reach = std::max({t.Leg1, t.Leg2, ro});
  x0 = reach + ro / 2 + 2 * d;
  body = SolidHeightOf(t.TotalTurns, d);
  GroupBuilder g(v.groups.front());
  const double bands = std::max(std::nearbyint(t.TotalTurns), 1.0);
  AppendCoilBands(g.Primitives(), x0, body, static_cast<int>(bands), D / 2, D, d, false);
  if (t.Leg1 > ro) g.Wire({x0 + d / 2, -D / 2}, {x0 + d / 2, -t.Leg1}, d);
  if (t.Leg2 > ro) g.Wire({x0 + body - d / 2, D / 2}, {x0 + body - d / 2, t.Leg2}, d);
}

// A cross through the end view's axis and the side view's axis, a wire beyond the coil.
void BuildCentreLines(TorsionViews& v, const TorsionDesign& t, double x0, double body) {
  const double reach = (t.MeanDiameter + 3 * t.WireDiameter) / 2;
  TorsionViewGroup centre{TorsionViewPart::Centre, {}};
  GroupBuilder g(centre);
  g.Line({-reach, 0}, {reach, 0});
  g.Line({0, -reach}, {0, reach});
  g.Line({x0 - t.WireDiameter, 0}, {x0 + body + t.WireDiameter, 0});
  v.groups.push_back(std::move(centre));
}

void Include(TorsionViews& v, ModelPoint p) {
  v.low = {std::min(v.low.x, p.x), std::min(v.low.y, p.y)};
  v.high = {std::max(v.high.x, p.x), std::max(v.high.y, p.y)};
}

void FindBox(TorsionViews& v) {
  v.low = {INFINITY, INFINITY};
  v.high = {-INFINITY, -INFINITY};
  for (const ShapePrimitive& p : AllPrimitives(v)) {
    if (const auto* line = std::get_if<ShapeLine>(&p)) {
      Include(v, line->from);
      Include(v, line->to);
    } else {
      const ShapeArc& arc = std::get<ShapeArc>(p);
      Include(v, {arc.centre.x - arc.radius, arc.centre.y - arc.radius});
      Include(v, {arc.centre.x + arc.radius, arc.centre.y + arc.radius});
    }
  }
}

const DxfLayer* LayerOf(TorsionViewPart part) {
  switch (part) {
    case TorsionViewPart::Working1:
      return &kDxfWorking1Layer;
    case TorsionViewPart::Working2:
      return &kDxfWorking2Layer;
    case TorsionViewPart::Rod:
      return &kDxfRodLayer;
    case TorsionViewPart::Centre:
      return &kDxfCentreLayer;
    default:
      return &kDxfFreeLayer;
  }
}

struct Pen {
  Rgb colour;
  PenStyle style;
};

Pen PenOf(TorsionViewPart part) {
  switch (part) {
    case TorsionViewPart::Working1:
      return {kBlue, PenStyle::Dash};
    case TorsionViewPart::Working2:
      return {kBlue, PenStyle::Solid};
    case TorsionViewPart::Rod:
      return {kBlack, PenStyle::Solid};
    case TorsionViewPart::Centre:
      return {kSilver, PenStyle::Dot};
    default:
      return {kRed, PenStyle::Solid};
  }
}

// The legend: a short line in each state's pen and its name, in one row along the top.
constexpr int kLegendHeight = 20;
constexpr int kLegendLine = 24;
constexpr int kLegendStep = 72;

void DrawLegend(Canvas& canvas) {
  constexpr TorsionViewPart parts[] = {TorsionViewPart::Spring, TorsionViewPart::Working1,
                                       TorsionViewPart::Working2};
  canvas.SetFontColour(kBlack);
  canvas.SetBrushColour(kWhite);
  for (std::size_t i = 0; i < std::size(parts); ++i) {
    const int x = 4 + static_cast<int>(i) * kLegendStep;
    const Pen pen = PenOf(parts[i]);
    canvas.SetPenColour(pen.colour);
    canvas.SetPenStyle(pen.style);
    canvas.MoveTo(x, kLegendHeight / 2);
    canvas.LineTo(x + kLegendLine, kLegendHeight / 2);
    canvas.TextOut(x + kLegendLine + 4, 2, kTorsionLegendTexts[i]);
  }
}

}  // namespace

TorsionViews BuildTorsionViews(const TorsionDesign& t) {
  TorsionViews v;
  if (!TorsionDrawable(t)) return v;
  double x0 = 0, body = 0;
  BuildEndView(v, t);
  BuildSideView(v, t, x0, body);
  BuildCentreLines(v, t, x0, body);
  // Both views have their axis on y = 0: reflecting across it mirrors the helix and the way the
  // legs wind up.
  if (t.LeftHand)
    for (TorsionViewGroup& group : v.groups) ReflectAcross(group.primitives, 0);
  FindBox(v);
  return v;
}

std::vector<ShapePrimitive> AllPrimitives(const TorsionViews& v) {
  std::vector<ShapePrimitive> all;
  for (const TorsionViewGroup& g : v.groups)
    all.insert(all.end(), g.primitives.begin(), g.primitives.end());
  return all;
}

std::string TorsionDxfText(const TorsionDesign& t) {
  const TorsionViews v = BuildTorsionViews(t);
  std::vector<DxfLayerGroup> groups;
  for (const TorsionViewGroup& g : v.groups)
    if (!g.primitives.empty()) groups.push_back({LayerOf(g.part), g.primitives});
  return DxfLayeredTextOf(groups);
}

void DrawTorsionViews(Canvas& canvas, const TorsionDesign& t) {
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  const TorsionViews v = BuildTorsionViews(t);
  if (v.groups.empty()) return;
  canvas.SetPenWidth(1);
  // A picture too small for the legend beside the views shows the views alone.
  const bool legend = canvas.Width() >= 3 * kLegendStep && canvas.Height() >= 4 * kLegendHeight;
  if (legend) DrawLegend(canvas);
  // The views fill the picture below the legend, with a margin of a twentieth on every side.
  const int legendHeight = legend ? kLegendHeight : 0;
  const double below = canvas.Height() - legendHeight;
  const double w = (v.high.x - v.low.x) * 1.1, h = (v.high.y - v.low.y) * 1.1;
  const double q = std::min(canvas.Width() / w, below / h);
  if (std::isfinite(q) && q > 0) {
    const double cx = (v.low.x + v.high.x) / 2, cy = (v.low.y + v.high.y) / 2;
    const ShapeView view{cx - canvas.Width() / (2 * q), 0, (legendHeight + below / 2) / q + cy, q};
    ShapeViewSink sink(canvas, view);
    for (const TorsionViewGroup& g : v.groups) {
      const Pen pen = PenOf(g.part);
      canvas.SetPenColour(pen.colour);
      canvas.SetPenStyle(pen.style);
      EmitPrimitives(g.primitives, sink);
    }
  }
  canvas.SetPenStyle(PenStyle::Solid);
}

}  // namespace coilspring
