#include "ui/widgets/coil_inputs_box.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "core/text/user_error.h"
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

// The fixture's materials: kind 0 holds SWP-A (record 0), SWP-B (1) and SWP-V (5), kind 1 the
// two stainless wires (2, 3).
struct CoilBox : ::testing::Test {
  MaterialTable materials = FixtureMaterials();
  KindIndex kinds = BuildKindIndex(materials);
  CoilInputsBox box{materials, kinds};
  template <class W>
  W* child(const char* name) {
    return box.findChild<W*>(QString::fromLatin1(name));
  }
};

TEST_F(CoilBox, ReadsWhatItShows) {
  const struct {
    CoilInputs shown;
    double wireRead;  // the first listed diameter not smaller than the one shown
  } cases[] = {
      {{1, 0.9, DiameterKind::Outer, 9.9, 12.5}, 0.9},
      {{2, 1.0, DiameterKind::Inner, 7, 8}, 1.0},
      {{5, 1.5, DiameterKind::Mean, 20, 6.25}, 2.0},
  };
  for (const auto& c : cases) {
    box.Show(c.shown);
    const CoilInputs read = box.Read();
    EXPECT_EQ(read.materialNo, c.shown.materialNo);
    EXPECT_EQ(read.wireDiameter, c.wireRead);
    EXPECT_EQ(read.diameterKind, c.shown.diameterKind);
    EXPECT_EQ(read.diameter, c.shown.diameter);
    EXPECT_EQ(read.totalTurns, c.shown.totalTurns);
  }
}

TEST_F(CoilBox, ListsFollowEachOther) {
  box.Show({0, 1.2, DiameterKind::Mean, 8, 10});
  int picks = 0;
  QObject::connect(&box, &CoilInputsBox::ListChosen, [&] { ++picks; });
  // Another symbol keeps the nearest wire not smaller: SWP-V lists 1.0 and 2.0.
  child<QComboBox>("symbolCombo")->setCurrentIndex(2);
  EXPECT_EQ(box.Read().materialNo, 5);
  EXPECT_EQ(box.Read().wireDiameter, 2.0);
  // Another kind lists its own symbols and wires.
  child<QComboBox>("kindCombo")->setCurrentIndex(1);
  EXPECT_EQ(child<QComboBox>("symbolCombo")->count(), 2);
  EXPECT_EQ(box.Read().materialNo, 2);
  EXPECT_EQ(box.Read().wireDiameter, 2.0);
  EXPECT_EQ(picks, 2);
}

TEST_F(CoilBox, ABoxThatIsNoNumberStopsTheReading) {
  child<QLineEdit>("diameterEdit")->setText("8");
  child<QLineEdit>("turnsEdit")->setText("x");
  EXPECT_THROW(box.Read(), UserError);
}

}  // namespace
}  // namespace coilspring::testing
