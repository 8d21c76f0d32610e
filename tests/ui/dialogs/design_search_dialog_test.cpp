#include "ui/dialogs/design_search_dialog.h"

#include <QSettings>
#include <QStandardPaths>

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
  click("SearchButton");
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
  click("SearchButton");
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

TEST_F(DesignSearchWindow, BadInputsGiveMessages) {
  FillRequirements();
  setText("Load1Edit", "abc");
  click("SearchButton");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, QStringLiteral("'abc' は浮動小数点数ではありません"));
  setText("Load1Edit", "5");
  click("SearchButton");
  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[1].text,
            QStringLiteral("P2 は P1 より大きくしてください（P2 ≦ P1 では探索できません）"));
  EXPECT_EQ(table()->rowCount(), 0);
}

}  // namespace
}  // namespace coilspring::testing
