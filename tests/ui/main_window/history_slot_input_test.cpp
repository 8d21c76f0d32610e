// The history slot number typed the way a Japanese input method delivers it.
#include <QApplication>
#include <QInputMethodEvent>

#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

TEST_F(MainWindowTest, FullWidthSlotNumberStoresIntoThatSlot) {
  Start();
  click("BitBtn2");
  auto* slot = get<QSpinBox>("SpinEdit1");
  slot->setFocus();
  QTest::keyClick(slot, Qt::Key_A, Qt::ControlModifier);
  // An input method commits its text in one event; QTest::keyClicks takes Latin-1 only.
  QInputMethodEvent typed;
  typed.setCommitString(QStringLiteral("１２"));
  QApplication::sendEvent(slot, &typed);
  EXPECT_EQ(slot->value(), 12);
  click("SpeedButton5");
  EXPECT_EQ(state->design[12].InUse, 1);
  EXPECT_EQ(state->design[1].InUse, 0);
}

}  // namespace
}  // namespace coilspring::testing
