// The main window driven as a user drives it: start-up, the input panel, the calculate actions.
#include "support/main_window_fixture.h"
#include "ui/widgets/string_grid.h"

namespace coilspring::testing {
namespace {

TEST_F(MainWindowTest, FreshStartShowsTheStartUpDesign) {
  Start();
  EXPECT_TRUE(window->StartupCompleted());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("無題[*] - 圧縮コイルバネ計算"));
  EXPECT_EQ(combo("ComboBox5")->currentText(), QStringLiteral("ピアノ線"));
  EXPECT_EQ(combo("ComboBox7")->currentText(), QStringLiteral("SWP-A"));
  EXPECT_EQ(combo("ComboBox6")->currentText(), "0.8");
  EXPECT_EQ(combo("ComboBox8")->currentText(), QStringLiteral("クローズ（無研削）"));
  EXPECT_EQ(label("Label48"), QStringLiteral("平均径"));
  EXPECT_EQ(text("Edit18"), "10");
  EXPECT_EQ(text("Edit19"), "10");
  EXPECT_EQ(text("Edit1"), "8");
  EXPECT_EQ(text("Edit20"), "25");
  EXPECT_EQ(text("Edit21"), "20");
  EXPECT_EQ(text("Edit22"), "15");
  EXPECT_EQ(text("Edit23"), "0");
  EXPECT_EQ(text("Edit24"), "0");
  EXPECT_TRUE(edit("Edit21")->isEnabled());
  EXPECT_FALSE(edit("Edit23")->isEnabled());
  // Mean 10, wire 0.8: inner and outer follow the wire.
  EXPECT_DOUBLE_EQ(current().InnerDiameter, 9.2);
  EXPECT_DOUBLE_EQ(current().OuterDiameter, 10.8);
  EXPECT_EQ(current().ActiveTurns, 8);
  EXPECT_EQ(label("Label28"), QStringLiteral("バネ指数=12.5"));
  EXPECT_EQ(label("Label36"), QStringLiteral("密着高さ=8.8mm"));
  // The history: headings, slot numbers, empty rows.
  auto* grid = get<QTableWidget>("sg1");
  EXPECT_EQ(grid->rowCount(), 32);
  EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("材質"));
  EXPECT_EQ(grid->item(1, 11)->text(), "kgf/mm^2");
  for (int n = 1; n <= 30; ++n) {
    EXPECT_EQ(grid->item(n + 1, 0)->text(), QString::number(n));
    for (int c = 1; c < 15; ++c) EXPECT_TRUE(CellText(grid, n + 1, c).isEmpty());
  }
  EXPECT_EQ(get<QSpinBox>("SpinEdit1")->maximum(), 30);
  EXPECT_TRUE(platform.messages.empty());
}

// CTest runs this once more on a desktop scaled to 200 % (QT_SCALE_FACTOR=2): the window keeps
// its designed size in the desktop's units, and each picture is shown pixel for pixel as drawn,
// at the desktop's resolution.
TEST_F(MainWindowTest, PicturesAreDrawnAtTheDesktopsPixelRatio) {
  const qreal ratio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                          ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                          : 1;
  Start();
  window->show();
  click("BitBtn1");
  EXPECT_EQ(window->centralWidget()->size(), QSize(817, 721));
  EXPECT_EQ(get<QWidget>("Image5")->grab().devicePixelRatio(), ratio);
  for (const auto& [name, image] :
       {std::pair{"Image1", &window->FatigueImage()}, std::pair{"Image2", &window->ShapeImage()}}) {
    EXPECT_EQ(image->devicePixelRatio(), ratio) << name;
    const QPixmap shown = get<QWidget>(name)->grab();
    EXPECT_EQ(shown.devicePixelRatio(), ratio) << name;
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), *image) << name;
  }
}

TEST_F(MainWindowTest, MenusCarryTheirCaptions) {
  Start();
  QStringList captions;
  for (QAction* a : window->menuBar()->actions()) captions << a->text();
  EXPECT_EQ(captions, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                                   QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                                   QStringLiteral("ばね(&S)"), QStringLiteral("ヘルプ(&H)")}));
}

