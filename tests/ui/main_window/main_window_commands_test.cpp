// History, design files, DXF export, clipboard, printing and help through the main window.
#include <QFile>
#include <QTabWidget>
#include <QTimer>

#include "core/records/byte_image.h"
#include "support/blocked_write.h"
#include "support/main_window_fixture.h"
#include "ui/widgets/string_grid.h"

namespace coilspring::testing {
namespace {

class CommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    Start();
    choose("ComboBox6", 5);  // 2.0
    setText("Edit18", "18");
    setText("Edit20", "40");
    setText("Edit21", "35");
    setText("Edit22", "30");
    click("BitBtn2");
  }
  QTableWidget* grid() const { return get<QTableWidget>("sg1"); }
  QString cell(int row, int column) const { return CellText(grid(), row, column); }
  void clickRow(int row) const {
    const QRect r = grid()->visualRect(grid()->model()->index(row, 3));
    grid()->scrollToItem(grid()->item(row, 3));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {},
                      grid()->visualRect(grid()->model()->index(row, 3)).center());
    (void)r;
  }
  Bytes fileBytes(const std::string& path) const { return ReadWholeFile(path); }
};

TEST_F(CommandsTest, StoreFillsTheSlotRowAndAClickRecallsIt) {
  get<QSpinBox>("SpinEdit1")->setValue(5);
  click("SpeedButton5");
  EXPECT_EQ(cell(6, 0), "5");
  EXPECT_EQ(cell(6, 1), "SWP-A");
  EXPECT_EQ(cell(6, 2), "2");
  EXPECT_EQ(cell(6, 3), "18");
  EXPECT_EQ(cell(6, 5), "40");
  EXPECT_EQ(cell(6, 10), "0.3431");
  EXPECT_EQ(cell(6, 13), QStringLiteral("1000万"));
  EXPECT_EQ(cell(6, 14), QStringLiteral("クローズ（無研削）"));
  EXPECT_EQ(state->design[5].InUse, 1);

  // Change the panel and calculate, then recall by clicking the row.
  setText("Edit20", "50");
  click("BitBtn2");
  EXPECT_EQ(text("Edit20"), "50");
  clickRow(6);
  EXPECT_EQ(text("Edit20"), "40");
  EXPECT_EQ(current().FreeLength, 40);
  // And by the recall button.
  setText("Edit20", "60");
  click("BitBtn2");
  click("SpeedButton6");
  EXPECT_EQ(text("Edit20"), "40");
}

TEST_F(CommandsTest, RecallingAnEmptySlotChangesNothing) {
  const QStringList before = listLines();
  get<QSpinBox>("SpinEdit1")->setValue(7);
  setText("Edit20", "41");
  click("SpeedButton6");
  clickRow(10);
  EXPECT_EQ(text("Edit20"), "41");
  EXPECT_EQ(listLines(), before);
}

TEST_F(CommandsTest, ARecalledOverflowingDesignReportsTheGraphArea) {
  setText("Edit20", "100");  // a long stroke: the upper coefficient is far above 0.5
  setText("Edit21", "90");
  setText("Edit22", "1");
  click("BitBtn2");
  click("SpeedButton5");   // slot 1
  setText("Edit20", "40");
  setText("Edit21", "35");
  setText("Edit22", "30");
  click("BitBtn2");
  click("SpeedButton6");
  EXPECT_TRUE(listLines().contains(QStringLiteral("グラフエリアオーバー")));
}

TEST_F(CommandsTest, StoredRecallKeepsItsOwnWireDiameter) {
  click("SpeedButton5");  // 2.0 in slot 1
  choose("ComboBox6", 3);  // 1.0
  click("BitBtn2");
  click("SpeedButton6");
  EXPECT_EQ(combo("ComboBox6")->currentText(), "2");
  get<QSpinBox>("SpinEdit1")->setValue(2);
  click("SpeedButton5");
  EXPECT_EQ(state->design[2].WireDiameter, 2);
}

