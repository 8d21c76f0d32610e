// Each event of the main window does its work once: the boxes read once, the design calculated
// once, the life class determined at most once.
#include "support/main_window_fixture.h"
#include "ui/main_window/input_panel.h"

namespace coilspring::testing {
namespace {

const char* const kNumberBoxes[] = {"Edit18", "Edit19", "Edit20", "Edit21",
                                    "Edit22", "Edit23", "Edit24", "ComboBox6"};

struct EventWork {
  const char* event;
  const char* control;  // a list to pick `entry` of, or a button to click (entry < 0)
  int entry;
  long calculations;
  long lifeClasses;
};

class WorkPerEventTest : public MainWindowTest, public ::testing::WithParamInterface<EventWork> {};

TEST_P(WorkPerEventTest, ReadsEachBoxOnceAndCalculatesOnce) {
  Start();
  ASSERT_TRUE(window->StartupCompleted());
  int readsBefore[std::size(kNumberBoxes)];
  for (std::size_t i = 0; i < std::size(kNumberBoxes); ++i)
    readsBefore[i] = window->Inputs().ReadsOf(kNumberBoxes[i]);
  const WorkCount before = state->work;

  if (GetParam().entry >= 0)
    choose(GetParam().control, GetParam().entry);
  else
    click(GetParam().control);

  EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage().toStdString();
  EXPECT_EQ(state->work.calculations - before.calculations, GetParam().calculations);
  EXPECT_EQ(state->work.lifeClasses - before.lifeClasses, GetParam().lifeClasses);
  for (std::size_t i = 0; i < std::size(kNumberBoxes); ++i)
    EXPECT_EQ(window->Inputs().ReadsOf(kNumberBoxes[i]) - readsBefore[i], 1) << kNumberBoxes[i];
}

INSTANTIATE_TEST_SUITE_P(
    Events, WorkPerEventTest,
    ::testing::Values(
        EventWork{"WirePicked", "ComboBox6", 3, 1, 0},
        EventWork{"KindPicked", "ComboBox5", 1, 1, 0},
        EventWork{"SymbolPicked", "ComboBox7", 1, 1, 0},
        EventWork{"EndFormPicked", "ComboBox8", 2, 1, 0},
        EventWork{"Calculate", "BitBtn2", -1, 1, 1},
        EventWork{"SideViewStep", "BitBtn3", -1, 1, 1},
        EventWork{"MaxLoadTaken", "SpeedButton1", -1, 1, 0}),
    [](const auto& info) { return std::string(info.param.event); });

TEST_F(MainWindowTest, StartUpCalculatesOnce) {
  Start();
  EXPECT_EQ(state->work.calculations, 1);
  for (const char* box : kNumberBoxes) EXPECT_EQ(window->Inputs().ReadsOf(box), 1) << box;
}

// The side view and reference pages are made when the user first turns to them, showing the
// last calculation then.
TEST_F(MainWindowTest, PagesNotShownYetAreMadeOnFirstUse) {
  Start();
  window->show();
  click("BitBtn2");
  EXPECT_EQ(window->findChild<QWidget*>("Image2"), nullptr);
  EXPECT_EQ(window->findChild<QWidget*>("ReferenceGrid"), nullptr);
  auto* pages = get<QTabWidget>("PageControl1");
  pages->setCurrentIndex(1);
  auto* picture = window->findChild<QWidget*>("Image2");
  ASSERT_NE(picture, nullptr);
  EXPECT_TRUE(picture->isVisible());
  EXPECT_EQ(label("Label8"), QStringLiteral("フリー"));
  pages->setCurrentIndex(2);
  auto* grid = window->findChild<QTableWidget*>("ReferenceGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_TRUE(grid->isVisible());
  EXPECT_GT(grid->rowCount(), 0);
}

}  // namespace
}  // namespace coilspring::testing
