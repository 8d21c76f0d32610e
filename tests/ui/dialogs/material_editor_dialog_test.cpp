#include "ui/dialogs/material_editor_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/records/file_io.h"
#include "core/text/sjis.h"
#include "support/blocked_write.h"
#include "support/scripted_platform.h"

namespace coilspring {
namespace {

using testing::BlockedWrite;
using testing::ScriptedPlatform;

const QString kWarningFor3 = QStringLiteral("種類番号＝ 3 は８以上登録できません！");

MaterialRecord Material(const std::string& kindSjis, const std::string& symbol, int kindNo,
                        int rows) {
  MaterialRecord r;
  r.KindName.AssignRaw(kindSjis);
  r.Symbol.AssignRaw(symbol);
  r.ShearModulus = 78500;
  r.YoungModulus = 206000;
  r.KindNo = kindNo;
  r.TorsionRatio = 45;
  r.BendingRatio = 75;
  r.RowCount = rows;
  for (int i = 0; i < rows; ++i) {
    r.WireDiameters[i] = (20 + 5 * i) / 100.0;  // decimal values the screen shows exactly
    r.TensileStrengths[i] = 2500 - 10 * i;
    r.AllowableTorsion[i] = 1100.5 - i;
    r.AllowableBending[i] = 1800 + i;
  }
  return r;
}

// Record 0: kind 0 with 12 rows; records 1..5 other materials; the rest empty (kind 10).
void FillTable(MaterialTable& table) {
  for (auto& r : table.records) r = MaterialRecord{}, r.KindNo = kEmptyKindNo;
  table[0] = Material(Utf8ToSjis("ピアノ線"), "SWP-A", 0, 12);
  table[1] = Material(Utf8ToSjis("ピアノ線"), "SWP-B", 0, 50);
  table[2] = Material(Utf8ToSjis("硬鋼線"), "SW-C", 1, 7);
  table[3] = Material(Utf8ToSjis("ステンレス線"), "SUS304", 2, 20);
  // A kind name whose last character the 50-byte field cut in two.
  table[4] = Material(std::string(49, 'K') + "\x82", "CUT", 2, 3);
  table[5] = Material(Utf8ToSjis("オイルテンパー線"), "SWO-A", 3, 1);
}

class DataMakeWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    state = std::make_unique<CalculatorState>();
    FillTable(state->EditMaterials());
    window = std::make_unique<MaterialEditorDialog>(*state, platform);
  }