TEST_F(CommandsTest, SpinTextOutsideTheRangeNeverReachesAnotherRecord) {
  auto* spin = get<QSpinBox>("SpinEdit1");
  const SpringDesign before = state->design;
  spin->findChild<QLineEdit*>()->setText("99");
  click("SpeedButton5");
  // Clamped into 1..30: only a history slot changed, never record 0's neighbours beyond it.
  int changed = 0;
  for (int n = 1; n <= 30; ++n) changed += state->design[n] != before[n];
  EXPECT_EQ(changed, 1);
  EXPECT_TRUE(state->design[30] == state->design[0]) << "99 is held to the last slot, 30";
}

TEST_F(CommandsTest, SaveThenReadGivesBackTheSameImageAndWindow) {
  click("SpeedButton5");
  get<QSpinBox>("SpinEdit1")->setValue(12);
  click("SpeedButton5");
  const std::string path = folder.file("design.abd");
  platform.saveAnswers.push_back(QString::fromStdString(path));
  trigger("N3");
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests[0].proposedName, "aspring.abd");
  EXPECT_TRUE(platform.saveRequests[0].filter.contains(QStringLiteral("圧縮バネのデーター")));
  EXPECT_TRUE(platform.saveRequests[0].filter.contains("*.abd"));
  const Bytes saved = fileBytes(path);
  ASSERT_EQ(saved.size(), 10416u);
  EXPECT_EQ(saved, Encode(state->design));

  // Spoil the window and memory, then read the file back.
  InitDesign(state->design);
  setText("Edit20", "99");
  platform.openAnswers.push_back(QString::fromStdString(path));
  trigger("Edit2");
  EXPECT_EQ(Encode(state->design), saved);
  EXPECT_EQ(text("Edit20"), "40");
  EXPECT_EQ(cell(2, 3), "18");
  EXPECT_EQ(cell(13, 3), "18");
  EXPECT_TRUE(cell(3, 3).isEmpty());
  // The dialog remembers the chosen name.
  platform.saveAnswers.push_back(std::nullopt);
  trigger("N3");
  EXPECT_EQ(platform.saveRequests.back().proposedName, QString::fromStdString(path));
}

TEST_F(CommandsTest, ReadingAFileWithEmptySlotsClearsEveryRowAndTakesItsInputMode) {
  click("SpeedButton5");
  SpringDesign other;
  InitDesign(other);
  other[0].InputMode = InputMode::Loads;
  const std::string path = folder.file("other.abd");
  WriteRecordFile(path, other);
  platform.openAnswers.push_back(QString::fromStdString(path));
  trigger("Edit2");
  for (int n = 1; n <= 30; ++n) EXPECT_TRUE(cell(n + 1, 1).isEmpty());
  EXPECT_TRUE(edit("Edit23")->isEnabled());
  EXPECT_FALSE(edit("Edit21")->isEnabled());
}

TEST_F(CommandsTest, AShortFileReplacesOnlyItsBytes) {
  click("SpeedButton5");
  SpringDesign other;
  InitDesign(other);
  other[0].FreeLength = 33;
  const Bytes image = Encode(other);
  const Bytes record0(image.begin(), image.begin() + 336);
  const std::string path = folder.file("short.abd");
  WriteFileAtomically(path, record0);
  platform.openAnswers.push_back(QString::fromStdString(path));
  trigger("Edit2");
  EXPECT_EQ(current().FreeLength, 33);
  EXPECT_EQ(state->design[1].InUse, 1);
  EXPECT_EQ(cell(2, 5), "40");
}

TEST_F(CommandsTest, CancelledDialogsChangeNothing) {
  const std::string path = folder.file("aspring.abd");
  WriteFileAtomically(path, std::string_view("keep"));
  platform.saveAnswers.push_back(std::nullopt);
  trigger("N3");
  EXPECT_EQ(fileBytes(path), Bytes({'k', 'e', 'e', 'p'}));
  setText("Edit20", "77");
  platform.openAnswers.push_back(std::nullopt);
  trigger("Edit2");
  EXPECT_EQ(text("Edit20"), "77");
}

