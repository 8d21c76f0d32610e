// What every design window does alike, one row per spring kind: the compression spring's main
// window and the windows of the other kinds, driven through their named controls.
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

#include "core/compression/history.h"
#include "core/records/file_io.h"
#include "support/main_window_fixture.h"
#include "ui/dialogs/coefficient_dialog.h"
#include "ui/dialogs/data_sheet_dialog.h"
#include "ui/dialogs/design_search_dialog.h"
#include "ui/dialogs/kind_search_dialog.h"
#include "ui/dialogs/material_editor_dialog.h"
#include "ui/dialogs/spring_kind_window.h"
#include "ui/widgets/look.h"
#include "ui/widgets/string_grid.h"

namespace coilspring::testing {
namespace {

struct DesignWindowRow {
  const char* menu;  // the entry of the menu ばね; none for the main window
  const char* calculate;
  const char* slotSpin;
  const char* store;
  const char* history;
  int headingRows;    // the history grid's rows above slot 1
  int numberColumns;  // its columns left of the design's, the slot numbers
  const char* turns;
  const char* save;
  const char* open;
  const char* undo;
  const char* redo;
  const char* file;
  // 計算 refuses a design that cannot exist; the main window shows it as a faulty design.
  bool refusesImpossible;
  // A box the start's input mode only shows a result in; the reference page's grid, its modulus
  // row and that row at 120 ℃; the README's picture of the window, in docs/.
  const char *shownOnly, *reference, *modulus, *modulusAt120, *picture;
  const char* step;  // ファイル → 3Dモデル出力（STEP）
};

void PrintTo(const DesignWindowRow& row, std::ostream* os) { *os << row.file; }

const DesignWindowRow kWindows[] = {
    {nullptr,
     "BitBtn2",
     "SpinEdit1",
     "SpeedButton5",
     "sg1",
     kHistoryHeadingRows,
     1,
     "Edit19",
     "N3",
     "Edit2",
     "Undo",
     "Redo",
     "d.abd",
     false,
     "Edit23",
     "ReferenceGrid",
     "運転温度での横弾性係数",
     "76538",
     "main_window.png",
     "StepMenu"},
    {"ExtensionMenu",
     "calculateButton",
     "historySlotSpin",
     "storeButton",
     "historyGrid",
     kHistoryHeadingRows,
     1,
     "turnsEdit",
     "KindSave",
     "KindOpen",
     "KindUndo",
     "KindRedo",
     "e.json",
     true,
     "load1Edit",
     "referenceGrid",
     "使用温度の横弾性係数",
     "76538",
     "extension_window.png",
     "KindStep"},
    {"TorsionMenu",
     "calculateButton",
     "historySlotSpin",
     "storeButton",
     "historyGrid",
     kHistoryHeadingRows,
     1,
     "turnsEdit",
     "KindSave",
     "KindOpen",
     "KindUndo",
     "KindRedo",
     "t.json",
     true,
     nullptr,
     "TorsionReference",
     "縦弾性係数（使用温度）",
     "200850",
     "torsion_window.png",
     "KindStep"},
    {"ConicalMenu",
     "calculateButton",
     "historySlotSpin",
     "storeButton",
     "historyGrid",
     kHistoryHeadingRows,
     1,
     "turnsEdit",
     "KindSave",
     "KindOpen",
     "KindUndo",
     "KindRedo",
     "c.json",
     true,
     "load1Edit",
     "referenceGrid",
     "使用温度の横弾性係数",
     "76538",
     "conical_window.png",
     "KindStep"},
};

class DesignWindowTest : public MainWindowTest,
                         public ::testing::WithParamInterface<DesignWindowRow> {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
    Start();
    window->show();
    top = window.get();
    if (GetParam().menu != nullptr) {
      trigger(GetParam().menu);
      top = window->SpringKindWindows().front();
    }
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  template <class W>
  W* in(const char* name) const {
    W* w = top->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void calculateWithTurns(const char* turns) const {
    in<QLineEdit>(GetParam().turns)->setText(QString::fromLatin1(turns));
    QTest::mouseClick(in<QAbstractButton>(GetParam().calculate), Qt::LeftButton);
  }
  void store(int slot) const {
    in<QSpinBox>(GetParam().slotSpin)->setValue(slot);
    QTest::mouseClick(in<QAbstractButton>(GetParam().store), Qt::LeftButton);
  }
  void act(const char* action) const { in<QAction>(action)->trigger(); }
  // The texts of every slot's row, slot 1 first.
  QStringList historyRows() const {
    auto* grid = in<QTableWidget>(GetParam().history);
    QStringList rows;
    for (int slot = 1; slot <= kHistorySlots; ++slot) {
      QStringList cells;
      for (int c = GetParam().numberColumns; c < grid->columnCount(); ++c) {
        const QTableWidgetItem* item = grid->item(GetParam().headingRows + slot - 1, c);
        cells << (item ? item->text() : QString());
      }
      rows << cells.join('|');
    }
    return rows;
  }
  bool unsaved() const {
    return GetParam().menu ? window->SpringKindWindows().front()->HasUnsavedDesign()
                           : window->HasUnsavedDesign();
  }

  TempFolder configFolder;
  QWidget* top = nullptr;
};

TEST_P(DesignWindowTest, HistoryFileUndoAndUnitsBehaveAlike) {
  const DesignWindowRow& row = GetParam();
  const std::pair<const char*, QKeySequence> keys[] = {{row.open, Qt::CTRL | Qt::Key_O},
                                                       {row.save, Qt::CTRL | Qt::Key_S},
                                                       {row.undo, Qt::CTRL | Qt::Key_Z},
                                                       {row.redo, Qt::CTRL | Qt::Key_Y}};
  for (const auto& [action, key] : keys) EXPECT_EQ(in<QAction>(action)->shortcut(), key);
  calculateWithTurns("8");
  store(1);
  calculateWithTurns("10");
  store(3);
  const QStringList stored = historyRows();
  ASSERT_NE(stored[0], stored[2]);
  ASSERT_EQ(stored[1], stored[3]);  // slot 2 left empty, as every slot after 3

  // A click on slot 1's row recalls it as stored.
  in<QTableWidget>(row.history)->cellClicked(row.headingRows, 1);
  EXPECT_EQ(in<QLineEdit>(row.turns)->text(), QStringLiteral("8"));
  act(row.undo);  // the recall
  act(row.undo);  // the store into slot 3
  EXPECT_EQ(historyRows()[2], stored[3]);
  act(row.redo);
  EXPECT_EQ(historyRows(), stored);

  const QString file = folder.path() + "/" + row.file;
  platform.saveAnswers = {file};
  act(row.save);
  EXPECT_FALSE(unsaved());
  EXPECT_TRUE(top->windowTitle().startsWith(QString::fromLatin1(row.file) + "[*] - "));
  EXPECT_FALSE(top->isWindowModified());  // the title names the file and marks unsaved work
  calculateWithTurns("12");
  store(2);
  EXPECT_TRUE(unsaved());
  EXPECT_TRUE(top->isWindowModified());
  platform.unsavedAnswers = {UnsavedChoice::Discard};
  platform.openAnswers = {file};
  act(row.open);
  ASSERT_TRUE(platform.messages.empty()) << platform.LastMessage().toStdString();
  EXPECT_EQ(historyRows(), stored);  // with the results each had before the save
  EXPECT_FALSE(unsaved());
  EXPECT_EQ(in<QLineEdit>(row.turns)->text(), QStringLiteral("10"));

  // A design that cannot exist is refused naming its field, and changes nothing.
  calculateWithTurns("-1");
  ASSERT_EQ(platform.messages.size(), row.refusesImpossible ? 1u : 0u);
  EXPECT_EQ(platform.LastMessage().contains(QStringLiteral("'TotalTurns'")), row.refusesImpossible);
  EXPECT_EQ(unsaved(), !row.refusesImpossible);

  // The main window's unit switch reaches the window at once: the rates and stresses in N.
  trigger("UnitsMenu");
  const QStringList si = historyRows();
  EXPECT_NE(si[0], stored[0]);
  EXPECT_EQ(si[1], stored[1]);
}

// On a 1366×768 screen (its own CTest entry) each window opens whole inside the free area, and
// again where the user left it, moved back inside when it was left partly outside.
TEST_P(DesignWindowTest, OpensWholeOnALaptopScreenWhereItWasLeft) {
  const QRect area = top->screen()->availableGeometry();
  if (area.size() != QSize(1366, 768)) GTEST_SKIP() << "for the 1366×768 screen";
  const QSize frame = top->frameGeometry().size() - top->geometry().size();
  EXPECT_TRUE(area.contains(top->frameGeometry()));
  if (GetParam().menu == nullptr) {
    EXPECT_EQ(window->centralWidget()->size(), QSize(817, 721));  // and its menu bar above
    EXPECT_EQ(top->frameGeometry().top(), area.top());
  } else {
    EXPECT_TRUE(QRect(0, 0, 1366, 740).contains(QRect({}, top->minimumSizeHint() + frame)));
    // Maximised on a 1600×1000 screen: 8 slots of the history or more in sight.
    top->resize(QSize(1600, 1000) - frame);
    QApplication::sendPostedEvents();
    auto* grid = in<QTableWidget>(GetParam().history);
    EXPECT_GE(grid->viewport()->height() / grid->rowHeight(GetParam().headingRows),
              kHistoryHeadingRows + 8);
    top->resize(900, 600);
  }
  const auto Reopen = [this] {  // the program again, its windows placed as the user left them
    top->close();
    SetUp();
  };
  const QRect left(area.topLeft() + QPoint(30, 20), top->size());
  top->move(left.topLeft());
  Reopen();
  EXPECT_EQ(top->frameGeometry().topLeft(), left.topLeft());
  EXPECT_EQ(top->size(), left.size());
  top->move(area.bottomRight() - QPoint(100, 100));
  Reopen();
  EXPECT_TRUE(area.contains(top->frameGeometry()));
  EXPECT_EQ(top->size(), left.size());
}

// The same look in every window: input boxes cyan, a box that only shows a result white and
// closed, the history headed by its units, which follow a unit switch, and judged in every kind.
TEST_P(DesignWindowTest, InputsHistoryAndUnitsLookAlike) {
  const DesignWindowRow& row = GetParam();
  EXPECT_EQ(in<QLineEdit>(row.turns)->palette().color(QPalette::Base), kAqua);
  if (row.shownOnly != nullptr) {
    EXPECT_FALSE(in<QLineEdit>(row.shownOnly)->isEnabled());
    EXPECT_EQ(in<QLineEdit>(row.shownOnly)->palette().color(QPalette::Base), QColor(Qt::white));
  }
  auto* grid = in<QTableWidget>(row.history);
  const auto units = [&](const char* unit) {
    return !grid->findItems(unit, Qt::MatchExactly).empty();
  };
  EXPECT_TRUE(units("kgf/mm^2"));
  trigger("UnitsMenu");
  EXPECT_TRUE(units("N/mm^2") && !units("kgf/mm^2"));
  EXPECT_EQ(CellText(grid, 0, grid->columnCount() - 1) == "判定", row.menu != nullptr);
}

// The operating temperature as the main window takes it: for steel G (E for torsion) falls by
// 0.25·10⁻³ per K above 20 ℃, 0.975 of it at 120 ℃, shown whole; none below absolute zero.
TEST_P(DesignWindowTest, ReferencePageTakesTheOperatingTemperature) {
  const DesignWindowRow& row = GetParam();
  QTest::mouseClick(in<QAbstractButton>(row.calculate), Qt::LeftButton);
  for (QTabWidget* pages : top->findChildren<QTabWidget*>())
    pages->setCurrentIndex(pages->count() - 1);
  const auto modulusAt = [&](const char* temperature) {
    in<QLineEdit>("ReferenceTemperature")->setText(QString::fromLatin1(temperature));
    QTest::keyClick(in<QLineEdit>("ReferenceTemperature"), Qt::Key_Return);
    auto* grid = in<QTableWidget>(row.reference);
    const auto found = grid->findItems(QString::fromUtf8(row.modulus), Qt::MatchExactly);
    return found.empty() ? QString() : grid->item(found[0]->row(), 1)->text();
  };
  EXPECT_EQ(modulusAt("120"), QString::fromLatin1(row.modulusAt120));
  EXPECT_EQ(modulusAt("-300"), QStringLiteral("―"));
}

// The README shows each window as the program draws it at its start: the picture in docs/ is
// this test's, and a change of a window fails here until COILSPRING_WRITE_DOCS=1 draws it anew.
TEST_P(DesignWindowTest, TheReadmeShowsTheWindowAsItIs) {
  if (GetParam().menu != nullptr) top->resize(1200, 720);
  QApplication::sendPostedEvents();
  const QImage shown = top->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QString path = QStringLiteral(COILSPRING_SOURCE_DIR "/docs/") + GetParam().picture;
  if (qEnvironmentVariableIsSet("COILSPRING_WRITE_DOCS")) shown.save(path);
  EXPECT_EQ(QImage(path).convertToFormat(QImage::Format_RGB32), shown)
      << path.toStdString() << ": run the test with COILSPRING_WRITE_DOCS=1 to draw it anew";
}

// The solid comes from the 3D module beside the program (the test's copy); what it holds is
// read back in tests/model3d.
TEST_P(DesignWindowTest, TheStepEntryWritesTheSpringsSolid) {
  const std::string file = folder.file("s.step");
  platform.saveAnswers = {QString::fromStdString(file)};
  act(GetParam().step);
  ASSERT_TRUE(platform.messages.empty()) << platform.LastMessage().toStdString();
  EXPECT_TRUE(platform.saveRequests.back().filter.contains("*.step"));
  EXPECT_TRUE(platform.saveRequests.back().proposedName.endsWith(".step"));
  const Bytes step = ReadWholeFile(file);
  EXPECT_TRUE(std::string(step.begin(), step.end()).starts_with("ISO-10303-21;"));
  if (GetParam().refusesImpossible) return;
  // A design no solid can be made of: the reason in a message box, the old file kept.
  calculateWithTurns("-1");
  platform.saveAnswers = {QString::fromStdString(file)};
  act(GetParam().step);
  EXPECT_TRUE(platform.LastMessage().startsWith(QStringLiteral("3Dモデルを作れません: ")));
  EXPECT_EQ(ReadWholeFile(file), step);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DesignWindowTest, ::testing::ValuesIn(kWindows));

// The dialogs too open inside the 1366×768 screen's free area, as far as their size allows (the
// data sheet's page is taller than it), and in the program's next run again where they were left.
using OpenDialog = QWidget* (*)(MainWindow&);
const OpenDialog kDialogs[] = {[](MainWindow& w) -> QWidget* { return w.DataSheetWindow(); },
                               [](MainWindow& w) -> QWidget* { return w.DesignSearchWindow(); },
                               [](MainWindow& w) -> QWidget* { return w.MaterialEditor(); },
                               [](MainWindow& w) -> QWidget* { return w.CoefficientWindow(); },
                               [](MainWindow& w) -> QWidget* {
                                 w.findChild<QAction*>("ExtensionMenu")->trigger();
                                 return w.SpringKindWindows().front()->DesignSearchWindow();
                               }};

class DialogPlaceTest : public MainWindowTest, public ::testing::WithParamInterface<OpenDialog> {
 protected:
  QWidget* Open() {
    Start();
    window->show();
    QWidget* dialog = GetParam()(*window);
    dialog->show();
    return dialog;
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  TempFolder configFolder;
};

TEST_P(DialogPlaceTest, OpensOnALaptopScreenWhereItWasLeft) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
  QWidget* dialog = Open();
  const QRect area = dialog->screen()->availableGeometry();
  if (area.size() != QSize(1366, 768)) GTEST_SKIP() << "for the 1366×768 screen";
  const QRect outer = dialog->frameGeometry();
  EXPECT_EQ(area.intersected(outer).size(), outer.size().boundedTo(area.size()));
  const QPoint left = area.topLeft() + QPoint(40, 0);
  dialog->move(left);
  dialog->close();
  dialog = Open();
  EXPECT_EQ(dialog->frameGeometry().topLeft(), left);
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogPlaceTest, ::testing::ValuesIn(kDialogs));

}  // namespace
}  // namespace coilspring::testing
