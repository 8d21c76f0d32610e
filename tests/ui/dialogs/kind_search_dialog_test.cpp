// 設計支援 of the kind windows, one row per kind: the form built from the kind's keys, the search,
// its list in the kind's columns all visible at 1366 px, 採用 and 履歴へ each one undo step, and
// a box that is no number named in the message.
#include "ui/dialogs/kind_search_dialog.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QSettings>
#include <QStandardPaths>

#include "core/compression/history.h"
#include "support/main_window_fixture.h"
#include "ui/dialogs/spring_kind_window.h"

namespace coilspring::testing {
namespace {

struct KindSearchRow {
  const char* menu;
  SpringKind kind;
  std::vector<std::pair<const char*, const char*>> requirements;  // box, text
  const char* turnsHeading;  // the list's column of the total turns
};

void PrintTo(const KindSearchRow& row, std::ostream* os) { *os << row.menu; }

const KindSearchRow kRows[] = {
    {"ExtensionMenu",
     SpringKind::Extension,
     {{"P1", "5"}, {"L1", "40"}, {"P2", "15"}, {"L2", "50"}, {"initialTension", "any"}},
     "総巻数"},
    {"TorsionMenu",
     SpringKind::Torsion,
     {{"M1", "50"}, {"M2", "200"}, {"stroke", "60"}, {"Leg1", "20"}, {"Leg2", "20"}},
     "総巻数"},
};

class KindSearchTest : public MainWindowTest, public ::testing::WithParamInterface<KindSearchRow> {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
    // The fixture's materials with the allowable bending stress the torsion spring needs.
    MaterialTable materials = FixtureMaterials();
    for (auto& m : materials.records) m.BendingRatio = 70;
    Start(materials);
    trigger(GetParam().menu);
    kindWindow = window->KindWindow(GetParam().kind);
    kindWindow->findChild<QAction*>("KindDesignSearch")->trigger();
    search = kindWindow->findChild<KindSearchDialog*>();
    ASSERT_NE(search, nullptr);
    ASSERT_TRUE(search->isVisible());
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  template <class W>
  W* in(QWidget* parent, const char* name) const {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void runSearch() {
    QTest::mouseClick(in<QPushButton>(search, "SearchButton"), Qt::LeftButton);
    EXPECT_TRUE(in<QProgressBar>(search, "SearchProgress")->isTextVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!search->Searching(), 20000);
    QApplication::processEvents();
  }
  QString turnsBox() const { return in<QLineEdit>(kindWindow, "turnsEdit")->text(); }

  TempFolder configFolder;
  SpringKindWindowBase* kindWindow = nullptr;
  KindSearchDialog* search = nullptr;
};

TEST_P(KindSearchTest, FindsAdoptsAndPutsTheListIntoTheHistory) {
  for (const auto& [box, text] : GetParam().requirements)
    in<QLineEdit>(search, box)->setText(QString::fromUtf8(text));
  runSearch();
  auto* list = in<QTableWidget>(search, "CandidateTable");
  ASSERT_GT(list->rowCount(), 0) << in<QLabel>(search, "ResultLabel")->text().toStdString();

  // Every column in view on a 1366 px screen.
  search->resize(1366, 700);
  search->show();
  QApplication::processEvents();
  int width = 0, turnsColumn = -1;
  for (int c = 0; c < list->columnCount(); ++c) {
    width += list->horizontalHeader()->sectionSize(c);
    if (list->horizontalHeaderItem(c)->text() == QString::fromUtf8(GetParam().turnsHeading))
      turnsColumn = c;
  }
  EXPECT_LE(width, list->viewport()->width());
  ASSERT_GE(turnsColumn, 0);

  // 採用 of the second candidate, then one 元に戻す.
  const QString before = turnsBox();
  list->selectRow(1 % list->rowCount());
  QTest::mouseClick(in<QPushButton>(search, "AdoptButton"), Qt::LeftButton);
  EXPECT_EQ(turnsBox(), list->item(list->currentRow(), turnsColumn)->text());
  kindWindow->findChild<QAction*>("KindUndo")->trigger();
  EXPECT_EQ(turnsBox(), before);

  // 履歴へ fills the slots in rank order; one 元に戻す empties them again.
  auto* history = in<QTableWidget>(kindWindow, "historyGrid");
  QTest::mouseClick(in<QPushButton>(search, "HistoryButton"), Qt::LeftButton);
  // Slot 1's material, below the headings.
  const auto slot1 = [history] { return history->item(kHistoryHeadingRows, 1); };
  ASSERT_NE(slot1(), nullptr);
  EXPECT_FALSE(slot1()->text().isEmpty());
  kindWindow->findChild<QAction*>("KindUndo")->trigger();
  EXPECT_TRUE(slot1() == nullptr || slot1()->text().isEmpty());
}

TEST_P(KindSearchTest, RefusesABoxThatIsNoNumberAndAKeyOutOfRange) {
  for (const auto& [box, text] : GetParam().requirements)
    in<QLineEdit>(search, box)->setText(QString::fromUtf8(text));
  in<QLineEdit>(search, "bore")->setText("abc");
  runSearch();
  EXPECT_TRUE(platform.LastMessage().contains(QStringLiteral("穴径：'abc'")))
      << platform.LastMessage().toStdString();
  in<QLineEdit>(search, "bore")->setText("");
  in<QLineEdit>(search, "springIndex")->setText("4");
  runSearch();
  EXPECT_TRUE(platform.LastMessage().contains(QStringLiteral("'springIndex'")))
      << platform.LastMessage().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryKind, KindSearchTest, ::testing::ValuesIn(kRows));

}  // namespace
}  // namespace coilspring::testing
