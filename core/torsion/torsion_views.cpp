#include "core/torsion/torsion_views.h"

#include <algorithm>
#include <cmath>

#include "core/calc/coil_formulas.h"
#include "core/drawing/dxf_writer.h"
#include "core/drawing/shape_view_sink.h"

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

 private:
  TorsionViewGroup& group_;
};

// A leg leaving the coil's mean circle radially at `degrees`, reaching `length` from the axis.
void Leg(GroupBuilder& g, double degrees, double length, const TorsionDesign& t) {
  const double r = t.MeanDiameter / 2;
  if (!(length > r)) return;
  const double a = degrees / kDegreesPerRadian;
  g.Wire({r * std::cos(a), r * std::sin(a)}, {length * std::cos(a), length * std::sin(a)},
         t.WireDiameter);
}

}  // namespace

bool TorsionDrawable(const TorsionDesign& t) {
  const double d = t.WireDiameter, D = t.MeanDiameter;
  for (double v : {d, D, t.TotalTurns, t.Leg1, t.Leg2, t.Angle1, t.Angle2})
    if (!std::isfinite(v)) return false;
  return d > 0 && D > d && t.TotalTurns > 0 && t.TotalTurns <= kMaxBodyTurns;
}

namespace {

void BuildEndView(TorsionViews& v, const TorsionDesign& t) {
  TorsionViewGroup spring;
  GroupBuilder g(spring);
  g.Circle({0, 0}, (t.MeanDiameter + t.WireDiameter) / 2);
  g.Circle({0, 0}, (t.MeanDiameter - t.WireDiameter) / 2);
  Leg(g, kLeg1Direction, t.Leg1, t);
  Leg(g, kLeg2Direction, t.Leg2, t);
  v.groups.push_back(std::move(spring));
  for (const auto& [part, angle] : {std::pair{TorsionViewPart::Working1, t.Angle1},
                                    std::pair{TorsionViewPart::Working2, t.Angle2}}) {
    TorsionViewGroup working{part, {}};
    GroupBuilder w(working);
    Leg(w, kLeg2Direction - angle, t.Leg2, t);
    v.groups.push_back(std::move(working));
  }
}

// The body seen from the front of the end view: its axis to the right, leg 1 (pointing left
// in the end view) down from the first turn, leg 2 up from the last.
void BuildSideView(TorsionViews& v, const TorsionDesign& t) {
  const double d = t.WireDiameter;
  const double ro = (t.MeanDiameter + d) / 2;
  const double reach = std::max({t.Leg1, t.Leg2, ro});
  const double x0 = reach + ro / 2 + 2 * d;
  const double body = SolidHeightOf(t.TotalTurns, d);
  TorsionViewGroup& spring = v.groups.front();
  GroupBuilder g(spring);
  g.Line({x0, -ro}, {x0 + body, -ro});
  g.Line({x0 + body, -ro}, {x0 + body, ro});
  g.Line({x0 + body, ro}, {x0, ro});
  g.Line({x0, ro}, {x0, -ro});
  // A line between each two turns, at most one per turn: beside legs so long that adding d no
  // longer moves x, the stepping alone would never end.
  const double turnLines = std::ceil(t.TotalTurns);
  double x = x0 + d;
  for (int line = 0; line < turnLines && x < x0 + body - d / 2; ++line, x += d)
    g.Line({x, -ro}, {x, ro});
  if (t.Leg1 > ro) g.Wire({x0 + d / 2, -ro}, {x0 + d / 2, -t.Leg1}, d);
  if (t.Leg2 > ro) g.Wire({x0 + body - d / 2, ro}, {x0 + body - d / 2, t.Leg2}, d);
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

}  // namespace

TorsionViews BuildTorsionViews(const TorsionDesign& t) {
  TorsionViews v;
  if (!TorsionDrawable(t)) return v;
  BuildEndView(v, t);
  BuildSideView(v, t);
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
  return DxfTextOf(AllPrimitives(BuildTorsionViews(t)));
}

void DrawTorsionViews(Canvas& canvas, const TorsionDesign& t) {
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  const TorsionViews v = BuildTorsionViews(t);
  if (v.groups.empty()) return;
  // A margin of a twentieth on every side.
  const double w = (v.high.x - v.low.x) * 1.1, h = (v.high.y - v.low.y) * 1.1;
  const double q = std::min(canvas.Width() / w, canvas.Height() / h);
  if (!std::isfinite(q) || !(q > 0)) return;
  const double cx = (v.low.x + v.high.x) / 2, cy = (v.low.y + v.high.y) / 2;
  const ShapeView view{cx - canvas.Width() / (2 * q), cy - canvas.Height() / (2 * q),
                       canvas.Height() / q, q};
  ShapeViewSink sink(canvas, view);
  canvas.SetPenWidth(1);
  for (const TorsionViewGroup& g : v.groups) {
    canvas.SetPenColour(g.part == TorsionViewPart::Spring ? kRed : kBlue);
    canvas.SetPenStyle(g.part == TorsionViewPart::Working1 ? PenStyle::Dash : PenStyle::Solid);
    EmitPrimitives(g.primitives, sink);
  }
  canvas.SetPenStyle(PenStyle::Solid);
}

}  // namespace coilspring