TEST_F(CommandsTest, FailedSaveAndReadReportAndLoseNothing) {
  const std::string path = folder.file("kept.abd");
  WriteFileAtomically(path, std::string_view("previous"));
  // A folder cannot be written over.
  const std::string dir = folder.file("dir.abd");
  ASSERT_EQ(std::system(("mkdir '" + dir + "'").c_str()), 0);
  platform.saveAnswers.push_back(QString::fromStdString(dir));
  trigger("N3");
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("ファイル %1 を作成できません").arg(QString::fromStdString(dir)));
  EXPECT_EQ(fileBytes(path), Bytes({'p', 'r', 'e', 'v', 'i', 'o', 'u', 's'}));

  const SpringDesign before = state->design;
  const std::string missing = folder.file("missing.abd");
  platform.openAnswers.push_back(QString::fromStdString(missing));
  setText("Edit20", "55");
  trigger("Edit2");
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("ファイル %1 は開けません").arg(QString::fromStdString(missing)));
  EXPECT_EQ(state->design, before);
  EXPECT_EQ(text("Edit20"), "55");  // nothing shown after a failed read
}

TEST_F(CommandsTest, AFailedSaveOverAnExistingFileLeavesItWhole) {
  // The design file and the DXF file: the previous file survives a save that fails midway.
  for (const char* action : {"N3", "N7"}) {
    const QString sub = folder.path() + "/blocked-" + action;
    QDir().mkpath(sub);
    const std::string path = (sub + "/old.file").toStdString();
    WriteFileAtomically(path, std::string_view("the previous file"));
    platform.saveAnswers.push_back(QString::fromStdString(path));
    {
      BlockedWrite blocked(sub.toStdString(), path);
      trigger(action);
      EXPECT_EQ(platform.LastMessage().toStdString(), blocked.expectedMessage()) << action;
    }
    const Bytes kept = fileBytes(path);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "the previous file") << action;
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden).size(), 1) << action;
  }
}

