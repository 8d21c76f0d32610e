// The message list speaks of the design on screen only: a recalled or read design brings the
// verdict of its own stored results, and no line is ever repeated.
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

class CheckLinesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "18");
  }
  // Calculates the free length and the two lengths, and returns the lines the calculation shows.
  QStringList calculate(const char* free, const char* l1, const char* l2) {
    setText("Edit20", free);
    setText("Edit21", l1);
    setText("Edit22", l2);
    click("BitBtn2");
    return listLines();
  }
  void recall(int slot) {
    get<QSpinBox>("SpinEdit1")->setValue(slot);
    click("SpeedButton6");
  }
  void store(int slot) {
    get<QSpinBox>("SpinEdit1")->setValue(slot);
    click("SpeedButton5");
  }
  void read(const std::string& path) {
    platform.openAnswers.push_back(QString::fromStdString(path));
    trigger("Edit2");
  }
};

const QString kSuccess = QStringLiteral("Calculation Success!");
const QString kGraphOver = QStringLiteral("グラフエリアオーバー");

TEST_F(CheckLinesTest, ARecallShowsTheRecalledDesignsOwnVerdict) {
  const QStringList failing = calculate("40", "35", "5");  // L2 far below the solid height
  ASSERT_FALSE(failing.contains(kSuccess));
  store(2);
  const QStringList passing = calculate("40", "35", "30");
  ASSERT_EQ(passing, QStringList{kSuccess});
  store(1);

  struct Step {
    int slot;
    QStringList expected;
  };
  const Step steps[] = {{2, failing}, {2, failing}, {1, passing}, {2, failing}, {1, passing}};
  for (const Step& step : steps) {
    recall(step.slot);
    EXPECT_EQ(listLines(), step.expected) << step.slot;
  }
}

TEST_F(CheckLinesTest, AReadShowsTheFilesVerdictWithoutRepeatingALine) {
  const QStringList failing = calculate("40", "35", "5");
  const std::string path = folder.file("failing.abd");
  platform.saveAnswers.push_back(QString::fromStdString(path));
  trigger("N3");
  ASSERT_EQ(calculate("40", "35", "30"), QStringList{kSuccess});
  const long calculationsBefore = state->work.calculations;
  for (int i = 0; i < 3; ++i) {
    read(path);
    EXPECT_EQ(listLines(), failing);
    EXPECT_EQ(listColour(), QColor(255, 0, 0));
  }
  // Judged by what the file stores: nothing was calculated again.
  EXPECT_EQ(state->work.calculations, calculationsBefore);
}

TEST_F(CheckLinesTest, TheGraphAreaLineFollowsItsDesignOnce) {
  calculate("100", "90", "1");  // a long stroke: the working point lies above the diagram
  store(1);
  calculate("40", "35", "30");
  store(2);
  const struct {
    int slot;
    int graphLines;
  } steps[] = {{1, 1}, {1, 1}, {2, 0}, {1, 1}};
  for (const auto& step : steps) {
    recall(step.slot);
    EXPECT_EQ(listLines().count(kGraphOver), step.graphLines) << step.slot;
  }
}

}  // namespace
}  // namespace coilspring::testing
