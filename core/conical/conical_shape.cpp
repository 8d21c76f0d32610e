#include "core/conical/conical_shape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/calc/coil_formulas.h"
#include "core/conical/conical_calc.h"
#include "core/drawing/dxf_writer.h"
#include "core/drawing/wire_path.h"

namespace coilspring {

namespace {

// The wire's centre line: the axial position and the mean radius at wire angle θ (radians from
// the small end), for a spring closed as far as P/(G·J) = `loadPerStiffness` closes it.
class CentreLine {
 public:
  CentreLine(const ConicalDesign& r, double loadPerStiffness, double openRadius)
      : d_(r.WireDiameter),
        R1_(r.SmallMean / 2),
        R2_(r.LargeMean / 2),
        pitch_(r.Pitch),
        endAngle_(kPi * (r.TotalTurns - r.ActiveTurns)),
        activeAngle_(2 * kPi * r.ActiveTurns),
        slope_((R2_ - R1_) / activeAngle_),
        load_(loadPerStiffness),
        capacity_((r.Pitch - d_) / (2 * kPi)) {
    // Where the active coils turn from open to closed: R(φ) = Rb.
    closesAt_ = slope_ > 0 ? std::clamp((openRadius - R1_) / slope_, 0.0, activeAngle_)
                           : (load_ * R1_ * R1_ * R1_ < capacity_ ? activeAngle_ : 0);
  }

  double Radius(double theta) const {
    return R1_ + slope_ * std::clamp(theta - endAngle_, 0.0, activeAngle_);
  }
  double Axial(double theta) const {
    const double phi = std::clamp(theta - endAngle_, 0.0, activeAngle_);
    const double closedPitch = d_ / (2 * kPi);
    return d_ / 2 + closedPitch * (theta - phi) + pitch_ / (2 * kPi) * phi - Closed(phi);
  }

 private:
  // ∫ min(P·R³/(G·J), c) dφ over the active coils up to φ.
  double Closed(double phi) const {
    const double open = std::min(phi, closesAt_);
    double closed;
    if (slope_ > 0) {
      const double R = R1_ + slope_ * open;
      closed = load_ * (R * R * R * R - R1_ * R1_ * R1_ * R1_) / (4 * slope_);
    } else {
      closed = load_ * R1_ * R1_ * R1_ * open;
    }
    return closed + capacity_ * (phi - open);
  }

  double d_, R1_, R2_, pitch_, endAngle_, activeAngle_, slope_, load_, capacity_;
  double closesAt_ = 0;
};

bool Finite(double v) { return std::isfinite(v); }

}  // namespace

ConicalShape BuildConicalShape(const ConicalDesign& r, double length) {
  ConicalShape shape;
  const double d = r.WireDiameter;
  for (const double v : {d, r.SmallMean, r.LargeMean, r.TotalTurns, r.ActiveTurns, r.Pitch,
                         r.FreeLength, r.SolidHeight, length})
    if (!Finite(v)) return shape;
  if (!(d > 0)) return shape.status = ShapeStatus::NoWire, shape;
  if (!(r.SmallMean > 0) || !(r.LargeMean >= r.SmallMean))
    return shape.status = ShapeStatus::NoCoil, shape;
  if (!(r.SmallMean > d)) return shape.status = ShapeStatus::WireFillsCoil, shape;
  const double bands = std::floor(r.TotalTurns);
  if (bands > kMaxBodyTurns) return shape.status = ShapeStatus::TooManyTurns, shape;
  if (!(bands >= 1) || !(r.ActiveTurns > 0) || !(r.ActiveTurns <= r.TotalTurns) ||
      !(r.FreeLength >= r.SolidHeight))
    return shape.status = ShapeStatus::NoBodyLength, shape;

  // Any G·J gives the same view: take 1, so loads read as P/(G·J).
  const ConicalCurve curve(1, d, r.SmallMean / 2, r.LargeMean / 2, r.ActiveTurns, r.Pitch);
  const double load = curve.LoadAt(r.FreeLength - length);
  const CentreLine wire(r, load / (kPi * d * d * d * d / 32), curve.OpenRadius(load));
  shape.length = std::max(length, r.SolidHeight);

  const double h = d / 2;
  shape.primitives.reserve(4 * static_cast<std::size_t>(bands));
  for (int j = 0; j < static_cast<int>(bands); ++j) {
    const double a = 2 * kPi * j, b = a + kPi;
    const ModelPoint top{wire.Axial(a), wire.Radius(a)};
    const ModelPoint bottom{wire.Axial(b), -wire.Radius(b)};
    shape.primitives.push_back(ShapeLine{{top.x - h, top.y}, {bottom.x - h, bottom.y}});
    shape.primitives.push_back(ShapeLine{{top.x + h, top.y}, {bottom.x + h, bottom.y}});
    shape.primitives.push_back(ShapeArc{
        top, h, {top.x + h, top.y}, {top.x - h, top.y}, ArcAngle::Toward(), ArcAngle::Toward()});
    shape.primitives.push_back(ShapeArc{bottom,
                                        h,
                                        {bottom.x - h, bottom.y},
                                        {bottom.x + h, bottom.y},
                                        ArcAngle::Toward(),
                                        ArcAngle::Toward(360)});
  }
  if (r.LeftHand) ReflectAcross(shape.primitives, 0);
  if (!AllPrimitivesFinite(shape.primitives)) {
    shape.primitives.clear();
    return shape.status = ShapeStatus::UndefinedPoint, shape;
  }
  shape.frame = FrameAround(shape.primitives, d);
  shape.status = ShapeStatus::Built;
  return shape;
}

void DrawConicalShape(Canvas& canvas, const ConicalDesign& design, double length) {
  const ConicalShape shape = BuildConicalShape(design, length);
  // Every state is drawn in the frame of the free spring, its longest, when that can be drawn:
  // the small end stays put, so the states differ only where the coils close.
  const ConicalShape free = BuildConicalShape(design, design.FreeLength);
  const bool shared = free.status == ShapeStatus::Built && free.frame.L > shape.frame.L;
  DrawShapeFitted(canvas, shape.primitives, shared ? free.frame : shape.frame);
}

std::string ConicalDxfText(const ConicalDesign& design, ShapeStatus* status) {
  const std::array<double, 3> lengths = {design.FreeLength, design.Length1, design.Length2};
  std::array<DxfStateShape, 3> states;
  for (std::size_t i = 0; i < states.size(); ++i) {
    ConicalShape shape = BuildConicalShape(design, lengths[i]);
    if (i == 0 && status) *status = shape.status;
    states[i] = {shape.status == ShapeStatus::Built, std::move(shape.primitives), shape.frame};
  }
  // Each state a large coil and a half below the one before.
  return StatesDxfText(std::move(states), 1.5 * (design.LargeMean + design.WireDiameter),
                       design.WireDiameter);
}

}  // namespace coilspring

namespace coilspring {

ConicalWire ConicalWireAt(const ConicalDesign& r, double length,
                          const std::vector<double>& angles) {
  ConicalWire out;
  out.status = BuildConicalShape(r, length).status;
  if (out.status != ShapeStatus::Built) return out;
  const double d = r.WireDiameter;
  const ConicalCurve curve(1, d, r.SmallMean / 2, r.LargeMean / 2, r.ActiveTurns, r.Pitch);
  const double load = curve.LoadAt(r.FreeLength - length);
  const CentreLine wire(r, load / (kPi * d * d * d * d / 32), curve.OpenRadius(load));
  out.points.reserve(angles.size());
  for (const double a : angles) out.points.push_back({wire.Axial(a), wire.Radius(a)});
  return out;
}

}  // namespace coilspring