TEST_F(MainWindowTest, SmallDiametersOnlyKeepTheFirstEntry) {
  MaterialTable t = FixtureMaterials();
  t[0] = MakeMaterial("ピアノ線", "SWP-A", 0, {0.3, 0.5, 0.6});
  Start(t);
  EXPECT_EQ(combo("ComboBox6")->currentIndex(), 0);
  EXPECT_EQ(current().WireDiameter, 0.3);
}

TEST_F(MainWindowTest, MissingSettingsFileStopsStartUpWithAWarning) {
  Start(FixtureMaterials(), FixtureSettings(), /*withSettings=*/false);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Warning);
  EXPECT_TRUE(platform.messages[0].text.contains(folder.path() + "/keisuu.dat"));
  EXPECT_FALSE(window->StartupCompleted());
  EXPECT_EQ(combo("ComboBox5")->count(), 0);
  EXPECT_FALSE(get<QGroupBox>("GroupBox1")->isEnabled());
  EXPECT_FALSE(get<QPushButton>("BitBtn2")->isEnabled());
  EXPECT_FALSE(window->findChild<QAction*>("N3")->isEnabled());
  // The tools stay, so the missing file can be made again.
  EXPECT_TRUE(window->findChild<QAction*>("N9")->isEnabled());
}

TEST_F(MainWindowTest, MissingMaterialFileNamesIt) {
  Start(FixtureMaterials(), FixtureSettings(), true, /*withMaterials=*/false);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            QStringLiteral("ファイル %1/zaidat.dst は開けません").arg(folder.path()));
  EXPECT_FALSE(get<QGroupBox>("GroupBox1")->isEnabled());
}

TEST_F(MainWindowTest, KindAndSymbolListsFollowTheKindIndex) {
  Start();
  EXPECT_EQ(combo("ComboBox5")->count(), 2);
  EXPECT_EQ(combo("ComboBox7")->count(), 3);
  choose("ComboBox5", 1);
  ASSERT_EQ(combo("ComboBox7")->count(), 2);
  EXPECT_EQ(combo("ComboBox7")->itemText(0), "SUS304");
  EXPECT_EQ(combo("ComboBox7")->itemText(1), "SUS316");
  EXPECT_EQ(current().MaterialNo, 2);
  // 0.8 is not offered: the next larger diameter.
  EXPECT_EQ(combo("ComboBox6")->currentText(), "1");
  EXPECT_EQ(current().WireDiameter, 1.0);
}

TEST_F(MainWindowTest, ChangingSymbolKeepsOrRaisesTheWireDiameter) {
  MaterialTable t = FixtureMaterials();
  t[0] = MakeMaterial("ピアノ線", "SWP-A", 0, {0.5, 0.6, 0.8});
  Start(t);
  choose("ComboBox7", 1);  // 0.7, 0.9, 1.0
  EXPECT_EQ(combo("ComboBox6")->currentText(), "0.9");
  EXPECT_EQ(current().MaterialNo, 1);
  EXPECT_EQ(current().WireDiameter, 0.9);
}

TEST_F(MainWindowTest, ASymbolWithOnlySmallerDiametersKeepsTheNearestWithoutAnError) {
  Start();
  choose("ComboBox6", 6);  // 2.6
  platform.messages.clear();
  choose("ComboBox7", 1);  // 0.7 .. 1.0
  EXPECT_EQ(combo("ComboBox6")->currentText(), "1");
  EXPECT_EQ(current().WireDiameter, 1.0);
  EXPECT_EQ(current().MaterialNo, 1);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowTest, DiameterKindCyclesThroughTheThreeDiameters) {
  Start();
  choose("ComboBox6", 3);  // 1.0
  setText("Edit18", "10");
  QTest::keyClick(edit("Edit18"), Qt::Key_Return);
  EXPECT_EQ(label("Label28"), QStringLiteral("バネ指数=10"));
  const QString expected[][2] = {{"外径", "11"}, {"内径", "9"}, {"平均径", "10"}};
  for (const auto& [caption, value] : expected) {
    click("BitBtn1");
    EXPECT_EQ(label("Label48"), caption);
    EXPECT_EQ(text("Edit18"), value);
  }
}

