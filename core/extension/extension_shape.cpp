#include "core/extension/extension_shape.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/calc/coil_formulas.h"
#include "core/drawing/dxf_writer.h"

namespace coilspring {

namespace {

bool Finite(double v) { return std::isfinite(v); }

// Hooks are drawn for the left end, pointing to −x from the body's end face at x = 0, and
// mirrored to the right end.
class HookDrawer {
 public:
  HookDrawer(std::vector<ShapePrimitive>& out, double mirrorAt, bool mirrored)
      : out_(out), mirrorAt_(mirrorAt), mirrored_(mirrored) {}

  void Line(ModelPoint a, ModelPoint b) { out_.push_back(ShapeLine{Place(a), Place(b)}); }
  // Counter-clockwise from `from` to `to` in the left hook's frame; the mirror image runs the
  // other way round, so its ends swap.
  void Arc(ModelPoint centre, double radius, ModelPoint from, ModelPoint to) {
    ModelPoint a = Place(from), b = Place(to);
    if (mirrored_) std::swap(a, b);
    out_.push_back(ShapeArc{Place(centre), radius, a, b, ArcAngle::Toward(), ArcAngle::Toward()});
  }
  // The left half of a circle (90° to 270°).
  void LeftHalf(ModelPoint c, double radius) {
    Arc(c, radius, {c.x, c.y + radius}, {c.x, c.y - radius});
  }
  void RightHalf(ModelPoint c, double radius) {
    Arc(c, radius, {c.x, c.y - radius}, {c.x, c.y + radius});
  }

