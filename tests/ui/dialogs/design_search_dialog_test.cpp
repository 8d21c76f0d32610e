#include "ui/dialogs/design_search_dialog.h"

#include <QHeaderView>
#include <QProgressBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <set>

#include "support/main_window_fixture.h"
#include "ui/widgets/widgets.h"

namespace coilspring::testing {
namespace {

class DesignSearchWindow : public MainWindowTest {
 protected:
  // The unit choice lives in the user's configuration: each test gets its own, gravitational.
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configFolder.path());
    Open();
  }
  void TearDown() override {
    window.reset();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  }
  void Open() {
    Start();
    trigger("DesignSearchMenu");
    dialog = window->DesignSearchWindow();
    ASSERT_NE(dialog, nullptr);
  }
  // The worked example's working points in kgf, closed unground ends, SWP-A only.
  void FillRequirements() {
    QComboBox* material = combo("MaterialCombo");
    material->setCurrentIndex(material->findText(QStringLiteral("　SWP-A")));
    combo("EndKindCombo")->setCurrentIndex(1);
    combo("LoadUnitCombo")->setCurrentIndex(1);
    setText("Load1Edit", "1.7");
    setText("Length1Edit", "35");
    setText("Load2Edit", "3.4");
    setText("Length2Edit", "30");
  }
  // Runs the search and waits for it to finish, as the designer waits for the list.
  void search() {
    click("SearchButton");
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->Searching(), 120000);
  }
  // A requirement wide enough to run for a long while.
  void FillWideRequirements() {
    combo("MaterialCombo")->setCurrentIndex(0);
    combo("EndKindCombo")->setCurrentIndex(0);
    combo("LoadUnitCombo")->setCurrentIndex(1);
    setText("Load1Edit", "0");
    setText("Length1Edit", "1000");
    setText("Load2Edit", "60");
    setText("Length2Edit", "900");
    setText("ToleranceEdit", "1e300");
    setText("MeanDiameterMinEdit", "0");
    setText("MeanDiameterMaxEdit", "1e9");
    setText("IndexMinEdit", "0");
    setText("IndexMaxEdit", "1e9");
  }
  QStringList row(int r) const {
    QStringList cells;
    for (int c = 0; c < table()->columnCount(); ++c) cells << table()->item(r, c)->text();
    return cells;
  }
  QTableWidget* table() const { return get<QTableWidget>("CandidateTable"); }
  QStringList headings(std::initializer_list<int> columns) const {
    QStringList list;
    for (int c : columns) list << table()->horizontalHeaderItem(c)->text();
    return list;
  }
  TempFolder configFolder;
  DesignSearchDialog* dialog = nullptr;
};

TEST_F(DesignSearchWindow, SearchAdoptAndHistory) {
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("設計支援"));
  FillRequirements();
  search();
  ASSERT_TRUE(platform.messages.empty());
  ASSERT_EQ(table()->rowCount(), 30);
  EXPECT_TRUE(label("ResultLabel").startsWith(QStringLiteral("評価 ")));
  const SearchCandidate best = dialog->Candidates().front();
  EXPECT_EQ(table()->item(0, 0)->text(), QStringLiteral("SWP-A"));
  EXPECT_EQ(table()->item(0, 2)->text(), FullText(best.design.MeanDiameter));

  // 採用: the main window shows the candidate, calculated by its own "計算".
  table()->setCurrentCell(1, 0);
  const SearchCandidate second = dialog->Candidates()[1];
  click("AdoptButton");
  EXPECT_EQ(text("Edit18"), FullText(second.design.MeanDiameter));
  EXPECT_EQ(text("Edit19"), FullText(second.design.TotalTurns));
  EXPECT_EQ(combo("ComboBox6")->currentText(), FullText(second.design.WireDiameter));
  EXPECT_EQ(combo("ComboBox8")->currentIndex(), 0);
  EXPECT_EQ(text("Edit25"), ShortText(second.design.SpringRate));
  EXPECT_EQ(text("Edit27"), ShortText(second.design.Stress2));
  EXPECT_EQ(listLines(), QStringList{QStringLiteral("Calculation Success!")});
  EXPECT_EQ(current().FreeLength, second.design.FreeLength);
  EXPECT_EQ(current().Load2, second.design.Load2);

  // A double click takes the first one over.
  emit table()->cellDoubleClicked(0, 3);
  EXPECT_EQ(text("Edit18"), FullText(best.design.MeanDiameter));

  // 履歴へ: empty slots are filled without a question; used ones only after a yes.
  click("HistoryButton");
  EXPECT_TRUE(platform.questions.empty());
  auto* grid = get<QTableWidget>("sg1");
  EXPECT_EQ(CellText(grid, 2, 3), ShortText(best.design.MeanDiameter));
  EXPECT_EQ(state->design[30].MeanDiameter, dialog->Candidates()[29].design.MeanDiameter);
  state->design[1].FreeLength = 1234;
  click("HistoryButton");
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(state->design[1].FreeLength, 1234);  // answered no

  // The requirements stay while the program runs.
  dialog->close();
  trigger("DesignSearchMenu");
  EXPECT_EQ(text("Load1Edit"), QStringLiteral("1.7"));
}

