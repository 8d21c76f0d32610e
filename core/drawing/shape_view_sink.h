// The side view on the picture: the construction's primitives mapped to pixels at one uniform
// scale that fits the spring into the picture.
#pragma once

#include <optional>
#include <span>

#include "core/drawing/canvas.h"
#include "core/drawing/shape_primitives.h"

namespace coilspring {

// Model-to-pixel mapping: X = Round((x - x0)·q), Y = Round((Hv - (y - y0))·q).
struct ShapeView {
  double x0 = 0, y0 = 0;
  double Hv = 0;  // height of the view in model units
  double q = 0;   // pixels per millimetre
};

// The largest scale at which a box of 1.2·L by 1.1·(D + d) centred on (cx, cy) fits a picture
// of width × height pixels; nothing when that scale is not a finite positive number.
std::optional<ShapeView> FitShapeView(int width, int height, double cx, double cy, double L,
                                      double D, double d);

// Draws on the canvas with the current pen. Lines are clipped to the picture widened by
// kClipMargin pixels on every side and arcs reaching beyond that are left out (a valid arc is
// smaller than the picture, so such an arc lies wholly outside it): whatever the construction
// computes, the canvas never sees a coordinate far outside the picture.
class ShapeViewSink : public ShapeSink {
 public:
  static constexpr double kClipMargin = 4096;

  ShapeViewSink(Canvas& canvas, const ShapeView& view);
  void Line(const ShapeLine& line) override;
  void Arc(const ShapeArc& arc) override;

 private:
  struct Pixel {
    double x, y;
  };
  Pixel Map(ModelPoint p) const;
  bool InsideWindow(Pixel p) const;

  Canvas& canvas_;
  ShapeView view_;
  double left_, top_, right_, bottom_;  // the clip window in pixels
};

// The box a side view is fitted by (see FitShapeView).
struct ShapeFrame {
  double cx = 0, cy = 0, L = 0, D = 0, d = 0;
};
// The box of every line end and every arc's circle, as the frame of a wire `d` thick.
ShapeFrame FrameAround(std::span<const ShapePrimitive> primitives, double d);
// Clears the picture to white and draws the primitives in a 1-pixel red pen, fitted by `frame`.
void DrawShapeFitted(Canvas& canvas, std::span<const ShapePrimitive> primitives,
                     const ShapeFrame& frame);

}  // namespace coilspring