TEST_F(MainWindowTest, OuterDiameterIsTakenAsEntered) {
  Start();
  choose("ComboBox6", 3);  // 1.0
  click("BitBtn1");        // outer
  setText("Edit18", "12");
  QTest::keyClick(edit("Edit18"), Qt::Key_Return);
  EXPECT_EQ(current().InnerDiameter, 10);
  EXPECT_EQ(current().MeanDiameter, 11);
}

TEST_F(MainWindowTest, LeavingWithTheWireDiameterTextDoesNothing) {
  Start();
  choose("ComboBox6", 4);  // 1.2
  setText("Edit18", "1.2");
  const double mean = current().MeanDiameter;
  leave("Edit18");
  EXPECT_EQ(current().MeanDiameter, mean);
}

TEST_F(MainWindowTest, ActiveTurnsFollowTheEndType) {
  Start();
  setText("Edit19", "5");
  choose("ComboBox8", 3);
  EXPECT_EQ(text("Edit1"), "3.5");
  setText("Edit19", "4.5");
  choose("ComboBox8", 0);
  EXPECT_EQ(text("Edit1"), "2.99");
}

TEST_F(MainWindowTest, AConversionErrorStopsTheHandlerAfterTheFieldsBeforeIt) {
  Start();
  setText("Edit21", "abc");
  choose("ComboBox8", 3);
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("'abc' は浮動小数点数ではありません"));
  EXPECT_EQ(current().EndKind, EndKind::OpenUnground);
  EXPECT_EQ(current().ActiveTurns, 8.5);
  EXPECT_EQ(current().FreeLength, 25);
}

TEST_F(MainWindowTest, SpringIndexOutsideThreeToTwentyTwoIsAPanelError) {
  Start();
  choose("ComboBox6", 3);  // 1.0
  const struct {
    const char* mean;
    bool error;
  } cases[] = {{"3.5", false}, {"2.9", true}, {"22.1", true}, {"22", false}};
  for (const auto& c : cases) {
    setText("Edit18", c.mean);
    leave("Edit18");
    if (c.error) {
      EXPECT_EQ(listLines(), QStringList{QStringLiteral("エラー：バネ指数が範囲外")}) << c.mean;
      EXPECT_EQ(listColour(), QColor(255, 0, 0));
    } else {
      EXPECT_TRUE(listLines().isEmpty()) << c.mean;
    }
  }
}

TEST_F(MainWindowTest, LengthLoadSwitchOnlyChangesWhichBoxesTakeInput) {
  Start();
  click("BitBtn2");
  const QString before = text("Edit21");
  trigger("llcheng");
  EXPECT_FALSE(edit("Edit21")->isEnabled());
  EXPECT_TRUE(edit("Edit23")->isEnabled());
  EXPECT_EQ(current().InputMode, InputMode::Loads);
  trigger("llcheng");
  EXPECT_TRUE(edit("Edit21")->isEnabled());
  EXPECT_FALSE(edit("Edit24")->isEnabled());
  EXPECT_EQ(text("Edit21"), before);
}

// The worked example through the window: d 2, D 18, 10 turns closed (Na 8), L0 40, L1 35, L2 30,
// allowable 1500 N/mm^2 at 80 %.
class CalculateTest : public MainWindowTest {
 protected:
  void EnterWorkedExample() {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "18");
    setText("Edit19", "10");
    setText("Edit20", "40");
    setText("Edit21", "35");
    setText("Edit22", "30");
  }
};

