#include "ui/render/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle ToQtStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dash:
      return Qt::DashLine;
    case PenStyle::Dot:
      return Qt::DotLine;
    case PenStyle::Solid:
      break;
  }
  return Qt::SolidLine;
}

// Direction of the ray from the centre through (px, py) as a parametric angle of the ellipse
// with half axes a, b, in degrees counter-clockwise on screen. Qt measures arc angles on the
// ellipse's parameter, so the ray's own angle is mapped to the point where it meets the curve.
double RayAngle(double cx, double cy, double a, double b, double px, double py) {
  const double dx = px - cx;
  const double dy = cy - py;  // screen y grows downwards
  const double radians = (a > 0 && b > 0) ? std::atan2(dy * a, dx * b) : std::atan2(dy, dx);
  return radians * 180 / std::numbers::pi;
}

int SixteenthDegrees(double degrees) { return static_cast<int>(std::lround(degrees * 16)); }

}  // namespace

QtCanvas::QtCanvas(QImage& image)
    : QtCanvas(static_cast<QPaintDevice&>(image), LogicalSize(image)) {}

QtCanvas::QtCanvas(QWidget& widget, QSize size)
    : QtCanvas(static_cast<QPaintDevice&>(widget), size) {}

QtCanvas::QtCanvas(QPaintDevice& device, QSize size) : size_(size), painter_(&device) {
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  SetFont(font_);
}

void QtCanvas::SetFont(const QFont& font) {
  font_ = font;
  // Crisp glyphs in exactly the font colour, like the rest of the canvas.
  QFont crisp = font;
  crisp.setStyleStrategy(QFont::NoAntialias);
  painter_.setFont(crisp);
}

QImage QtCanvas::MakeImage(int width, int height, qreal pixelRatio) {
  // Fewer pixels than the drawing's own would lose lines; a screen that small gets them scaled.
  pixelRatio = std::max(pixelRatio, qreal(1));
  const auto pixels = [pixelRatio](int size) {
    return static_cast<int>(std::ceil(std::max(size, 1) * pixelRatio));
  };
  QImage image(pixels(width), pixels(height), QImage::Format_RGB32);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::white);
  return image;
}

QImage QtCanvas::Drawing(int width, int height, qreal pixelRatio,
                         const std::function<void(Canvas&)>& draw) {
  QImage image = MakeImage(width, height, pixelRatio);
  {
    QtCanvas canvas(image);  // its painter ends before the image is handed on
    draw(canvas);
  }
  return image;
}

QSize QtCanvas::LogicalSize(const QImage& image) {
  // MakeImage rounds the pixels up, by less than one pixel: dropping the fraction gives the size
  // back at any ratio of 1 or more.
  const qreal ratio = image.devicePixelRatio();
  return {static_cast<int>(image.width() / ratio), static_cast<int>(image.height() / ratio)};
}

void QtCanvas::Prepare(bool withPen, bool withBrush) {
  if (withPen) {
    // A one-pixel pen leaves out a line's last pixel, so consecutive line segments meet
    // without overdrawing; wider pens get round ends and joins that close the corners.
    const bool thin = penWidth_ <= 1;
    painter_.setPen(QPen(ToQColor(pen_), std::max(penWidth_, 1), ToQtStyle(penStyle_),
                         thin ? Qt::FlatCap : Qt::RoundCap, thin ? Qt::MiterJoin : Qt::RoundJoin));
  } else {
    painter_.setPen(Qt::NoPen);
  }
  painter_.setBrush(withBrush ? QBrush(ToQColor(brush_)) : QBrush(Qt::NoBrush));
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return;
  Prepare(false, true);
  painter_.fillRect(QRect(left, top, right - left, bottom - top), ToQColor(brush_));
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
  const int l = std::min(left, right), r = std::max(left, right);
  const int t = std::min(top, bottom), b = std::max(top, bottom);
  if (r - l < 1 || b - t < 1) return;
  FillRect(l, t, r, b);
  Prepare(true, false);
  // Outline through the outermost pixels of [l, r) x [t, b).
  painter_.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

void QtCanvas::LineTo(int x, int y) {
  Prepare(true, false);
  painter_.drawLine(QPoint(position_.x, position_.y), QPoint(x, y));
  position_ = {x, y};
}

void QtCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const int l = std::min(x1, x2), r = std::max(x1, x2);
  const int t = std::min(y1, y2), b = std::max(y1, y2);
  if (r - l < 1 || b - t < 1) return;
  // The ellipse runs through the centres of the outermost pixels of [l, r) x [t, b), so it
  // covers exactly the pixels the rectangle's outline covers.
  const QRectF box(l + 0.5, t + 0.5, r - l - 1, b - t - 1);
  const QPointF c = box.center();
  const double a = box.width() / 2, bb = box.height() / 2;
  const double start = RayAngle(c.x(), c.y(), a, bb, x3, y3);
  const double end = RayAngle(c.x(), c.y(), a, bb, x4, y4);
  double span = std::fmod(end - start, 360.0);
  if (span <= 0) span += 360;  // equal rays: the whole ellipse
  Prepare(true, false);
  painter_.drawArc(box, SixteenthDegrees(start), SixteenthDegrees(span));
}

void QtCanvas::Polygon(std::span<const PixelPoint> points) {
  if (points.empty()) return;
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const PixelPoint& p : points) polygon << QPoint(p.x, p.y);
  Prepare(true, true);
  painter_.drawPolygon(polygon);
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  const QString s = Utf8(text);
  Prepare(false, true);
  const QFontMetrics metrics = painter_.fontMetrics();
  painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(brush_));
  painter_.setPen(ToQColor(fontColour_));
  painter_.drawText(QPoint(x, y + metrics.ascent()), s);
}

}  // namespace coilspring
