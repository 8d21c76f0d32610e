// 元に戻す / やり直し walk the design and history states that calculations, stores, recalls
// and reads left (as many as the core's history keeps); saving is no step, and a read is undone
// to the design before it. The message list speaks of the design on screen only, from its own
// stored results, and repeats no line.
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

const QString kSuccess = QStringLiteral("Calculation Success!");
const QString kGraphOver = QStringLiteral("グラフエリアオーバー");

class UndoTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "18");
  }
  // Calculates the free length and the two lengths, and returns the lines the calculation shows.
  QStringList calculate(int freeLength, int l1 = 35, int l2 = 30) {
    setText("Edit20", QString::number(freeLength));
    setText("Edit21", QString::number(l1));
    setText("Edit22", QString::number(l2));
    click("BitBtn2");
    return listLines();
  }
  void atSlot(int slot, const char* button) {
    get<QSpinBox>("SpinEdit1")->setValue(slot);
    click(button);
  }
  void store(int slot) { atSlot(slot, "SpeedButton5"); }
  void recall(int slot) { atSlot(slot, "SpeedButton6"); }
  std::string save(const char* name) {
    const std::string path = folder.file(name);
    platform.saveAnswers.push_back(QString::fromStdString(path));
    trigger("N3");
    return path;
  }
  void read(const std::string& path) {
    platform.openAnswers.push_back(QString::fromStdString(path));
    trigger("Edit2");
  }
  bool can(const char* action) const { return window->findChild<QAction*>(action)->isEnabled(); }
};

TEST_F(UndoTest, StepsBackAndForthOverCalculationsStoresAndRecalls) {
  calculate(40);
  store(3);
  calculate(45);
  recall(3);  // 40 again
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
  EXPECT_FALSE(can("Redo"));
}

TEST_F(UndoTest, AReadIsUndoneToTheDesignBeforeItAndSavingIsNoStep) {
  calculate(40);
  const std::string path = save("forty.abd");
  calculate(45);
  trigger("N3");  // cancelled dialog: the file keeps 40
  read(path);
  // Each step back or forth, and the design it leaves.
  for (const auto& [action, freeLength] : {std::pair{"Undo", 45},
                                           {"Undo", 40},
                                           {"Redo", 45},
                                           {"Redo", 40}}) {  // the save made no step
    trigger(action);
    EXPECT_EQ(current().FreeLength, freeLength) << action;
  }
  EXPECT_FALSE(can("Redo"));
}

TEST_F(UndoTest, RecallsAndUndoShowTheirDesignsOwnVerdictOnce) {
  const QStringList failing = calculate(40, 35, 5);  // L2 far below the solid height
  ASSERT_FALSE(failing.contains(kSuccess));
  store(2);
  const QStringList passing = calculate(40);
  ASSERT_EQ(passing, QStringList{kSuccess});
  store(1);
  calculate(100, 90, 1);  // a long stroke: the working point lies above the diagram
  store(3);
  const struct {
    int slot;
    const QStringList* expected;  // nothing: the graph area line, once
  } steps[] = {{2, &failing}, {2, &failing}, {1, &passing}, {3, nullptr},
               {3, nullptr},  {2, &failing}, {1, &passing}};
  for (const auto& step : steps) {
    recall(step.slot);
    if (step.expected != nullptr) {
      EXPECT_EQ(listLines(), *step.expected) << step.slot;
    } else {
      EXPECT_EQ(listLines().count(kGraphOver), 1) << step.slot;
    }
  }
  trigger("Undo");
  EXPECT_EQ(listLines(), failing);
  trigger("Redo");
  EXPECT_EQ(listLines(), passing);
}

TEST_F(UndoTest, AReadShowsTheFilesVerdictWithoutRepeatingALine) {
  const QStringList failing = calculate(40, 35, 5);
  const std::string path = save("failing.abd");
  ASSERT_EQ(calculate(40), QStringList{kSuccess});
  const long calculationsBefore = state->work.calculations;
  for (int i = 0; i < 3; ++i) {
    read(path);
    EXPECT_EQ(listLines(), failing);
    EXPECT_EQ(listColour(), QColor(255, 0, 0));
  }
  // Judged by what the file stores: nothing was calculated again.
  EXPECT_EQ(state->work.calculations, calculationsBefore);
}

}  // namespace
}  // namespace coilspring::testing
