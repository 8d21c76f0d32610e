// The illustration as it reaches the screen and the printed sheet: crisp blue on white, with
// the places of the sheet's labels left blank.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "core/compression/illustration.h"
#include "core/drawing/illustration.h"
#include "core/output/data_sheet.h"
#include "ui/render/qt_canvas.h"

namespace coilspring {
namespace {

QImage Rendered() {
  QImage image = QtCanvas::MakeImage(illustration::kWidth, illustration::kHeight);
  QtCanvas canvas(image);
  DrawSpringIllustration(canvas);
  return image;
}

TEST(IllustrationRender, OnlyPureBlueOnWhite) {
  const QImage image = Rendered();
  ASSERT_EQ(image.size(), QSize(360, 200));
  int blue = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      ASSERT_TRUE(p == qRgb(255, 255, 255) || p == qRgb(0, 0, 255)) << x << "," << y;
      if (p == qRgb(0, 0, 255)) ++blue;
    }
  }
  // Line art, not a filled picture and not an empty one.
  EXPECT_GT(blue, 1500);
  EXPECT_LT(blue, 360 * 200 / 5);
}

TEST(IllustrationRender, SheetLabelPlacesStayWhite) {
  const QImage image = Rendered();
  // Each label is 19 pixels high; check the first 100 pixels of its width (cut at the picture).
  for (const SheetPlace& label : kDataSheetLabelPlaces) {
    const int left = label.left - kDataSheetPicturePlace.left;
    const int top = label.top - kDataSheetPicturePlace.top;
    for (int y = top; y < top + 19; ++y)
      for (int x = left; x < std::min(left + 100, image.width()); ++x)
        ASSERT_EQ(image.pixel(x, y), qRgb(255, 255, 255)) << label.left << "," << label.top;
  }
}

TEST(IllustrationRender, EveryLengthArrowIsDrawnUnderItsLabel) {
  const QImage image = Rendered();
  // Below each of Label1..Label3 a blue horizontal line runs under the whole label start.
  for (int i = 0; i < 3; ++i) {
    const SheetPlace& label = kDataSheetLabelPlaces[i];
    const int left = label.left - kDataSheetPicturePlace.left;
    const int below = label.top - kDataSheetPicturePlace.top + 19;
    bool found = false;
    for (int y = below; y < below + 8 && !found; ++y) {
      bool run = true;
      for (int x = left; x < left + 60; ++x) run = run && image.pixel(x, y) == qRgb(0, 0, 255);
      found = run;
    }
    EXPECT_TRUE(found) << "Label" << i + 1;
  }
}

}  // namespace
}  // namespace coilspring