  template <class T>
  T* Control(const char* name) const {
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  QLineEdit* Edit(const char* name) const { return Control<QLineEdit>(name); }
  QTableWidget* Grid() const { return Control<QTableWidget>("SG1"); }
  QSpinBox* Spin() const { return Control<QSpinBox>("SE1"); }
  QListWidget* Comments() const { return Control<QListWidget>("ListBox1"); }
  void Click(const char* name) const { Control<QPushButton>(name)->click(); }
  void Up() const { Click("BitBtn3"); }
  void Down() const { Click("BitBtn4"); }
  // Text of table entry `entry`, column 0 diameter .. 3 allowable bending.
  QString Cell(int entry, int column) const { return Grid()->item(2 + entry, 1 + column)->text(); }
  void SetCell(int entry, int column, const QString& text) const {
    Grid()->item(2 + entry, 1 + column)->setText(text);
  }
  void GoTo(int n) const {
    while (window->currentDataNo() < n) Up();
  }
  void SelectEntry(int entry) const { Grid()->setCurrentCell(2 + entry, 1); }
  MaterialRecord& Record(int n) const { return state->EditMaterials()[n]; }
  QString Path(const QString& name) const { return dir.filePath(name); }
  static Bytes ReadBytes(const QString& path) { return ReadWholeFile(path.toStdString()); }

  QTemporaryDir dir;
  ScriptedPlatform platform;
  std::unique_ptr<CalculatorState> state;
  std::unique_ptr<MaterialEditorDialog> window;
};

TEST_F(DataMakeWindow, CreationWritesHeadingsAndShowsRecordZero) {
  EXPECT_EQ(window->windowTitle(), "data_make");
  QTableWidget* grid = Grid();
  EXPECT_EQ(grid->rowCount(), 52);
  EXPECT_EQ(grid->columnCount(), 5);
  const int widths[] = {20, 54, 101, 100, 107};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(grid->columnWidth(c), widths[c]);
  EXPECT_EQ(grid->rowHeight(30), 20);
  const char* headings[] = {"No", "材料線径", "引張り強さ", "許容ねじり応力", "許容曲げ応力"};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(grid->item(0, c)->text(), QString::fromUtf8(headings[c]));
  EXPECT_EQ(grid->item(1, 1)->text(), "        mm");
  for (int c = 2; c < 5; ++c) EXPECT_EQ(grid->item(1, c)->text(), "           N/mm^2");
  EXPECT_EQ(grid->item(2, 0)->text(), "0");
  EXPECT_EQ(grid->item(51, 0)->text(), "49");
  EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
  EXPECT_FALSE(grid->item(7, 0)->flags() & Qt::ItemIsEditable);
  EXPECT_TRUE(grid->item(7, 1)->flags() & Qt::ItemIsEditable);

  EXPECT_EQ(Edit("Edit7")->text(), "0");
  EXPECT_EQ(Edit("Edit1")->text(), "ピアノ線");
  EXPECT_EQ(Edit("Edit2")->text(), "SWP-A");
  EXPECT_EQ(Edit("Edit3")->text(), "78500");
  EXPECT_EQ(Edit("Edit5")->text(), "206000");
  EXPECT_EQ(Edit("Edit4")->text(), "12");
  EXPECT_EQ(Edit("Edit10")->text(), "45");
  EXPECT_EQ(Edit("Edit11")->text(), "75");
  EXPECT_EQ(Spin()->value(), 0);
  EXPECT_EQ(Spin()->minimum(), 0);
  EXPECT_EQ(Spin()->maximum(), 10);
  // The spin box kept its value, so the count has not been worked out yet.
  EXPECT_EQ(Edit("Edit9")->text(), "0");
  EXPECT_EQ(Cell(0, 0), "0.2");
  EXPECT_EQ(Cell(11, 0), "0.75");
  EXPECT_EQ(Cell(11, 2), "1089.5");
  for (int i = 12; i < 50; ++i)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(i, c), "0") << i;
  for (const char* name :
       {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn6", "BitBtn7", "BitBtn8"})
    EXPECT_FALSE(Control<QPushButton>(name)->autoDefault()) << name;
}

TEST_F(DataMakeWindow, StoringTwelveRowsKeepsTheCount) {
  Up();
  EXPECT_EQ(Record(0).RowCount, 12);
  EXPECT_EQ(Record(0), Material(Utf8ToSjis("ピアノ線"), "SWP-A", 0, 12));
  EXPECT_EQ(window->currentDataNo(), 1);
  EXPECT_EQ(Edit("Edit4")->text(), "50");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DataMakeWindow, ZeroTypedAtEntryFiveEndsTheTable) {
  SetCell(5, 0, "0");
  Up();
  EXPECT_EQ(Record(0).RowCount, 5);
  for (int i = 5; i < 50; ++i) {
    EXPECT_EQ(Record(0).WireDiameters[i], 0.0);
    EXPECT_EQ(Record(0).TensileStrengths[i], 0.0);
    EXPECT_EQ(Record(0).AllowableTorsion[i], 0.0);
    EXPECT_EQ(Record(0).AllowableBending[i], 0.0);
  }
  Down();
  EXPECT_EQ(Edit("Edit4")->text(), "5");
  EXPECT_EQ(Cell(4, 0), "0.4");
  EXPECT_EQ(Cell(6, 1), "0");
}

TEST_F(DataMakeWindow, ZeroPointZeroOrBlankZeroIsNoEndMarker) {
  for (const QString& text : {QStringLiteral("0.0"), QStringLiteral(" 0")}) {
    FillTable(state->EditMaterials());
    window->ShowMaterialRecord(0);
    SetCell(5, 0, text);
    Up();
    EXPECT_EQ(Record(0).RowCount, 12) << text.toStdString();
    EXPECT_EQ(Record(0).WireDiameters[5], 0.0);
    EXPECT_EQ(Record(0).WireDiameters[6], 0.5);
    EXPECT_EQ(Record(0).TensileStrengths[11], 2390);
  }
}

TEST_F(DataMakeWindow, AllFiftyRowsInUseStayFifty) {
  GoTo(1);
  Up();
  EXPECT_EQ(Record(1).RowCount, 50);
  EXPECT_EQ(Record(1).AllowableBending[49], 1849);
}

TEST_F(DataMakeWindow, InsertedRowLeftEmptyEndsTheTableAtTheNextStore) {
  SelectEntry(3);
  Click("BitBtn6");
  EXPECT_EQ(Cell(3, 0), "0");
  EXPECT_EQ(Cell(4, 0), "0.35");
  EXPECT_EQ(Cell(12, 0), "0.75");
  EXPECT_EQ(Edit("Edit4")->text(), "12");
  Up();
  EXPECT_EQ(Record(0).RowCount, 3);
  EXPECT_EQ(Record(0).WireDiameters[4], 0.0);
}

TEST_F(DataMakeWindow, InsertedRowFilledInKeepsEveryRow) {
  SelectEntry(3);
  Click("BitBtn6");
  SetCell(3, 0, "0.33");
  Up();
  EXPECT_EQ(Record(0).RowCount, 13);
  EXPECT_EQ(Record(0).WireDiameters[3], 0.33);
  EXPECT_EQ(Record(0).WireDiameters[4], 0.35);
  EXPECT_EQ(Record(0).TensileStrengths[3], 0.0);
}

TEST_F(DataMakeWindow, DeletedRowMovesTheRestUpAndTheCountFollowsAtTheNextStore) {
  SelectEntry(3);
  Click("BitBtn7");
  EXPECT_EQ(Cell(3, 0), "0.4");
  EXPECT_EQ(Cell(10, 0), "0.75");
  for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(11, c), "0");
  EXPECT_EQ(Edit("Edit4")->text(), "12");
  Up();
  EXPECT_EQ(Record(0).RowCount, 11);
}

TEST_F(DataMakeWindow, UpAtTheLastAndDownAtTheFirstStoreAndStay) {
  Edit("Edit2")->setText("NEW0");
  Down();
  EXPECT_EQ(window->currentDataNo(), 0);
  EXPECT_EQ(Record(0).Symbol.Raw(), "NEW0");
  GoTo(29);
  EXPECT_EQ(window->currentDataNo(), 29);
  SetCell(0, 0, "1.5");
  Edit("Edit2")->setText("LAST");
  Up();
  EXPECT_EQ(window->currentDataNo(), 29);
  EXPECT_EQ(Edit("Edit7")->text(), "29");
  EXPECT_EQ(Record(29).Symbol.Raw(), "LAST");
  EXPECT_EQ(Record(29).WireDiameters[0], 1.5);
  EXPECT_EQ(Record(29).RowCount, 1);
}

TEST_F(DataMakeWindow, KindCountAtEightIsFineAndAtNineWarns) {
  // Seven materials of kind 3 in the table: choosing 3 for the shown record gives eight.
  for (int r = 10; r < 16; ++r) Record(r) = Material("X", "X", 3, 1);
  Spin()->stepUp();
  Spin()->stepUp();
  Spin()->stepUp();
  EXPECT_EQ(Spin()->value(), 3);
  EXPECT_EQ(Edit("Edit9")->text(), "8");
  EXPECT_EQ(Comments()->count(), 0);
  // An eighth stored material of kind 3 makes it nine.
  Record(16) = Material("X", "X", 3, 1);
  Spin()->stepDown();
  Spin()->stepUp();
  EXPECT_EQ(Edit("Edit9")->text(), "9");
  ASSERT_EQ(Comments()->count(), 1);
  EXPECT_EQ(Comments()->item(0)->text(), kWarningFor3);
  // The change itself stands and is stored.
  Up();
  EXPECT_EQ(Record(0).KindNo, 3);
}

TEST_F(DataMakeWindow, ShowingARecordOfAFullKindWarns) {
  for (int r = 10; r < 17; ++r) Record(r) = Material("X", "X", 3, 1);  // with record 5: eight
  GoTo(5);
  EXPECT_EQ(Spin()->value(), 3);
  EXPECT_EQ(Edit("Edit9")->text(), "9");
  ASSERT_EQ(Comments()->count(), 1);
  EXPECT_EQ(Comments()->item(0)->text(), kWarningFor3);
}

TEST_F(DataMakeWindow, EmptyRecordsDoNotWarn) {
  GoTo(6);
  EXPECT_EQ(Spin()->value(), 10);
  EXPECT_EQ(Edit("Edit9")->text(), "25");
  EXPECT_EQ(Comments()->count(), 0);
}

TEST_F(DataMakeWindow, DoubleClickClearsTheComments) {
  for (int r = 10; r < 17; ++r) Record(r) = Material("X", "X", 3, 1);
  GoTo(5);
  ASSERT_EQ(Comments()->count(), 1);
  EXPECT_EQ(Comments()->toolTip(), "ダブルクリックでクリアー");
  window->show();
  QTest::mouseDClick(Comments()->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
  EXPECT_EQ(Comments()->count(), 0);
  window->hide();
}

TEST_F(DataMakeWindow, KindNumberOutsideTheRangeShowsTheBoundAndStoresIt) {
  Record(1).KindNo = 25;
  Record(2).KindNo = -4;
  Up();
  EXPECT_EQ(Spin()->value(), 10);
  Up();
  EXPECT_EQ(Spin()->value(), 0);
  Up();
  EXPECT_EQ(Record(1).KindNo, 10);
  EXPECT_EQ(Record(2).KindNo, 0);
}

TEST_F(DataMakeWindow, EraseAsksAndEmptiesTheRecord) {
  GoTo(2);
  platform.confirmAnswers = {true};
  Click("BitBtn8");
  ASSERT_EQ(platform.questions.size(), 1u);
  EXPECT_EQ(platform.questions[0], "本当に現在のデーターNo.の内容を消去");
  EXPECT_EQ(Record(2).KindNo, 10);
  EXPECT_EQ(Record(2).RowCount, 0);
  EXPECT_EQ(Record(2).KindName.Raw(), "");
  EXPECT_EQ(Spin()->value(), 10);
  EXPECT_EQ(Edit("Edit1")->text(), "");
  EXPECT_EQ(Edit("Edit3")->text(), "0");
  for (int i = 0; i < 50; ++i)
    for (int c = 0; c < 4; ++c) ASSERT_EQ(Cell(i, c), "0") << i;
}

TEST_F(DataMakeWindow, EraseAnsweredNoChangesNothingAndDoesNotStore) {
  const MaterialRecord before = Record(0);
  Edit("Edit1")->setText("typed");
  platform.confirmAnswers = {false};
  Click("BitBtn8");
  EXPECT_EQ(Record(0), before);
  EXPECT_EQ(Edit("Edit1")->text(), "typed");
}

TEST_F(DataMakeWindow, BadModulusStopsTheMoveWithTheConversionMessage) {
  Edit("Edit1")->setText("新しい種類");
  Edit("Edit3")->setText("abc");
  Up();
  EXPECT_EQ(window->currentDataNo(), 0);
  EXPECT_EQ(platform.LastMessage(), "'abc' は浮動小数点数ではありません");
  EXPECT_EQ(platform.messages.back().kind, MessageKind::Error);
  EXPECT_EQ(SjisToUtf8(Record(0).KindName.Raw()), "新しい種類");
  EXPECT_EQ(Record(0).ShearModulus, 78500);
}

TEST_F(DataMakeWindow, BadRatioOrCellStopsInsertAndDelete) {
  Edit("Edit10")->setText("4.5");
  SelectEntry(0);
  Click("BitBtn6");
  EXPECT_EQ(platform.LastMessage(), "'4.5' は整数ではありません");
  EXPECT_EQ(Record(0).WireDiameters[0], 0.2);
  Edit("Edit10")->setText("45");
  SetCell(2, 1, "");
  Click("BitBtn7");
  EXPECT_EQ(platform.LastMessage(), "'' は浮動小数点数ではありません");
  EXPECT_EQ(Record(0).WireDiameters[0], 0.2);
  EXPECT_EQ(Cell(2, 1), "");
}

TEST_F(DataMakeWindow, LongNamesAreCutToFiftyBytes) {
  Edit("Edit1")->setText(QString(49, 'a') + QStringLiteral("あいう"));
  Edit("Edit2")->setText(QString(60, 'b'));
  Up();
  EXPECT_EQ(Record(0).KindName.Raw(), std::string(49, 'a') + "\x82");
  EXPECT_EQ(Record(0).Symbol.Raw(), std::string(50, 'b'));
}

TEST_F(DataMakeWindow, CancelledLoadStillJumpsToRecordZeroDiscardingEdits) {
  GoTo(2);
  Edit("Edit2")->setText("unsaved");
  Record(7).WireDiameters[0] = 0;
  Record(7).KindNo = 4;
  Click("BitBtn1");
  ASSERT_EQ(platform.openRequests.size(), 1u);
  EXPECT_EQ(platform.openRequests[0].filter, "材料のデーター (*.dst);;すべてのファイル (*)");
  EXPECT_TRUE(platform.openRequests[0].proposedName.isEmpty());
  EXPECT_EQ(window->currentDataNo(), 0);
  EXPECT_EQ(Edit("Edit2")->text(), "SWP-A");
  EXPECT_EQ(Record(2).Symbol.Raw(), "SW-C");
  EXPECT_EQ(Record(7).KindNo, 10);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DataMakeWindow, LoadReplacesTheTableAndMarksEmptyRecords) {
  MaterialTable file;
  FillTable(file);
  file[0] = Material("A", "LOADED", 5, 4);
  file[9].KindNo = 2;  // no diameters: empty
  const QString path = Path("other.dst");
  WriteRecordFile(path.toStdString(), file);
  GoTo(3);
  platform.openAnswers = {path};
  Click("BitBtn1");
  file[9].KindNo = 10;
  EXPECT_EQ(state->materials(), file);
  EXPECT_EQ(window->currentDataNo(), 0);
  EXPECT_EQ(Edit("Edit2")->text(), "LOADED");
  EXPECT_EQ(Spin()->value(), 5);
}

TEST_F(DataMakeWindow, ShortFileLoadsOnlyAsFarAsItGoes) {
  MaterialTable file;
  file[0] = Material("S", "SHORT", 1, 2);
  const Bytes image = Encode(file);
  const QString path = Path("short.dst");
  WriteFileAtomically(path.toStdString(), std::span(image.data(), MaterialRecord::kSize));
  platform.openAnswers = {path};
  Click("BitBtn1");
  EXPECT_EQ(Record(0), file[0]);
  EXPECT_EQ(Record(3).Symbol.Raw(), "SUS304");
}

TEST_F(DataMakeWindow, FailedLoadNamesTheFileAndChangesNothing) {
  const struct {
    const char* name;
    std::size_t bytes;  // written first; none for a missing file
    const char* message;
  } cases[] = {
      {"missing.dst", 0, " は開けません"},
      // One byte more than the 30 records of 1736 bytes: another kind of file.
      {"long.dst", 30 * 1736 + 1,
       " は材料データベースとして使えません: 大きすぎます（52080 バイトまで）"},
  };
  for (const auto& c : cases) {
    GoTo(2);
    Edit("Edit2")->setText("kept on screen");
    const MaterialTable before = state->materials();
    const QString path = Path(c.name);
    if (c.bytes) WriteFileAtomically(path.toStdString(), Bytes(c.bytes, 0));
    platform.openAnswers = {path};
    Click("BitBtn1");
    EXPECT_EQ(platform.LastMessage(), "ファイル " + path + QString::fromUtf8(c.message));
    EXPECT_EQ(state->materials(), before);
    EXPECT_EQ(window->currentDataNo(), 2);
    EXPECT_EQ(Edit("Edit2")->text(), "kept on screen");
  }
}

TEST_F(DataMakeWindow, SaveStoresWritesTheWholeTableAndAsksForARestart) {
  Edit("Edit3")->setText("79000");
  const QString path = Path("saved");  // no extension is added
  platform.saveAnswers = {path};
  Click("BitBtn2");
  ASSERT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_EQ(platform.saveRequests[0].filter, "材料のデーター (*.dst);;すべてのファイル (*)");
  EXPECT_TRUE(platform.saveRequests[0].proposedName.isEmpty());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].kind, MessageKind::Information);
  EXPECT_EQ(platform.messages[0].text, "材料特性を変更した場合は、ソフトを一度終了して下さい！");
  const Bytes bytes = ReadBytes(path);
  ASSERT_EQ(bytes.size(), 52080u);
  EXPECT_EQ(bytes, Encode(state->materials()));
  EXPECT_EQ(Record(0).ShearModulus, 79000);
}