TEST_F(CommandsTest, ReadingAnyFileNeverCrashes) {
  // Garbage: huge and NaN values, odd indexes, a material number outside the table.
  Bytes junk(10416);
  for (std::size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<std::uint8_t>(i * 97 + 13);
  const std::string path = folder.file("junk.abd");
  WriteFileAtomically(path, junk);
  platform.openAnswers.push_back(QString::fromStdString(path));
  trigger("Edit2");
  click("BitBtn2");
  click("BitBtn3");
  EXPECT_FALSE(listLines().isEmpty());
}

// What the calculator cannot take is refused naming the file and the field, before anything
// changes; an empty file too.
TEST_F(CommandsTest, ADamagedDesignFileIsRefusedAndChangesNothing) {
  SpringDesign damaged = state->design;
  damaged[0].EndKind = static_cast<EndKind>(99);
  const std::string bad = folder.file("damaged.abd");
  WriteRecordFile(bad, damaged);
  const std::string empty = folder.file("empty.abd");
  WriteFileAtomically(empty, std::string_view());
  // The first 100 bytes of a design: its material, wire, diameter and turns, no lengths.
  const Bytes image = Encode(state->design);
  const std::string cut = folder.file("cut.abd");
  WriteFileAtomically(cut, Bytes(image.begin(), image.begin() + 100));
  for (const auto& [path, message] :
       {std::pair{bad, "ファイル " + bad +
                           ": 現在の設計（記録 0）の設計が壊れています: 座巻き EndKind = 99 が "
                           "0〜6 の外です"},
        std::pair{empty, "ファイル " + empty + " は空です（設計がありません）"},
        std::pair{cut, "ファイル " + cut +
                           " は短すぎます: 現在の設計（記録 0）を読むには 336 バイト必要ですが "
                           "100 バイトしかありません"}}) {
    const SpringDesign before = state->design;
    setText("Edit20", "55");
    const QImage shown = window->grab().toImage();
    platform.openAnswers.push_back(QString::fromStdString(path));
    trigger("Edit2");
    EXPECT_EQ(platform.LastMessage().toStdString(), message);
    EXPECT_EQ(state->design, before);
    EXPECT_EQ(text("Edit20"), "55");
    EXPECT_EQ(window->grab().toImage(), shown);
  }
}

TEST_F(CommandsTest, DxfExportWritesTheFreeLengthDrawing) {
  click("BitBtn3");  // the picture now shows load 1; the file still shows the free length
  const std::string path = folder.file("spring.dxf");
  platform.saveAnswers.push_back(QString::fromStdString(path));
  trigger("N7");
  ASSERT_EQ(platform.saveRequests.back().proposedName, "aspring.dxf");
  EXPECT_TRUE(platform.saveRequests.back().filter.contains("*.dxf"));
  const Bytes dxf = fileBytes(path);
  const std::string text(dxf.begin(), dxf.end());
  EXPECT_EQ(text.rfind("  0\r\nSECTION\r\n", 0), 0u);
  EXPECT_TRUE(text.ends_with("  0\r\nENDSEC\r\n  0\r\nEOF\r\n"));
  // 10 total turns closed: 8 body turns, 6 * 9 - 2 = 52 body entities plus the two ends.
  std::size_t entities = 0;
  for (std::size_t at = 0; (at = text.find("\r\nLINE\r\n", at)) != std::string::npos; ++at) ++entities;
  for (std::size_t at = 0; (at = text.find("\r\nARC\r\n", at)) != std::string::npos; ++at) ++entities;
  // The pitch (40 - 3 * 2) / 8.5 = 4 is too short for an end turn to stand upright
  // (p / 4 = 1 < r / cos(theta) + r = 2.006): the left end adds 6 entities, the right end 8.
  EXPECT_EQ(entities, 6u * 9 - 2 + 6 + 8);
  EXPECT_EQ(text.find("NAN"), std::string::npos);
}

TEST_F(CommandsTest, CopyAllDataPutsTheWholeGridAsTabbedText) {
  trigger("N2");
  const QStringList lines = platform.clipboardText.split("\r\n");
  ASSERT_EQ(lines.size(), 33);  // 32 lines, each ending in CR LF
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_TRUE(lines[0].startsWith(QStringLiteral("項目\t材質\t線径")));
  for (int n = 1; n <= 30; ++n) EXPECT_EQ(lines[n + 1], QString::number(n) + QString(14, '\t'));
}

TEST_F(CommandsTest, LifeGraphCopyIsTheDiagramBitmap) {
  trigger("N4");
  EXPECT_EQ(platform.clipboardImage.size(), QSize(400, 417));
  EXPECT_EQ(platform.clipboardImage, window->FatigueImage());
}

TEST_F(CommandsTest, HelpOpensTheDocumentBesideTheProgramOrSaysItIsMissing) {
  trigger("Help2");
  EXPECT_TRUE(platform.openedDocuments.empty());  // no help folder in this program folder
  EXPECT_EQ(platform.LastMessage(),
            QStringLiteral("ファイル %1/help/helphelp.htm は開けません").arg(folder.path()));
  QDir(folder.path()).mkpath("help");
  QFile f(folder.path() + "/help/helphelp.htm");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  trigger("Help2");
  ASSERT_EQ(platform.openedDocuments.size(), 1u);
  EXPECT_EQ(platform.openedDocuments[0], folder.path() + "/help/helphelp.htm");
}

TEST_F(CommandsTest, HelpWithoutAViewerShowsTheProgramsOwnHelpWindow) {
  QDir(folder.path()).mkpath("help");
  QFile f(folder.path() + "/help/helphelp.htm");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.close();
  platform.desktopOpensDocuments = false;
  trigger("Help2");
  EXPECT_EQ(platform.helpWindows, std::vector<QString>{folder.path() + "/help/helphelp.htm"});
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CommandsTest, ScreenPrintSendsTheClientAreaFittedToThePage) {
  trigger("N1");
  ASSERT_EQ(platform.printedPages.size(), 1u);
  EXPECT_EQ(platform.placements[0], PagePlacement::FitToPage);
  EXPECT_EQ(platform.printedPages[0].size(), window->centralWidget()->size());
  platform.printFailure = QStringLiteral("プリンタがありません");
  trigger("N1");
  EXPECT_EQ(platform.LastMessage(), QStringLiteral("プリンタがありません"));
}

TEST_F(CommandsTest, ReferenceTabFollowsTheCalculateActionsOnly) {
  auto* tabs = get<QTabWidget>("PageControl1");
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(2), QStringLiteral("＜参考計算＞"));
  tabs->setCurrentIndex(2);  // the page is made when the user first turns to it
  auto* grid = tabs->widget(2)->findChild<QTableWidget*>("ReferenceGrid");
  ASSERT_NE(grid, nullptr);
  ASSERT_GT(grid->rowCount(), 0);  // filled by the calculation of SetUp
  const auto shown = [grid] {
    QStringList cells;
    for (int r = 0; r < grid->rowCount(); ++r)
      cells << (grid->item(r, 1) ? grid->item(r, 1)->text() : QString());
    return cells;
  };
  const QStringList at40 = shown();
  click("SpeedButton5");  // slot 1 holds L0 = 40
  setText("Edit20", "45");
  click("BitBtn2");
  const QStringList at45 = shown();
  EXPECT_NE(at45, at40);
  click("SpeedButton6");  // recalling slot 1 leaves the reference values alone
  EXPECT_EQ(shown(), at45);
  click("BitBtn3");  // the shape button recalculates from the panel (L0 40 again)
  EXPECT_EQ(shown(), at40);
}

