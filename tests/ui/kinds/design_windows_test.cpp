// What every design window does alike, one row per spring kind: the compression spring's main
// window and the windows of the other kinds, driven through their named controls.
#include <QSettings>
#include <QStandardPaths>

#include "core/compression/history.h"
#include "core/records/file_io.h"
#include "support/main_window_fixture.h"
#include "ui/dialogs/spring_kind_window.h"

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
  const char* step;  // ファイル → 3Dモデル出力（STEP）
};

void PrintTo(const DesignWindowRow& row, std::ostream* os) { *os << row.file; }

const DesignWindowRow kWindows[] = {
    {nullptr, "BitBtn2", "SpinEdit1", "SpeedButton5", "sg1", kHistoryHeadingRows, 1, "Edit19", "N3",
     "Edit2", "Undo", "Redo", "d.abd", false, "StepMenu"},
    {"ExtensionMenu", "calculateButton", "historySlotSpin", "storeButton", "historyGrid", 0, 0,
     "turnsEdit", "KindSave", "KindOpen", "KindUndo", "KindRedo", "e.json", true, "KindStep"},
    {"TorsionMenu", "calculateButton", "historySlotSpin", "storeButton", "historyGrid", 0, 0,
     "turnsEdit", "KindSave", "KindOpen", "KindUndo", "KindRedo", "t.json", true, "KindStep"},
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
  calculateWithTurns("12");
  store(2);
  EXPECT_TRUE(unsaved());
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

}  // namespace
}  // namespace coilspring::testing
