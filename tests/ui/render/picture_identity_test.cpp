// The pictures keep their image from one design to the next and redraw only what changes; every
// pixel must still be the one the program drew when it made each picture afresh. The reference
// PNGs in tests/data/pictures were made that way, by the picture command, from record 0 of the
// design file of the same name. One picture object shows all designs in turn, in an order where
// each follows a design whose square or drawing it must not keep.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QSet>
#include <QString>
#include <string>

#include "core/compression/calculate_cycle.h"
#include "core/compression/calculator_state.h"
#include "core/records/coefficient_settings.h"
#include "core/records/file_io.h"
#include "ui/render/pictures.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

const std::string kPictures = COILSPRING_SOURCE_DIR "/tests/data/pictures/";

// A design file's record 0, recalculated with the program's data files as the picture command
// does it.
CalculatorState Recalculated(const std::string& design) {
  CalculatorState state;
  ReadRecordFile(kPictures + design + ".abd", state.design);
  ReadRecordFile(std::string(COILSPRING_BIN_DIR "/") + kMaterialFileName, state.EditMaterials());
  ReadRecordFile(std::string(COILSPRING_BIN_DIR "/") + kSettingsFileName, state.settings);
  state.kinds = BuildKindIndex(state.materials());
  RecalculateDesign(state, 0, DesignInputs::FromRecord);
  return state;
}

QString Hex(QRgb p) { return QStringLiteral("#%1").arg(p & 0xFFFFFF, 6, 16, QLatin1Char('0')); }

::testing::AssertionResult SamePixels(const QImage& shown, const std::string& reference) {
  const QImage before(QString::fromStdString(kPictures + reference));
  if (before.isNull()) return ::testing::AssertionFailure() << "cannot read " << reference;
  if (shown.size() != before.size())
    return ::testing::AssertionFailure()
           << reference << ": " << shown.width() << "x" << shown.height() << " against "
           << before.width() << "x" << before.height();
  const QImage a = shown.convertToFormat(QImage::Format_RGB32);
  const QImage b = before.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        return ::testing::AssertionFailure() << reference << ": first difference at (" << x << ", "
                                             << y << "): shown " << Hex(a.pixel(x, y)).toStdString()
                                             << ", before " << Hex(b.pixel(x, y)).toStdString();
  return ::testing::AssertionSuccess();
}

// The references carry the window's font, which the picture command takes with the window's
// look (ApplyApplicationLook); the style plays no part in an image. The diagram's lines and
// texts are drawn once per process, so the font must be in place before the first diagram is
// made: CTest runs each test in a process of its own.
class PictureIdentity : public ::testing::Test {
 protected:
  void SetUp() override { QApplication::setFont(GothicFont(12)); }
  void TearDown() override { QApplication::setFont(saved_); }

 private:
  QFont saved_ = QApplication::font();
};

TEST_F(PictureIdentity, FatigueDiagramShowsEachDesignAsBefore) {
  const char* const designs[] = {
      "worked",             // the square held at the origin
      "negative_stresses",  // both coefficients negative: the square reaches the picture's corner
      "nan_everywhere",     // undefined coefficients: no square at all
      "left_of_axis",       // the square left of the vertical axis
      "loads_mode",         // above the diagram: no square
      "sixty_turns",        // a square inside the plot
      "worked",             // back to the first
  };
  FatigueDiagramPicture picture;
  for (const char* design : designs) {
    const CalculatorState state = Recalculated(design);
    picture.Show(state.design[0], state.materials());
    EXPECT_TRUE(SamePixels(picture.Image(), std::string(design) + ".diag.png"));
  }
}

