#include "core/drawing/shape_view_sink.h"

#include <algorithm>
#include <cmath>
#include <variant>

namespace coilspring {
namespace {

int RoundPixel(double v) { return static_cast<int>(std::nearbyint(v)); }

// Liang–Barsky: shortens the segment a-b to the part inside the window; false when none is.
template <class Pixel>
bool ClipSegment(Pixel& a, Pixel& b, double left, double top, double right, double bottom) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - left, right - a.x, a.y - top, bottom - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  const Pixel start = a;
  if (t1 < 1) b = {start.x + t1 * dx, start.y + t1 * dy};
  if (t0 > 0) a = {start.x + t0 * dx, start.y + t0 * dy};
  return true;
}

}  // namespace

std::optional<ShapeView> FitShapeView(int width, int height, double cx, double cy, double L,
                                      double D, double d) {
  ShapeView v;
  const double Wv = 1.2 * L;
  v.Hv = 1.1 * (D + d);
  v.x0 = cx - Wv / 2;
  v.y0 = cy - v.Hv / 2;
  const double sx = width / Wv, sy = height / v.Hv;
  if (sx >= sy) {
    v.q = sy;
    v.x0 = cx - (width / v.q) / 2;
  } else {
    v.q = sx;
    v.y0 = cy - (height / v.q) / 2;
    v.Hv = height / v.q;
  }
  if (!(std::isfinite(v.q) && v.q > 0 && std::isfinite(v.x0) && std::isfinite(v.y0) &&
        std::isfinite(v.Hv)))
    return std::nullopt;
  return v;
}

ShapeViewSink::ShapeViewSink(Canvas& canvas, const ShapeView& view)
    : canvas_(canvas),
      view_(view),
      left_(-kClipMargin),
      top_(-kClipMargin),
      right_(canvas.Width() + kClipMargin),
      bottom_(canvas.Height() + kClipMargin) {}

ShapeViewSink::Pixel ShapeViewSink::Map(ModelPoint p) const {
  return {(p.x - view_.x0) * view_.q, (view_.Hv - (p.y - view_.y0)) * view_.q};
}

bool ShapeViewSink::InsideWindow(Pixel p) const {
  return p.x >= left_ && p.x <= right_ && p.y >= top_ && p.y <= bottom_;
}

void ShapeViewSink::Line(const ShapeLine& line) {
  Pixel a = Map(line.from), b = Map(line.to);
  if (!ClipSegment(a, b, left_, top_, right_, bottom_)) return;
  canvas_.MoveTo(RoundPixel(a.x), RoundPixel(a.y));
  canvas_.LineTo(RoundPixel(b.x), RoundPixel(b.y));
}

void ShapeViewSink::Arc(const ShapeArc& arc) {
  const double r = arc.radius;
  const Pixel corner1 = Map({arc.centre.x + r, arc.centre.y - r});
  const Pixel corner2 = Map({arc.centre.x - r, arc.centre.y + r});
  const Pixel from = Map(arc.from), to = Map(arc.to);
  for (const Pixel& p : {corner1, corner2, from, to})
    if (!InsideWindow(p)) return;
  canvas_.Arc(RoundPixel(corner1.x), RoundPixel(corner1.y), RoundPixel(corner2.x),
              RoundPixel(corner2.y), RoundPixel(from.x), RoundPixel(from.y), RoundPixel(to.x),
              RoundPixel(to.y));
}

void DrawShapeFitted(Canvas& canvas, std::span<const ShapePrimitive> primitives,
                     const ShapeFrame& f) {
  canvas.SetBrushColour(kWhite);
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
  canvas.SetPenColour(kRed);
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  if (primitives.empty()) return;
  const std::optional<ShapeView> view =
      FitShapeView(canvas.Width(), canvas.Height(), f.cx, f.cy, f.L, f.D, f.d);
  if (!view) return;
  ShapeViewSink sink(canvas, *view);
  EmitPrimitives(primitives, sink);
}

ShapeFrame FrameAround(std::span<const ShapePrimitive> primitives, double d) {
  double left = INFINITY, right = -INFINITY, bottom = INFINITY, top = -INFINITY;
  const auto take = [&](ModelPoint p, double reach) {
    left = std::min(left, p.x - reach);
    right = std::max(right, p.x + reach);
    bottom = std::min(bottom, p.y - reach);
    top = std::max(top, p.y + reach);
  };
  for (const ShapePrimitive& primitive : primitives) {
    if (const auto* line = std::get_if<ShapeLine>(&primitive)) {
      take(line->from, 0);
      take(line->to, 0);
    } else {
      const auto& arc = std::get<ShapeArc>(primitive);
      take(arc.centre, arc.radius);
    }
  }
  // FitShapeView fits 1.2 times the length and 1.1 times D + d.
  return {(left + right) / 2, (bottom + top) / 2, right - left, top - bottom - d, d};
}

}  // namespace coilspring