TEST_F(DataMakeWindow, CancelledSaveWritesNothingButHasStored) {
  Edit("Edit3")->setText("79000");
  Click("BitBtn2");
  EXPECT_EQ(platform.saveRequests.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(Record(0).ShearModulus, 79000);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(DataMakeWindow, SaveMarksTheShownRecordEmptyWhenItsTableIsGone) {
  SetCell(0, 0, "0");
  platform.saveAnswers = {Path("e.dst")};
  Click("BitBtn2");
  EXPECT_EQ(Record(0).KindNo, 10);
  EXPECT_EQ(Spin()->value(), 10);
  EXPECT_EQ(ReadBytes(Path("e.dst"))[116], 10);
}

TEST_F(DataMakeWindow, FailedSaveLeavesThePreviousFileUntouched) {
  const QString folder = Path("locked");
  QDir().mkpath(folder);
  const QString path = folder + "/zaidat.dst";
  const Bytes previous(52080, 0x5A);
  WriteFileAtomically(path.toStdString(), previous);
  Edit("Edit3")->setText("79000");
  platform.saveAnswers = {path};
  {
    BlockedWrite blocked(folder.toStdString(), path.toStdString());
    Click("BitBtn2");
    EXPECT_EQ(platform.LastMessage().toStdString(), blocked.expectedMessage());
  }
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(ReadBytes(path), previous);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(DataMakeWindow, RoundTripThroughTheEditorChangesOnlyWhatWasEdited) {
  MaterialTable file;
  FillTable(file);
  Bytes original = Encode(file);
  original[102] = 0xC3;  // padding and bytes after a name's text are not ours to change
  original[51 + 1 + 10] = 0x7E;
  const QString source = Path("source.dst");
  WriteFileAtomically(source.toStdString(), original);
  platform.openAnswers = {source};
  Click("BitBtn1");
  // Walk through every record, storing each, and edit one field of record 3 on the way.
  for (int n = 0; n < 29; ++n) {
    if (n == 3) Edit("Edit3")->setText("69000");
    Up();
  }
  ASSERT_TRUE(platform.messages.empty()) << platform.LastMessage().toStdString();
  const QString target = Path("target.dst");
  platform.saveAnswers = {target};
  Click("BitBtn2");
  Bytes expected = original;
  MaterialRecord edited = file[3];
  edited.ShearModulus = 69000;
  const Bytes editedImage = Encode(edited);
  std::copy(editedImage.begin() + 104, editedImage.begin() + 112,
            expected.begin() + 3 * MaterialRecord::kSize + 104);
  EXPECT_EQ(ReadBytes(target), expected);
}

TEST_F(DataMakeWindow, ClosingWithUnstoredEditsAsksWhatBecomesOfThem) {
  const struct {
    UnsavedChoice answer;
    bool staysOpen;
    const char* shownAfter;
    const char* storedAfter;
  } cases[] = {{UnsavedChoice::Cancel, true, "typed", "SUS304"},
               {UnsavedChoice::Discard, false, "SUS304", "SUS304"},
               {UnsavedChoice::Save, false, "typed", "typed"}};
  for (const auto& c : cases) {
    GoTo(3);
    window->show();
    window->close();  // nothing edited: no question
    EXPECT_TRUE(platform.unsavedQuestions.empty());
    window->show();
    Edit("Edit2")->setText("typed");
    platform.unsavedAnswers = {c.answer};
    window->close();
    EXPECT_EQ(platform.unsavedQuestions.size(), 1u);
    EXPECT_EQ(window->isVisible(), c.staysOpen);
    EXPECT_EQ(window->currentDataNo(), 3);
    EXPECT_EQ(Edit("Edit2")->text(), c.shownAfter);
    EXPECT_EQ(Record(3).Symbol.Raw(), c.storedAfter);
    platform.unsavedQuestions.clear();
    state->EditMaterials()[3].Symbol.AssignRaw("SUS304");
    window->ShowMaterialRecord(3);
    window->hide();
  }
}

}  // namespace
}  // namespace coilspring
