// Each kind window's length, load, leg, angle and diameter boxes lie on the line art of its
// illustration, at the places the kind's illustration names, as the main window's do.
#include <QLineEdit>

#include "core/conical/conical_illustration.h"
#include "core/extension/extension_illustration.h"
#include "core/torsion/torsion_illustration.h"
#include "support/spring_window_fixture.h"
#include "ui/dialogs/spring_kind_window.h"
#include "ui/render/picture_views.h"

namespace coilspring::testing {
namespace {

struct BoxPlace {
  const char* box;
  PixelPoint place;
};

struct PanelRow {
  const char* menu;
  SpringKind kind;
  const char* picture;
  std::vector<BoxPlace> boxes;
};

void PrintTo(const PanelRow& row, std::ostream* os) { *os << row.picture; }

namespace e = extension_illustration;
namespace t = torsion_illustration;
namespace c = conical_illustration;
const PanelRow kPanels[] = {
    {"ExtensionMenu",
     SpringKind::Extension,
     "extensionIllustration",
     {{"freeLengthEdit", e::kFreeLength},
      {"length1Edit", e::kLength1},
      {"length2Edit", e::kLength2},
      {"load1Edit", e::kLoad1},
      {"load2Edit", e::kLoad2},
      {"diameterEdit", e::kDiameter}}},
    {"TorsionMenu",
     SpringKind::Torsion,
     "torsionIllustration",
     {{"TorsionLeg1", t::kLeg1},
      {"TorsionLeg2", t::kLeg2},
      {"TorsionPoint1", t::kPoint1},
      {"TorsionPoint2", t::kPoint2},
      {"diameterEdit", t::kDiameter}}},
    {"ConicalMenu",
     SpringKind::Conical,
     "conicalIllustration",
     {{"freeLengthEdit", c::kFreeLength},
      {"length1Edit", c::kLength1},
      {"length2Edit", c::kLength2},
      {"load1Edit", c::kLoad1},
      {"load2Edit", c::kLoad2},
      {"diameterEdit", c::kSmallDiameter},
      {"largeDiameterEdit", c::kLargeDiameter}}},
};

class IllustrationPanelTest : public SpringWindowTest<SpringKindWindowBase>,
                              public ::testing::WithParamInterface<PanelRow> {
 protected:
  void SetUp() override { Open(GetParam().menu, GetParam().kind); }
};

bool Blue(QRgb pixel) { return qBlue(pixel) > 200 && qRed(pixel) < 100 && qGreen(pixel) < 100; }

// A box lies on its dimension: on the picture, over its named place, over blue line art (a load
// box just beyond its leader's end), and clear of every other box.
TEST_P(IllustrationPanelTest, EachBoxLiesOnItsDimensionLine) {
  spring->show();
  auto* picture = part<IllustrationView>(GetParam().picture);
  const QImage art = picture->grab().toImage();
  std::vector<QRect> taken;
  for (const BoxPlace& b : GetParam().boxes) {
    SCOPED_TRACE(b.box);
    QLineEdit* box = part<QLineEdit>(b.box);
    ASSERT_EQ(box->parentWidget(), picture->parentWidget());
    const QRect at = box->geometry();
    EXPECT_TRUE(picture->geometry().contains(at));
    EXPECT_TRUE(at.contains(b.place.x, b.place.y));
    bool onLine = false;
    const QRect under = at.adjusted(-8, 0, 0, 0).intersected(art.rect());
    for (int y = under.top(); y <= under.bottom(); ++y)
      for (int x = under.left(); x <= under.right(); ++x) onLine = onLine || Blue(art.pixel(x, y));
    EXPECT_TRUE(onLine);
    for (const QRect& other : taken) EXPECT_FALSE(other.intersects(at));
    taken.push_back(at);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, IllustrationPanelTest, ::testing::ValuesIn(kPanels));

}  // namespace
}  // namespace coilspring::testing
