// The kinds' drawings, illustrations and drawn data sheets as last approved, at 100 % and 200 %
// (tests/data/pictures; a picture that differs is written beside the test program as
// <name>.shown.png to look at).
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include "core/conical/conical_calc.h"
#include "core/conical/conical_illustration.h"
#include "core/extension/extension_illustration.h"
#include "core/torsion/torsion_illustration.h"
#include "support/extension_example.h"
#include "support/torsion_example.h"
#include "ui/render/pictures.h"
#include "ui/render/qt_canvas.h"
#include "ui/render/torsion_pictures.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

// `value`: the extension's or conical's state (0 free, 1 L1, 2 L2), the torsion rod, θ2 or L2.
enum class Drawing {
  Extension,
  TorsionViews,
  MomentDiagram,
  Sheet,
  Conical,
  LoadCurve,
  Illustration
};
const struct Case {
  const char* name;
  Drawing drawing;
  bool leftHand;
  double value;
  HookKind hook = HookKind::Round;
  void (*illustration)(Canvas&) = nullptr;
} kCases[] = {
    {"extension_round_free", Drawing::Extension, false, 0},
    {"extension_round_l2", Drawing::Extension, false, 2},
    {"extension_half_left_l1", Drawing::Extension, true, 1, HookKind::HalfRound},
    {"torsion_views_rod", Drawing::TorsionViews, false, 12},
    {"torsion_moment_beyond_max", Drawing::MomentDiagram, false, 118},
    {"torsion_sheet", Drawing::Sheet, false, 60},
    {"extension_illustration", Drawing::Illustration, false, 0, {}, DrawExtensionIllustration},
    {"torsion_illustration", Drawing::Illustration, false, 0, {}, DrawTorsionIllustration},
    {"conical_illustration", Drawing::Illustration, false, 0, {}, DrawConicalPanelIllustration},
    {"conical_free", Drawing::Conical, false, 0},
    {"conical_left_l2", Drawing::Conical, true, 2},
    {"conical_curve_near_contact", Drawing::LoadCurve, false, 13.6},
};

QImage Draw(const Case& c, qreal ratio) {
  if (c.drawing == Drawing::Illustration)
    return QtCanvas::Drawing(illustration::kWidth, illustration::kHeight, ratio, c.illustration);
  if (c.drawing == Drawing::Extension) {
    ExtensionDesign r = WorkedExtensionResults();
    r.HookKind = c.hook;
    r.LeftHand = c.leftHand;
    ExtensionShapePicture picture(ratio);
    picture.Show(r, std::array{r.FreeLength, r.Length1, r.Length2}[static_cast<int>(c.value)]);
    return picture.Image();
  }
  if (c.drawing >= Drawing::Conical) {
    ConicalDesign r;  // d 1, D 8 to 14, 7 turns, L0 20, L1 16, L2 12
    r.LeftHand = c.leftHand;
    r.Length2 = c.drawing == Drawing::LoadCurve ? c.value : r.Length2;
    CalculateConical(r, ExtensionExampleMaterial(), ShippedSettings());
    if (c.drawing == Drawing::LoadCurve)
      return LoadCurveImage(r, ExtensionExampleMaterial(), UnitSystem::Gravitational, ratio);
    return ConicalShapeImage(r, std::array{r.FreeLength, r.Length1, r.Length2}[int(c.value)],
                             ratio);
  }
  MaterialTable materials;
  TorsionDesign t;
  SetUpTorsionExample(materials, t);
  t.LeftHand = c.leftHand;
  (c.drawing == Drawing::TorsionViews ? t.Rod.emplace() : t.Angle2) = c.value;
  CalculateTorsion(t, materials);
  if (c.drawing == Drawing::MomentDiagram)
    return MomentDiagramImage(t, UnitSystem::Gravitational, ratio);
  if (c.drawing == Drawing::Sheet) {
    TorsionSheetPage page(t, TorsionSheetRows(t, materials));
    QImage image(page.PageSize() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    page.Paint(painter);
    return image;
  }
  return TorsionViewsImage(t, {kTorsionViewsWidth, kTorsionViewsHeight}, ratio);
}

TEST(KindPictures, EachDrawingAsBeforeAtBothScales) {
  const QFont saved = QApplication::font();
  QApplication::setFont(GothicFont(12));  // the window's, as the references were made with
  for (const Case& c : kCases)
    for (const char* scale : {"", "@2x"}) {
      const QString name = QString::fromUtf8(c.name) + scale;
      const QImage shown = Draw(c, *scale ? 2 : 1).convertToFormat(QImage::Format_RGB32);
      const QImage before(COILSPRING_SOURCE_DIR "/tests/data/pictures/" + name + ".png");
      const bool same = shown == before.convertToFormat(QImage::Format_RGB32);
      if (!same) shown.save(name + ".shown.png");
      EXPECT_TRUE(same) << name.toStdString();
    }
  QApplication::setFont(saved);
}

}  // namespace
}  // namespace coilspring