TEST_F(CommandsTest, DataSheetShowsTheCurrentDesignWithTheWindingDirection) {
  get<QCheckBox>("cb1")->setChecked(true);
  QString winding, material, label5;
  bool shown = false;
  QTimer::singleShot(0, [&] {
    QWidget* sheet = QApplication::activeModalWidget();
    ASSERT_NE(sheet, nullptr);
    shown = sheet->isVisible();
    auto* grid = sheet->findChild<QTableWidget*>("sg1");
    winding = CellText(grid, 7, 3);
    material = CellText(grid, 1, 3);
    label5 = sheet->findChild<QLabel*>("Label5")->text();
    sheet->close();
  });
  trigger("N5");
  EXPECT_TRUE(shown);
  EXPECT_EQ(winding, QStringLiteral("左"));
  EXPECT_EQ(material, "SWP-A");
  // P1 = 1.715709 kgf = 16.83 N.
  EXPECT_EQ(label5, QStringLiteral("Ｐ１　= 16.83N"));
}

TEST_F(CommandsTest, ToolWindowsOpenModally) {
  for (const char* action : {"N8", "N9"}) {
    bool modal = false;
    QTimer::singleShot(0, [&] {
      QWidget* w = QApplication::activeModalWidget();
      modal = w != nullptr && w != window.get();
      if (w) w->close();
    });
    trigger(action);
    EXPECT_TRUE(modal) << action;
  }
}

}  // namespace
}  // namespace coilspring::testing

#include <QPrinterInfo>

namespace coilspring::testing {
namespace {

TEST(DesktopPrinting, WithoutADefaultPrinterTheUserIsToldSo) {
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "this machine has a printer";
  QImage page(10, 10, QImage::Format_RGB32);
  const auto failure = DesktopPlatform().PrintImage(page, "test", PagePlacement::FitToPage);
  ASSERT_TRUE(failure.has_value());
  EXPECT_FALSE(failure->isEmpty());
}

}  // namespace
}  // namespace coilspring::testing
