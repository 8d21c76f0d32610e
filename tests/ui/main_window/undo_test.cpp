// 元に戻す / やり直し walk the design and history states that calculations, stores, recalls
// and reads left; saving is no step, and a read is undone to the design before it.
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

class UndoTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "18");
    setText("Edit21", "35");
    setText("Edit22", "30");
  }
  void calculate(int freeLength) {
    setText("Edit20", QString::number(freeLength));
    click("BitBtn2");
  }
  void undo() { trigger("Undo"); }
  void redo() { trigger("Redo"); }
  bool canUndo() const { return window->findChild<QAction*>("Undo")->isEnabled(); }
  bool canRedo() const { return window->findChild<QAction*>("Redo")->isEnabled(); }
};

TEST_F(UndoTest, StepsBackAndForthOverCalculationsStoresAndRecalls) {
  calculate(40);
  get<QSpinBox>("SpinEdit1")->setValue(3);
  click("SpeedButton5");  // 40 into slot 3
  calculate(45);
  click("SpeedButton6");  // recall slot 3: 40 again
  const struct {
    bool back;  // 元に戻す, or やり直し
    double freeLength;
    bool slot3Used;
  } script[] = {
      {true, 45, true},   // before the recall
      {true, 40, true},   // before the 45 calculation
      {true, 40, false},  // before the store
      {false, 40, true}, {false, 45, true}, {false, 40, true},
  };
  for (const auto& s : script) {
    trigger(s.back ? "Undo" : "Redo");
    EXPECT_EQ(current().FreeLength, s.freeLength);
    EXPECT_EQ(text("Edit20"), QString::number(s.freeLength));
    EXPECT_EQ(state->design[3].InUse == 1, s.slot3Used);
  }
  EXPECT_FALSE(canRedo());
}

TEST_F(UndoTest, GoesBackAtLeastFiftySteps) {
  for (int length = 30; length < 90; ++length) calculate(length);
  for (int back = 1; back <= 50; ++back) {
    ASSERT_TRUE(canUndo()) << back;
    undo();
    EXPECT_EQ(current().FreeLength, 89 - back);
  }
}

TEST_F(UndoTest, AReadIsUndoneToTheDesignBeforeItAndSavingIsNoStep) {
  calculate(40);
  const std::string path = folder.file("forty.abd");
  platform.saveAnswers = {QString::fromStdString(path)};
  trigger("N3");
  calculate(45);
  trigger("N3");  // cancelled dialog: the file keeps 40
  platform.openAnswers = {QString::fromStdString(path)};
  trigger("Edit2");
  EXPECT_EQ(current().FreeLength, 40);
  undo();
  EXPECT_EQ(current().FreeLength, 45);
  undo();  // the save made no step: straight back to the 40 calculation
  EXPECT_EQ(current().FreeLength, 40);
  redo();
  redo();
  EXPECT_EQ(current().FreeLength, 40);
  EXPECT_FALSE(canRedo());
}

TEST_F(UndoTest, AnUndoneDesignShowsItsOwnVerdict) {
  calculate(40);
  const QStringList passing = listLines();
  setText("Edit22", "5");  // below the solid height
  calculate(40);
  const QStringList failing = listLines();
  ASSERT_NE(passing, failing);
  undo();
  EXPECT_EQ(listLines(), passing);
  redo();
  EXPECT_EQ(listLines(), failing);
}

}  // namespace
}  // namespace coilspring::testing
