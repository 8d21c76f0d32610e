// The other spring kinds' drawings as the program drew them when they were last looked at:
// the extension spring's side view (hooks of the coil's size, the states at one scale, left-hand
// wound), the torsion spring's views (the coil at θ2, the rod, the legend) and its moment–angle
// diagram with θ2 beyond θmax, each at 100 % and 200 %. A picture that differs is written beside
// the test program as <name>.shown.png, to be looked at and, if right, copied over the
// reference in tests/data/pictures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QString>
#include <string>

#include "support/extension_example.h"
#include "support/torsion_example.h"
#include "ui/render/pictures.h"
#include "ui/render/torsion_pictures.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

const std::string kPictures = COILSPRING_SOURCE_DIR "/tests/data/pictures/";

QImage Extension(qreal ratio, HookKind hook, bool leftHand, double ExtensionDesign::*length) {
  ExtensionDesign r = WorkedExtensionResults();
  r.HookKind = hook;
  r.LeftHand = leftHand;
  ExtensionShapePicture picture(ratio);
  picture.Show(r, r.*length);
  return picture.Image();
}

TorsionDesign Torsion(void (*change)(TorsionDesign&)) {
  MaterialTable materials;
  TorsionDesign t;
  SetUpTorsionExample(materials, t);
  change(t);
  CalculateTorsion(t, materials);
  return t;
}

const struct Case {
  const char* name;
  QImage (*draw)(qreal ratio);
} kCases[] = {
    {"extension_round_free",
     [](qreal q) { return Extension(q, HookKind::Round, false, &ExtensionDesign::FreeLength); }},
    {"extension_round_l2",
     [](qreal q) { return Extension(q, HookKind::Round, false, &ExtensionDesign::Length2); }},
    {"extension_half_left_l1",
     [](qreal q) { return Extension(q, HookKind::HalfRound, true, &ExtensionDesign::Length1); }},
    {"extension_u_free",
     [](qreal q) { return Extension(q, HookKind::U, false, &ExtensionDesign::FreeLength); }},
    {"torsion_views_rod",
     [](qreal q) {
       return TorsionViewsImage(Torsion([](TorsionDesign& t) { t.Rod = 12; }),
                                {kTorsionViewsWidth, kTorsionViewsHeight}, q);
     }},
    {"torsion_views_left",
     [](qreal q) {
       return TorsionViewsImage(Torsion([](TorsionDesign& t) { t.LeftHand = true; }),
                                {kTorsionViewsWidth, kTorsionViewsHeight}, q);
     }},
    {"torsion_moment_beyond_max",
     [](qreal q) {
       return MomentDiagramImage(Torsion([](TorsionDesign& t) { t.Angle2 = 118; }),
                                 UnitSystem::Gravitational, q);
     }},
};

TEST(KindPictures, EachDrawingAsBeforeAtBothScales) {
  const QFont saved = QApplication::font();
  QApplication::setFont(GothicFont(12));
  for (const Case& c : kCases) {
    for (const int percent : {100, 200}) {
      const std::string name = c.name + std::string(percent == 100 ? "" : "@2x");
      SCOPED_TRACE(name);
      const QImage shown = c.draw(percent / 100.0).convertToFormat(QImage::Format_RGB32);
      const QImage before = QImage(QString::fromStdString(kPictures + name + ".png"))
                                .convertToFormat(QImage::Format_RGB32);
      EXPECT_EQ(shown.size(), before.size());
      const bool same = shown.size() == before.size() && shown == before;
      EXPECT_TRUE(same);
      if (!same) shown.save(QString::fromStdString(name + ".shown.png"));
    }
  }
  QApplication::setFont(saved);
}

}  // namespace
}  // namespace coilspring