// The list follows the main window's unit switch, converted as the main window converts: loads
// × 9.807, the rate × 9.8066. The requirements' load unit follows only until the first opening.
TEST_F(DesignSearchWindow, ListFollowsTheMainWindowUnits) {
  EXPECT_EQ(combo("LoadUnitCombo")->currentText(), QStringLiteral("kgf"));
  EXPECT_EQ(headings({9, 10, 11}),
            (QStringList{QStringLiteral("バネ定数(kgf/mm)"), QStringLiteral("P1(kgf)"),
                         QStringLiteral("P2(kgf)")}));
  FillRequirements();
  search();
  ASSERT_EQ(table()->rowCount(), 30);
  const DesignRecord best = dialog->Candidates().front().design;
  EXPECT_EQ(table()->item(0, 9)->text(), ShortText(best.SpringRate));
  EXPECT_EQ(table()->item(0, 10)->text(), ShortText(best.Load1));
  EXPECT_EQ(table()->item(0, 11)->text(), ShortText(best.Load2));
  table()->setCurrentCell(3, 0);

  trigger("UnitsMenu");
  EXPECT_EQ(headings({9, 10, 11}), (QStringList{QStringLiteral("バネ定数(N/mm)"),
                                                QStringLiteral("P1(N)"), QStringLiteral("P2(N)")}));
  EXPECT_EQ(table()->item(0, 9)->text(), ShortText(best.SpringRate * 9.8066));
  EXPECT_EQ(table()->item(0, 10)->text(), ShortText(best.Load1 * 9.807));
  EXPECT_EQ(table()->item(0, 11)->text(), ShortText(best.Load2 * 9.807));
  EXPECT_EQ(table()->currentRow(), 3);
  EXPECT_EQ(combo("LoadUnitCombo")->currentText(), QStringLiteral("kgf"));  // the user's choice
  // The same rate the main window shows for the candidate once taken over.
  emit table()->cellDoubleClicked(0, 0);
  EXPECT_EQ(text("Edit25"), table()->item(0, 9)->text());

  trigger("UnitsMenu");
  EXPECT_EQ(table()->item(0, 10)->text(), ShortText(best.Load1));
  EXPECT_EQ(headings({10}), QStringList{QStringLiteral("P1(kgf)")});
}

TEST_F(DesignSearchWindow, LoadUnitStartsInTheSavedUnits) {
  trigger("UnitsMenu");  // saved as SI for the next run
  window.reset();
  Open();
  EXPECT_EQ(combo("LoadUnitCombo")->currentText(), QStringLiteral("N"));
  EXPECT_EQ(headings({10, 11}), (QStringList{QStringLiteral("P1(N)"), QStringLiteral("P2(N)")}));
}

TEST_F(DesignSearchWindow, BadInputsNameTheirFieldAndClearTheOldList) {
  const struct {
    const char* box;
    const char* text;
    const char* message;
  } cases[] = {
      {"Load1Edit", "abc", "荷重（Ｐ１）：'abc' は浮動小数点数ではありません"},
      {"Load1Edit", "", "荷重（Ｐ１）：'' は浮動小数点数ではありません"},
      {"Length2Edit", "x", "長さ（Ｌ２）：'x' は浮動小数点数ではありません"},
      {"MeanDiameterMaxEdit", "?", "平均径（上限）：'?' は浮動小数点数ではありません"},
      {"IndexMinEdit", "", "バネ指数（下限）：'' は浮動小数点数ではありません"},
  };
  for (const auto& c : cases) {
    FillRequirements();
    search();
    ASSERT_EQ(table()->rowCount(), 30) << c.box;
    const QString before = text(c.box);
    setText(c.box, QString::fromUtf8(c.text));
    platform.messages.clear();
    click("SearchButton");
    EXPECT_FALSE(dialog->Searching());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(table()->rowCount(), 0) << c.box;
    EXPECT_TRUE(dialog->Candidates().empty());
    setText(c.box, before);
  }
  FillRequirements();
  platform.messages.clear();
  setText("Load1Edit", "5");
  search();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            QStringLiteral("P2 は P1 より大きくしてください（P2 ≦ P1 では探索できません）"));
  EXPECT_EQ(table()->rowCount(), 0);
}

