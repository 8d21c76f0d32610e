// What the window shows always belongs to the design shown: derived labels after a recall or a
// file read, a saved design, a material choice, a cancelled dialog, a start without materials.
#include <QTabWidget>
#include <QTableWidget>
#include <cmath>

#include "core/compression/history.h"
#include "core/text/number_format.h"
#include "support/main_window_fixture.h"

namespace coilspring::testing {
namespace {

class ShownDesignTest : public MainWindowTest {
 protected:
  // Two designs: index 10 (wire 2, mean 20, 8 turns) stored in slot 1, and the start-up design
  // (index 12.5, solid height 8.8) calculated and left current.
  void StoreIndexTenAndReturnToStartUp() {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "20");
    setText("Edit19", "8");
    setText("Edit20", "60");
    setText("Edit21", "50");
    setText("Edit22", "40");
    click("BitBtn2");
    stored = current();
    click("SpeedButton5");
    choose("ComboBox6", 2);  // 0.8
    setText("Edit18", "10");
    setText("Edit19", "10");
    setText("Edit20", "25");
    setText("Edit21", "20");
    setText("Edit22", "15");
    click("BitBtn2");
    ASSERT_EQ(label("Label28"), QStringLiteral("バネ指数=12.5"));
    ASSERT_EQ(label("Label36"), QStringLiteral("密着高さ=8.8mm"));
  }
  void ExpectLabelsOfTheStoredDesign() const {
    EXPECT_EQ(label("Label28"), QStringLiteral("バネ指数=10"));
    EXPECT_EQ(label("Label36"), QStringLiteral("密着高さ=18mm"));
    EXPECT_EQ(label("Label30"),
              QStringLiteral("自由高さ=") +
                  QString::fromStdString(FormatShort(stored.RecommendedFreeLength)) + "mm");
    EXPECT_EQ(label("Label56"), QStringLiteral("最大荷重=") +
                                    QString::fromStdString(FormatShort(stored.MaxLoad)) + "kgf");
  }
  DesignRecord stored;
};

TEST_F(ShownDesignTest, ARecalledDesignShowsItsOwnDerivedLabelsAndStaysAsStored) {
  StoreIndexTenAndReturnToStartUp();
  click("SpeedButton6");
  ExpectLabelsOfTheStoredDesign();
  EXPECT_EQ(current().SolidHeight, stored.SolidHeight);
  EXPECT_EQ(current().Load1, stored.Load1);
  EXPECT_EQ(current().Stress2, stored.Stress2);
  // The button takes the shown design's solid height.
  click("SpeedButton7");
  EXPECT_EQ(text("Edit22"), "18");
}

TEST_F(ShownDesignTest, ADesignReadFromAFileShowsItsOwnDerivedLabels) {
  StoreIndexTenAndReturnToStartUp();
  SpringDesign file = state->design;
  CopyDesignRecord(file, 1, 0);
  const std::string path = folder.file("ten.abd");
  WriteRecordFile(path, file);
  platform.openAnswers.push_back(QString::fromStdString(path));
  trigger("Edit2");
  ExpectLabelsOfTheStoredDesign();
}

TEST_F(ShownDesignTest, SavingBeforeTheFirstCalculationStoresTheLoadsOfItsStresses) {
  Start();
  const std::string path = folder.file("first.abd");
  platform.saveAnswers.push_back(QString::fromStdString(path));
  trigger("N3");
  SpringDesign saved;
  ReadRecordFile(path, saved);
  const DesignRecord& r = saved[0];
  ASSERT_GT(r.Load1, 0);
  EXPECT_DOUBLE_EQ(r.Load1, (r.FreeLength - r.Length1) * r.SpringRate);
  EXPECT_DOUBLE_EQ(r.Load2, (r.FreeLength - r.Length2) * r.SpringRate);
  const double perLoad =
      r.WahlFactor * 8 * r.MeanDiameter / 3.141592654 / std::pow(r.WireDiameter, 3);
  EXPECT_DOUBLE_EQ(r.Stress1, perLoad * r.Load1);
  EXPECT_DOUBLE_EQ(r.Stress2, perLoad * r.Load2);
  // What was saved is what the window shows.
  EXPECT_EQ(text("Edit23"), QString::fromStdString(FormatShort(r.Load1)));
}

TEST_F(ShownDesignTest, FullWidthNumbersAreTakenAsTyped) {
  Start();
  setText("Edit20", QStringLiteral("５０"));
  setText("Edit21", QStringLiteral("４５．５"));
  setText("Edit22", QStringLiteral("　４０　"));
  click("BitBtn2");
  EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage().toStdString();
  EXPECT_EQ(current().FreeLength, 50);
  EXPECT_EQ(current().Length1, 45.5);
  EXPECT_EQ(current().Length2, 40);
  setText("Edit20", QStringLiteral("５０ｍｍ"));
  click("BitBtn2");
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("'５０ｍｍ' は浮動小数点数ではありません"));
}

TEST_F(ShownDesignTest, WithoutMaterialsTheDiagramIsWhiteAndTheHistoryKeepsItsHeadings) {
  Start(FixtureMaterials(), FixtureSettings(), true, /*withMaterials=*/false);
  window->show();
  QWidget* diagram = get<QWidget>("Image1");
  const QImage shown = diagram->grab().toImage();
  for (const QPoint p :
       {QPoint(1, 1), QPoint(200, 200), QPoint(shown.width() - 2, shown.height() - 2)})
    EXPECT_EQ(shown.pixelColor(p), QColor(Qt::white)) << p.x() << "," << p.y();
  const auto* grid = get<QTableWidget>("sg1");
  const auto cell = [grid](int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
  };
  EXPECT_EQ(cell(0, 1), QStringLiteral("材質"));
  EXPECT_EQ(cell(HistoryRowOfSlot(30), 0), QStringLiteral("30"));
  EXPECT_EQ(cell(HistoryRowOfSlot(30), 1), QString());
}

}  // namespace
}  // namespace coilspring::testing
