// The diagram's texts in the window's font: every text is drawn on a box of its own line, so
// two boxes that meet would cover each other's text, and a box reaching the left axis would
// cover the axis.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "core/drawing/fatigue_diagram.h"
#include "support/recording_canvas.h"
#include "ui/widgets/widgets.h"

namespace coilspring::testing {
namespace {

TEST(FatigueDiagramTexts, LifeLabelsNeitherTouchEachOtherNorTheAxis) {
  RecordingCanvas canvas(kFatigueDiagramWidth, kFatigueDiagramHeight);
  DrawFatigueDiagramBackground(canvas);
  const QFontMetrics metrics(GothicFont(12));
  const QStringList lifeLabels{"1", "2", "3", "4", "6", "10", "100", "1000", "万回"};
  std::vector<std::pair<QString, QRect>> boxes;  // each text and its line's box
  for (const Primitive& p : canvas.Texts()) {
    const QString text = QString::fromStdString(p.text);
    // Left of the axis only: the same digits stand as grid labels elsewhere.
    if (!lifeLabels.contains(text) || p.points[0].x >= 30 || p.points[0].y >= 200) continue;
    boxes.push_back({text, QRect(p.points[0].x, p.points[0].y, metrics.horizontalAdvance(text),
                                 metrics.height())});
  }
  ASSERT_EQ(boxes.size(), static_cast<std::size_t>(lifeLabels.size()));
  constexpr int kAxisFirstPixel = 29;  // the 2-pixel frame line at x = 30
  for (auto box = boxes.begin(); box != boxes.end(); ++box) {
    const std::string text = box->first.toStdString();
    EXPECT_LT(box->second.right(), kAxisFirstPixel) << text;
    EXPECT_GE(box->second.left() + 1, 0) << text;  // the ink stays on
    for (auto other = box + 1; other != boxes.end(); ++other)
      EXPECT_FALSE(box->second.intersects(other->second))
          << text << " and " << other->first.toStdString();
  }
}

}  // namespace
}  // namespace coilspring::testing
