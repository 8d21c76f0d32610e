#include "support/recording_canvas.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <ostream>
#include <utility>

namespace coilspring {

std::ostream& operator<<(std::ostream& out, const PixelPoint& p) {
  return out << '(' << p.x << ", " << p.y << ')';
}

std::ostream& operator<<(std::ostream& out, const Rgb& c) {
  return out << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ')';
}

std::ostream& operator<<(std::ostream& out, const Primitive& p) {
  static constexpr const char* kKindNames[] = {"FillRect", "Rectangle", "Line",
                                               "Arc",      "Polygon",   "Text"};
  out << kKindNames[static_cast<int>(p.kind)] << " pen " << p.pen << " width " << p.penWidth
      << " brush " << p.brush << " font " << p.font;
  for (const PixelPoint& point : p.points) out << ' ' << point;
  if (p.kind == PrimitiveKind::Text) out << " \"" << p.text << '"';
  return out;
}

void RecordingCanvas::Record(PrimitiveKind kind, std::vector<PixelPoint> points, std::string text) {
  primitives.push_back(Primitive{.kind = kind,
                                 .pen = pen_,
                                 .penWidth = penWidth_,
                                 .penStyle = penStyle_,
                                 .brush = brush_,
                                 .font = font_,
                                 .points = std::move(points),
                                 .text = std::move(text)});
}

std::vector<Primitive> RecordingCanvas::OfKind(PrimitiveKind kind) const {
  std::vector<Primitive> found;
  std::ranges::copy_if(primitives, std::back_inserter(found),
                       [kind](const Primitive& p) { return p.kind == kind; });
  return found;
}

std::vector<Primitive> RecordingCanvas::TextsEqual(std::string_view text) const {
  std::vector<Primitive> found;
  std::ranges::copy_if(primitives, std::back_inserter(found), [text](const Primitive& p) {
    return p.kind == PrimitiveKind::Text && p.text == text;
  });
  return found;
}

std::vector<std::string> RecordingCanvas::CrowdedLabels() const {
  std::vector<std::string> crowded;
  const std::vector<Primitive> texts = Texts(), lines = Lines();
  std::vector<std::array<double, 4>> boxes;  // left, top, right, bottom
  for (const Primitive& text : texts) {
    double width = 0;
    for (const unsigned char c : text.text) width += (c & 0xC0) == 0x80 ? 0 : c >= 0xE0 ? 13 : 8;
    boxes.push_back({1.0 * text.points[0].x, 1.0 * text.points[0].y, text.points[0].x + width,
                     text.points[0].y + 13.0});
    const auto [l, top, r, b] = boxes.back();
    for (std::size_t j = 0; j + 1 < boxes.size(); ++j)
      if (l < boxes[j][2] && boxes[j][0] < r && top < boxes[j][3] && boxes[j][1] < b)
        crowded.push_back(texts[j].text + ", " + text.text);
    for (const Primitive& line : lines)
      for (double f = 0; f <= 1; f += 0.01) {
        const PixelPoint p = line.points[0], q = line.points[1];
        const double x = p.x + (q.x - p.x) * f, y = p.y + (q.y - p.y) * f;
        if (x > l && x < r && y > top && y < b) {
          crowded.push_back(text.text + ", a line");
          break;
        }
      }
  }
  return crowded;
}

std::vector<Primitive> RecordingCanvas::LinesBetween(PixelPoint a, PixelPoint b) const {
  std::vector<Primitive> found;
  std::ranges::copy_if(primitives, std::back_inserter(found), [a, b](const Primitive& p) {
    if (p.kind != PrimitiveKind::Line) return false;
    return (p.points[0] == a && p.points[1] == b) || (p.points[0] == b && p.points[1] == a);
  });
  return found;
}

void RecordingCanvas::FillRect(int left, int top, int right, int bottom) {
  Record(PrimitiveKind::FillRect, {{left, top}, {right, bottom}});
}

void RecordingCanvas::Rectangle(int left, int top, int right, int bottom) {
  Record(PrimitiveKind::Rectangle, {{left, top}, {right, bottom}});
}

void RecordingCanvas::LineTo(int x, int y) {
  Record(PrimitiveKind::Line, {position_, {x, y}});
  position_ = {x, y};
}

void RecordingCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  Record(PrimitiveKind::Arc, {{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}});
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
  Record(PrimitiveKind::Polygon, {points.begin(), points.end()});
}

void RecordingCanvas::TextOut(int x, int y, std::string_view text) {
  Record(PrimitiveKind::Text, {{x, y}}, std::string(text));
}

}  // namespace coilspring