TEST_F(CalculateTest, CalculateShowsTheResultsAndTheSuccessLine) {
  EnterWorkedExample();
  click("BitBtn2");
  EXPECT_EQ(text("Edit25"), "0.3431");
  EXPECT_EQ(text("Edit27"), "22.85");
  EXPECT_EQ(text("Edit28"), "122.4");
  EXPECT_EQ(text("Edit23"), "1.716");
  EXPECT_EQ(text("Edit24"), "3.431");
  EXPECT_EQ(text("Edit26"), QStringLiteral("1000万"));
  EXPECT_EQ(label("Label28"), QStringLiteral("バネ指数=9"));
  EXPECT_EQ(listLines(), QStringList{"Calculation Success!"});
  EXPECT_EQ(listColour(), QApplication::palette().color(QPalette::WindowText));
  EXPECT_EQ(label("Label8"), QStringLiteral("フリー"));
  // The side view shows a red spring.
  EXPECT_TRUE(window->ShapeImage().pixelColor(388, 100) != QColor(Qt::white) ||
              window->ShapeImage().allGray() == false);
}

TEST_F(CalculateTest, LoadModeGivesTheLengthsBack) {
  EnterWorkedExample();
  trigger("llcheng");
  setText("Edit23", "1.715709");
  setText("Edit24", "3.431419");
  click("BitBtn2");
  EXPECT_EQ(text("Edit21"), "35");
  EXPECT_EQ(text("Edit22"), "30");
}

TEST_F(CalculateTest, FailedChecksAreRedLinesInOrder) {
  EnterWorkedExample();
  setText("Edit18", "6");   // c = 3
  setText("Edit22", "20");  // below the solid height 22
  click("BitBtn2");
  const QStringList lines = listLines();
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], QStringLiteral("エラー：バネ指数が４以下"));
  EXPECT_EQ(lines[1], QStringLiteral("エラー：L2が密着高さより短い"));
  EXPECT_EQ(listColour(), QColor(255, 0, 0));
}

TEST_F(CalculateTest, ShownValuesAreReadBackRounded) {
  EnterWorkedExample();
  setText("Edit20", "40.126");
  click("BitBtn2");
  EXPECT_EQ(text("Edit20"), "40.13");
  EXPECT_EQ(current().FreeLength, 40.126);
  click("BitBtn2");
  EXPECT_EQ(current().FreeLength, 40.13);
}

TEST_F(CalculateTest, ShapeButtonStepsThroughTheThreeLengths) {
  EnterWorkedExample();
  click("BitBtn2");
  const QString captions[] = {"荷重１", "荷重２", "フリー", "荷重１"};
  for (const QString& caption : captions) {
    click("BitBtn3");
    EXPECT_EQ(label("Label8"), caption);
  }
}

TEST_F(CalculateTest, RecommendedValueButtons) {
  EnterWorkedExample();
  click("BitBtn2");
  click("SpeedButton1");  // maximum load into P2
  EXPECT_EQ(text("Edit24"), "18.38");
  EXPECT_EQ(label("Label56"), QStringLiteral("最大荷重=18.38kgf"));
  EXPECT_EQ(current().FreeLength, 40);  // the maximum-load button leaves the free length alone
  click("SpeedButton7");                // solid height into L2
  EXPECT_EQ(text("Edit22"), "22");
  click("BitBtn6");  // recommended free length into L0
  EXPECT_EQ(text("Edit20"), "75.56");
  EXPECT_NEAR(current().FreeLength, 75.55641, 1e-4);
}

TEST_F(CalculateTest, DegenerateDesignsStayFaultyWithoutCrashing) {
  EnterWorkedExample();
  for (const char* mean : {"0", "2", "-5", "1e300"}) {
    setText("Edit18", mean);
    click("BitBtn2");
    ASSERT_FALSE(listLines().isEmpty()) << mean;
    EXPECT_NE(listLines().back(), "Calculation Success!") << mean;
  }
  setText("Edit18", "18");
  setText("Edit19", "0");
  click("BitBtn2");
  EXPECT_NE(listLines().back(), "Calculation Success!");
}

TEST_F(CalculateTest, NoExceptionReachesQtFromABadBox) {
  EnterWorkedExample();
  setText("Edit19", "");
  click("BitBtn2");
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("'' は浮動小数点数ではありません"));
}

}  // namespace
}  // namespace coilspring::testing
