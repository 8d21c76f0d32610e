#include "core/drawing/illustration.h"

#include <array>
#include <cmath>

namespace coilspring {
namespace {

using namespace illustration;

constexpr int kArrowLength = 7;
constexpr int kArrowHalfWidth = 3;

// Filled arrowhead whose tip is at (x, y), pointing along (dx, dy), a unit axis direction.
void ArrowHead(Canvas& c, int x, int y, int dx, int dy) {
  const int backX = x - dx * kArrowLength;
  const int backY = y - dy * kArrowLength;
  const std::array<PixelPoint, 3> head{{
      {x, y},
      {backX - dy * kArrowHalfWidth, backY - dx * kArrowHalfWidth},
      {backX + dy * kArrowHalfWidth, backY + dx * kArrowHalfWidth},
  }};
  c.Polygon(head);
}

}  // namespace

void illustration::Line(Canvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

void illustration::HorizontalDimension(Canvas& c, int left, int right, int y) {
  Line(c, left, y, right, y);
  ArrowHead(c, left, y, -1, 0);
  ArrowHead(c, right, y, 1, 0);
}

void illustration::VerticalDimension(Canvas& c, int x, int top, int bottom) {
  Line(c, x, top, x, bottom);
  ArrowHead(c, x, top, 0, -1);
  ArrowHead(c, x, bottom, 0, 1);
}

}  // namespace coilspring