TEST_F(DesignSearchWindow, ACancelledSearchLeavesThePreviousList) {
  FillRequirements();
  search();
  ASSERT_EQ(table()->rowCount(), 30);
  const QStringList first = row(0);
  FillWideRequirements();
  click("SearchButton");
  ASSERT_TRUE(dialog->Searching());
  EXPECT_TRUE(get<QProgressBar>("SearchProgress")->isVisible());
  EXPECT_FALSE(get<QPushButton>("SearchButton")->isEnabled());
  // The window's own events go on meanwhile (one pass of the event loop, far shorter than the
  // search).
  bool handled = false;
  QTimer::singleShot(0, dialog, [&] { handled = true; });
  QCoreApplication::processEvents();
  EXPECT_TRUE(handled);
  EXPECT_TRUE(dialog->Searching());
  click("CancelButton");
  QTRY_VERIFY_WITH_TIMEOUT(!dialog->Searching(), 60000);
  EXPECT_EQ(table()->rowCount(), 30);
  EXPECT_EQ(row(0), first);
  EXPECT_TRUE(label("ResultLabel").contains(QStringLiteral("中止")));
  EXPECT_FALSE(get<QProgressBar>("SearchProgress")->isVisible());
  EXPECT_TRUE(platform.messages.empty());
}

// Five more piano wires of 20 diameters each make the wide requirement about 33 million
// candidates (17 wires give 4.8 million): the designer is asked first, and "no" searches nothing.
TEST_F(DesignSearchWindow, ASearchOfOverTwentyMillionCandidatesIsAskedAboutFirst) {
  window.reset();
  MaterialTable many = FixtureMaterials();
  for (int n = 6; n < 11; ++n)
    many[n] =
        MakeMaterial("ピアノ線", "SWP-A", 0, {0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3, 1.4,
                                              1.5, 1.6, 1.7, 1.8, 1.9, 2.0, 2.1, 2.2, 2.3, 2.4});
  Start(many);
  trigger("DesignSearchMenu");
  dialog = window->DesignSearchWindow();
  FillWideRequirements();
  click("SearchButton");
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_TRUE(platform.questions[0].contains(QStringLiteral("このまま探索しますか")));
  EXPECT_FALSE(dialog->Searching());
  EXPECT_EQ(table()->rowCount(), 0);
}

TEST_F(DesignSearchWindow, OneRowIsOneSpringWithTheEndFormsThatMakeIt) {
  FillRequirements();
  combo("EndKindCombo")->setCurrentIndex(0);  // every end form
  search();
  ASSERT_GT(table()->rowCount(), 0);
  std::set<QStringList> springs;
  bool listed = false;
  for (int r = 0; r < table()->rowCount(); ++r) {
    QStringList cells = row(r);
    const QString forms = cells.takeAt(7);
    listed = listed || forms.contains(QStringLiteral("\n"));
    EXPECT_TRUE(springs.insert(cells).second) << r;
  }
  EXPECT_TRUE(listed);
  EXPECT_EQ(table()->item(0, 7)->text(), Utf8(EndFormsText(dialog->Candidates().front(), "\n")));
  // One end form a line keeps every column in view, and the progress shows in percent.
  int width = 0;
  for (int c = 0; c < table()->columnCount(); ++c)
    width += table()->horizontalHeader()->sectionSize(c);
  EXPECT_LE(width, table()->viewport()->width());
  EXPECT_TRUE(get<QProgressBar>("SearchProgress")->isTextVisible());
}

TEST_F(DesignSearchWindow, TheWorstCaseOfAGradeCanBeRequired) {
  FillRequirements();
  setText("BoreEdit", "21");
  search();
  const std::size_t plain = dialog->Candidates().size();
  get<QCheckBox>("WorstCaseCheck")->setChecked(true);
  EXPECT_EQ(combo("WorstCaseGradeCombo")->currentText(), QStringLiteral("2級"));
  combo("WorstCaseGradeCombo")->setCurrentIndex(2);
  search();
  ASSERT_TRUE(platform.messages.empty());
  EXPECT_LE(dialog->Candidates().size(), plain);
  for (const SearchCandidate& c : dialog->Candidates()) {
    ReferenceInputs in;
    in.grade = 3;
    in.bore = 21;
    const WorstCase w =
        ComputeReferenceChecks(c.design, state->materials()[c.design.MaterialNo], in).worstCase;
    EXPECT_EQ(w.stressVerdict, Verdict::Ok);
    EXPECT_EQ(w.boreVerdict, Verdict::Ok);
  }
}

// The main window can come in front of the assistant, and 採用 brings it there.
TEST_F(DesignSearchWindow, AdoptingBringsTheMainWindowToTheFront) {
  EXPECT_EQ(dialog->parentWidget(), nullptr);
  EXPECT_EQ(dialog->windowType(), Qt::Window);
  window->show();
  FillRequirements();
  search();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  click("AdoptButton");
  EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EXPECT_EQ(QApplication::activeWindow(), window.get());
}

}  // namespace
}  // namespace coilspring::testing