TEST_F(PictureIdentity, SpringShapeShowsEachDesignAsBefore) {
  const struct {
    const char* design;
    double DesignRecord::*length;
    const char* reference;
  } cases[] = {
      {"worked", &DesignRecord::FreeLength, "worked.free.png"},  // closed ends
      {"sixty_turns", &DesignRecord::Length2, "sixty_turns.l2.png"},
      {"zero", &DesignRecord::FreeLength, "zero.free.png"},  // refused: a white picture
      {"open_ground_ends", &DesignRecord::FreeLength, "open_ground_ends.free.png"},
      {"left_of_axis", &DesignRecord::FreeLength, "left_of_axis.free.png"},  // closed, ground
      {"loads_mode", &DesignRecord::FreeLength, "loads_mode.free.png"},      // open ends
      {"zero", &DesignRecord::FreeLength, "zero.free.png"},
  };
  SpringShapePicture picture;
  for (const auto& c : cases) {
    const CalculatorState state = Recalculated(c.design);
    picture.Show(state.design[0], state.design[0].*c.length);
    EXPECT_TRUE(SamePixels(picture.Image(), c.reference));
  }
}

// On a high-DPI screen the pictures are drawn with twice the pixels, not enlarged: every colour
// is still one of the drawing's own (no blending), the picture is not the old one with its
// pixels doubled, and it is the same drawing in the same place (nearly every old pixel is among
// the four that now cover it; glyphs are drawn anew at the finer size, so not quite all).
::testing::AssertionResult FinerDrawingOf(const QImage& fine, const std::string& reference) {
  const QImage coarse =
      QImage(QString::fromStdString(kPictures + reference)).convertToFormat(QImage::Format_RGB32);
  const QImage a = fine.convertToFormat(QImage::Format_RGB32);
  if (a.size() != coarse.size() * 2 || fine.devicePixelRatio() != 2)
    return ::testing::AssertionFailure() << reference << ": not twice the pixels at ratio 2";
  QSet<QRgb> colours;
  for (int y = 0; y < coarse.height(); ++y)
    for (int x = 0; x < coarse.width(); ++x) colours.insert(coarse.pixel(x, y));
  int found = 0;
  bool doubled = true;
  for (int y = 0; y < coarse.height(); ++y) {
    for (int x = 0; x < coarse.width(); ++x) {
      bool among = false;
      for (const QPoint p : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y),
                             QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1)}) {
        const QRgb pixel = a.pixel(p);
        if (!colours.contains(pixel))
          return ::testing::AssertionFailure()
                 << reference << ": blended colour " << Hex(pixel).toStdString() << " at " << p.x()
                 << ", " << p.y();
        among = among || pixel == coarse.pixel(x, y);
        doubled = doubled && pixel == coarse.pixel(x, y);
      }
      found += among;
    }
  }
  if (doubled) return ::testing::AssertionFailure() << reference << ": only enlarged";
  const int pixels = coarse.width() * coarse.height();
  if (found < pixels - pixels / 100)
    return ::testing::AssertionFailure()
           << reference << ": " << pixels - found << " of " << pixels << " pixels moved";
  return ::testing::AssertionSuccess();
}

TEST_F(PictureIdentity, OnAHighDpiScreenThePicturesAreDrawnFinerNotEnlarged) {
  const CalculatorState sixty = Recalculated("sixty_turns");
  const CalculatorState worked = Recalculated("worked");
  FatigueDiagramPicture diagram(2);
  diagram.Show(sixty.design[0], sixty.materials());
  EXPECT_TRUE(FinerDrawingOf(diagram.Image(), "sixty_turns.diag.png"));
  SpringShapePicture shape(2);
  shape.Show(sixty.design[0], sixty.design[0].Length2);
  EXPECT_TRUE(FinerDrawingOf(shape.Image(), "sixty_turns.l2.png"));

  // Moving the square clears every finer pixel of the old one, at a fractional ratio too.
  for (const qreal ratio : {2.0, 1.25}) {
    FatigueDiagramPicture moved(ratio);
    moved.Show(sixty.design[0], sixty.materials());
    moved.Show(worked.design[0], worked.materials());
    FatigueDiagramPicture fresh(ratio);
    fresh.Show(worked.design[0], worked.materials());
    EXPECT_EQ(moved.Image(), fresh.Image()) << ratio;
  }
}

}  // namespace
}  // namespace coilspring