 private:
  ModelPoint Place(ModelPoint p) const { return mirrored_ ? ModelPoint{mirrorAt_ - p.x, p.y} : p; }
  std::vector<ShapePrimitive>& out_;
  double mirrorAt_;
  bool mirrored_;
};

// One hook of inner height h on a coil of mean diameter D and wire d, its axis at y = −D/2.
void DrawHook(HookDrawer& draw, HookKind kind, double h, double D, double d) {
  const double axis = -D / 2;
  switch (kind) {
    case HookKind::HalfRound: {
      // Half a loop on the end face, its inner side spanning the hook's height.
      const ModelPoint c{0, axis};
      draw.LeftHalf(c, h);
      draw.LeftHalf(c, h + d);
      break;
    }
    case HookKind::U: {
      // A half loop on two straight legs; the loop's inner radius is a quarter of the height.
      const double rho = h * kUHookBendShare;
      const ModelPoint c{-(h - rho), axis};
      draw.LeftHalf(c, rho);
      draw.LeftHalf(c, rho + d);
      for (const double side : {-1.0, 1.0}) {
        draw.Line({c.x, axis + side * rho}, {0, axis + side * rho});
        draw.Line({c.x, axis + side * (rho + d)}, {0, axis + side * (rho + d)});
      }
      break;
    }
    default: {
      // A full loop standing on the end face; its inner circle spans the hook's height.
      const ModelPoint c{-h / 2, axis};
      for (const double radius : {h / 2, h / 2 + d}) {
        draw.LeftHalf(c, radius);
        draw.RightHalf(c, radius);
      }
      break;
    }
  }
}

// Nt bands of wire from the top of one turn to the bottom of the next, each outlined by its two
// edges and the round ends of its cut.
void DrawBody(std::vector<ShapePrimitive>& out, double bodyLength, int bands, double D, double d) {
  const double r = d / 2;
  const double pitch = (bodyLength - d) / bands;
  for (int j = 0; j < bands; ++j) {
    const ModelPoint top{r + j * pitch, 0};
    const ModelPoint bottom{top.x + pitch / 2, -D};
    out.push_back(ShapeLine{{top.x - r, 0}, {bottom.x - r, -D}});
    out.push_back(ShapeLine{{top.x + r, 0}, {bottom.x + r, -D}});
    out.push_back(
        ShapeArc{top, r, {top.x + r, 0}, {top.x - r, 0}, ArcAngle::Toward(), ArcAngle::Toward()});
    out.push_back(ShapeArc{bottom,
                           r,
                           {bottom.x - r, -D},
                           {bottom.x + r, -D},
                           ArcAngle::Toward(),
                           ArcAngle::Toward(360)});
  }
}

// The box of every line end and every arc's circle, as the picture's frame.
ShapeFrame FrameAround(const std::vector<ShapePrimitive>& primitives, double d) {
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

// The U hook's two arcs and four lines; the other forms draw fewer.
constexpr std::size_t kMaxHookPrimitives = 6;

// No real spring has more; it keeps the primitive count bounded.
constexpr double kMaxBands = kMaxBodyTurns;

}  // namespace

ExtensionLayout ExtensionLayoutOf(const ExtensionDesign& r, double length) {
  ExtensionLayout layout;
  const double d = r.WireDiameter, D = r.MeanDiameter;
  const double closed = SolidHeightOf(r.TotalTurns, d);
  const double bands = std::max(std::nearbyint(r.TotalTurns), 1.0);
  if (!Finite(d) || !Finite(D) || !Finite(r.TotalTurns) || !Finite(r.FreeLength) || !Finite(length))
    return layout;
  if (!(d > 0)) return layout.status = ShapeStatus::NoWire, layout;
  if (!(D > 0)) return layout.status = ShapeStatus::NoCoil, layout;
  if (!(D > d)) return layout.status = ShapeStatus::WireFillsCoil, layout;
  if (bands > kMaxBands) return layout.status = ShapeStatus::TooManyTurns, layout;
  layout.hookHeight = (r.FreeLength - closed) / 2;
  layout.bodyLength = closed + std::max(length - r.FreeLength, 0.0);
  if (!(layout.hookHeight > 0) || !(layout.bodyLength > d))
    return layout.status = ShapeStatus::NoBodyLength, layout;
  layout.bands = static_cast<int>(bands);
  layout.status = ShapeStatus::Built;
  return layout;
}

ExtensionShape BuildExtensionShape(const ExtensionDesign& r, double length) {
  ExtensionShape shape;
  const double d = r.WireDiameter, D = r.MeanDiameter;
  const ExtensionLayout layout = ExtensionLayoutOf(r, length);
  shape.hookHeight = layout.hookHeight;
  shape.bodyLength = layout.bodyLength;
  if (layout.status != ShapeStatus::Built) return shape.status = layout.status, shape;
  const double bands = layout.bands;

  // Four primitives a band and at most six a hook: a long spring's list never grows in steps.
  shape.primitives.reserve(4 * static_cast<std::size_t>(bands) + 2 * kMaxHookPrimitives);
  DrawBody(shape.primitives, shape.bodyLength, static_cast<int>(bands), D, d);
  for (const bool right : {false, true}) {
    HookDrawer draw(shape.primitives, shape.bodyLength, right);
    DrawHook(draw, r.HookKind, shape.hookHeight, D, d);
  }
  if (!AllPrimitivesFinite(shape.primitives)) {
    shape.primitives.clear();
    return shape.status = ShapeStatus::UndefinedPoint, shape;
  }
  shape.frame = FrameAround(shape.primitives, d);
  shape.status = ShapeStatus::Built;
  return shape;
}

void DrawExtensionShape(Canvas& canvas, const ExtensionDesign& design, double length) {
  const ExtensionShape shape = BuildExtensionShape(design, length);
  DrawShapeFitted(canvas, shape.primitives, shape.frame);
}

std::string ExtensionDxfText(const ExtensionDesign& design, ShapeStatus* status) {
  const ExtensionShape shape = BuildExtensionShape(design, design.FreeLength);
  if (status) *status = shape.status;
  return DxfTextOf(shape.primitives);
}

}  // namespace coilspring
