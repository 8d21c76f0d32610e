#include "ui/dialogs/material_editor_dialog.h"

#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "core/records/data_files.h"
#include "core/records/file_io.h"
#include "ui/platform/handler_guard.h"
#include "ui/platform/unsaved_work.h"
#include "ui/platform/window_place.h"
#include "ui/widgets/widgets.h"

namespace coilspring {
namespace {

// The window's outer size is 461 x 544; this is its client area inside a common window frame.
constexpr int kClientWidth = 453;
constexpr int kClientHeight = 517;
constexpr int kFontPixels = 12;

constexpr int kGridHeadingRows = 2;
constexpr int kGridRows = kGridHeadingRows + kMaterialRows;
constexpr int kGridColumns = 1 + kTableColumnCount;
constexpr int kGridRowHeight = 20;
constexpr std::array<int, kGridColumns> kGridColumnWidths{20, 54, 101, 100, 107};

const std::array<QString, kGridColumns> kGridHeadings{
    QStringLiteral("No"), QStringLiteral("材料線径"), QStringLiteral("引張り強さ"),
    QStringLiteral("許容ねじり応力"), QStringLiteral("許容曲げ応力")};
const QString kDiameterUnit = QStringLiteral("        mm");
const QString kStressUnit = QStringLiteral("           N/mm^2");

// Layout columns: captions at the left edge and in the middle, boxes beside them.
constexpr int kLeftCaptionX = 8;
constexpr int kLeftBoxX = 84;
constexpr int kRightCaptionX = 252;
constexpr int kRightBoxX = 340;
constexpr int kUnitGap = 4;

}  // namespace

const QString MaterialEditorDialog::kFileFilter =
    QStringLiteral("材料のデーター (*.dst);;すべてのファイル (*)");
const QString MaterialEditorDialog::kRestartNotice =
    QStringLiteral("材料特性を変更した場合は、ソフトを一度終了して下さい！");
const QString MaterialEditorDialog::kEraseQuestion =
    QStringLiteral("本当に現在のデーターNo.の内容を消去");

MaterialEditorDialog::MaterialEditorDialog(CalculatorState& state, Platform& platform,
                                           QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  setObjectName(QStringLiteral("data_make"));
  KeepWindowPlace(this);
  setWindowTitle(QStringLiteral("data_make"));
  setFont(GothicFont(kFontPixels));
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  RunGuarded(platform_, this, [this] { StartAtFirstRecord(); });
}

QLabel* MaterialEditorDialog::AddLabel(const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->move(x, y + 3);
  label->adjustSize();
  return label;
}

QLineEdit* MaterialEditorDialog::AddEdit(const char* name, int x, int y, int width) {
  return Place<QLineEdit>(this, name, x, y, width, 21);
}

QPushButton* MaterialEditorDialog::AddButton(const char* name, const QString& text, int x, int y,
                                             int width) {
  auto* button = Place<QPushButton>(this, name, x, y, width, 25);
  button->setText(text);
  // Enter in a box must not press a button behind the user's back.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

void MaterialEditorDialog::BuildControls() {
  AddLabel(QStringLiteral("データーNo"), kLeftCaptionX, 8);
  recordNoEdit_ = AddEdit("Edit7", kLeftBoxX, 8, 41);
  recordNoEdit_->setReadOnly(true);
  nextButton_ = AddButton("BitBtn3", QStringLiteral("▲"), 130, 6, 28);
  previousButton_ = AddButton("BitBtn4", QStringLiteral("▼"), 160, 6, 28);
  eraseButton_ = AddButton("BitBtn8", QStringLiteral("消去"), 200, 6, 60);
  loadButton_ = AddButton("BitBtn1", QStringLiteral("load"), 300, 6, 70);
  saveButton_ = AddButton("BitBtn2", QStringLiteral("save"), 375, 6, 70);

  AddLabel(QStringLiteral("材料の種類"), kLeftCaptionX, 40);
  kindNameEdit_ = AddEdit("Edit1", kLeftBoxX, 40, 160);
  AddLabel(QStringLiteral("種類番号"), kRightCaptionX, 40);
  kindNoSpin_ = new QSpinBox(this);
  kindNoSpin_->setObjectName(QStringLiteral("SE1"));
  kindNoSpin_->setGeometry(kRightBoxX, 40, 50, 21);
  kindNoSpin_->setRange(kKindSpinMin, kKindSpinMax);
  // Only the arrows change the kind number.
  if (auto* text = kindNoSpin_->findChild<QLineEdit*>()) text->setReadOnly(true);

  AddLabel(QStringLiteral("材料の記号"), kLeftCaptionX, 66);
  symbolEdit_ = AddEdit("Edit2", kLeftBoxX, 66, 160);
  AddLabel(QStringLiteral("種類別登録数"), kRightCaptionX, 66);
  kindCountEdit_ = AddEdit("Edit9", kRightBoxX, 66, 50);
  kindCountEdit_->setReadOnly(true);
  AddLabel(QStringLiteral("max=8"), kRightBoxX + 50 + kUnitGap, 66);

  AddLabel(QStringLiteral("横弾性係数"), kLeftCaptionX, 92);
  shearModulusEdit_ = AddEdit("Edit3", kLeftBoxX, 92, 110);
  AddLabel(QStringLiteral("N/mm^2"), kLeftBoxX + 110 + kUnitGap, 92);
  AddLabel(QStringLiteral("ねじり応力比"), kRightCaptionX, 92);
  torsionRatioEdit_ = AddEdit("Edit10", kRightBoxX, 92, 50);
  AddLabel(QStringLiteral("%"), kRightBoxX + 50 + kUnitGap, 92);

  AddLabel(QStringLiteral("縦弾性係数"), kLeftCaptionX, 118);
  youngModulusEdit_ = AddEdit("Edit5", kLeftBoxX, 118, 110);
  AddLabel(QStringLiteral("N/mm^2"), kLeftBoxX + 110 + kUnitGap, 118);
  AddLabel(QStringLiteral("曲げ応力比"), kRightCaptionX, 118);
  bendingRatioEdit_ = AddEdit("Edit11", kRightBoxX, 118, 50);
  AddLabel(QStringLiteral("%"), kRightBoxX + 50 + kUnitGap, 118);

  AddLabel(QStringLiteral("コメント"), kLeftCaptionX, 146);
  warningList_ = new QListWidget(this);
  warningList_->setObjectName(QStringLiteral("ListBox1"));
  warningList_->setGeometry(kLeftBoxX, 146, kClientWidth - kLeftBoxX - 8, 44);
  warningList_->setToolTip(QStringLiteral("ダブルクリックでクリアー"));
  warningList_->viewport()->installEventFilter(this);

  AddLabel(QStringLiteral("データーの数"), kLeftCaptionX, 198);
  rowCountEdit_ = AddEdit("Edit4", kLeftBoxX, 198, 50);
  rowCountEdit_->setReadOnly(true);
  insertRowButton_ = AddButton("BitBtn6", QStringLiteral("行挿入"), 285, 196, 78);
  deleteRowButton_ = AddButton("BitBtn7", QStringLiteral("行削除"), 367, 196, 78);

  wireGrid_ = new QTableWidget(kGridRows, kGridColumns, this);
  wireGrid_->setObjectName(QStringLiteral("SG1"));
  wireGrid_->setGeometry(kLeftCaptionX, 228, kClientWidth - 2 * kLeftCaptionX,
                         kClientHeight - 228 - 8);
  wireGrid_->horizontalHeader()->hide();
  wireGrid_->verticalHeader()->hide();
  wireGrid_->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  wireGrid_->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  for (int c = 0; c < kGridColumns; ++c) wireGrid_->setColumnWidth(c, kGridColumnWidths[c]);
  wireGrid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  wireGrid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  wireGrid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
  wireGrid_->setTabKeyNavigation(true);
  // The narrow index and diameter columns clip their text rather than replace it by "…".
  wireGrid_->setTextElideMode(Qt::ElideNone);
  wireGrid_->setWordWrap(false);
  SetEditableGridCells(wireGrid_, kGridHeadingRows, 1, palette().button());
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridColumns; ++c) SetCellText(wireGrid_, r, c, QString());

  ConnectGuarded(platform_, this, nextButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::ShowNextRecord);
  ConnectGuarded(platform_, this, previousButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::ShowPreviousRecord);
  ConnectGuarded(platform_, this, loadButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::LoadMaterialFile);
  ConnectGuarded(platform_, this, saveButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::SaveMaterialFile);
  ConnectGuarded(platform_, this, insertRowButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::InsertRow);
  ConnectGuarded(platform_, this, deleteRowButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::DeleteRow);
  ConnectGuarded(platform_, this, eraseButton_, &QPushButton::clicked,
                 &MaterialEditorDialog::EraseShownRecord);
  ConnectGuarded(platform_, this, kindNoSpin_, &QSpinBox::valueChanged,
                 &MaterialEditorDialog::CountKindRecords);
}

bool MaterialEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == warningList_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    RunGuarded(platform_, this, [this] { ClearWarnings(); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void MaterialEditorDialog::StartAtFirstRecord() {
  for (int c = 0; c < kGridColumns; ++c) SetCellText(wireGrid_, 0, c, kGridHeadings[c]);
  SetCellText(wireGrid_, 1, 1, kDiameterUnit);
  for (int c = 2; c < kGridColumns; ++c) SetCellText(wireGrid_, 1, c, kStressUnit);
  for (int i = 0; i < kMaterialRows; ++i)
    SetCellText(wireGrid_, kGridHeadingRows + i, 0, QString::number(i));
  kindCountEdit_->setText(QStringLiteral("0"));
  wireGrid_->setCurrentCell(kGridHeadingRows, 1);
  ShowMaterialRecord(0);
}

void MaterialEditorDialog::ShowMaterialRecord(int n) {
  dataNo_ = std::clamp(n, 0, kMaterialCount - 1);
  const MaterialTexts texts = TextsOfRecord(current());
  recordNoEdit_->setText(QString::number(dataNo_));
  kindNameEdit_->setText(Utf8(texts.kindName));
  symbolEdit_->setText(Utf8(texts.symbol));
  shearModulusEdit_->setText(Utf8(texts.shearModulus));
  rowCountEdit_->setText(Utf8(texts.rowCount));
  kindNoSpin_->setValue(texts.kindNo);
  youngModulusEdit_->setText(Utf8(texts.youngModulus));
  torsionRatioEdit_->setText(Utf8(texts.torsionRatio));
  bendingRatioEdit_->setText(Utf8(texts.bendingRatio));
  for (int i = 0; i < kMaterialRows; ++i)
    for (int c = 0; c < kTableColumnCount; ++c)
      SetCellText(wireGrid_, kGridHeadingRows + i, 1 + c, Utf8(texts.rows[i][c]));
}

MaterialTexts MaterialEditorDialog::ScreenTexts() const {
  MaterialTexts texts;
  texts.kindName = kindNameEdit_->text().toStdString();
  texts.symbol = symbolEdit_->text().toStdString();
  texts.shearModulus = shearModulusEdit_->text().toStdString();
  texts.youngModulus = youngModulusEdit_->text().toStdString();
  texts.rowCount = rowCountEdit_->text().toStdString();
  texts.kindNo = kindNoSpin_->value();
  texts.torsionRatio = torsionRatioEdit_->text().toStdString();
  texts.bendingRatio = bendingRatioEdit_->text().toStdString();
  for (int i = 0; i < kMaterialRows; ++i)
    for (int c = 0; c < kTableColumnCount; ++c)
      texts.rows[i][c] = CellText(wireGrid_, kGridHeadingRows + i, 1 + c).toStdString();
  return texts;
}

void MaterialEditorDialog::StoreMaterialRecord() {
  StoreTexts(ScreenTexts(), current());
  rowCountEdit_->setText(QString::number(current().RowCount));
}

int MaterialEditorDialog::CurrentEntry() const {
  return std::clamp(wireGrid_->currentRow() - kGridHeadingRows, 0, kMaterialRows - 1);
}

bool MaterialEditorDialog::HasUnstoredEdits() const {
  return !(ScreenTexts() == TextsOfRecord(state_.materials()[dataNo_]));
}

void MaterialEditorDialog::reject() {
  bool mayClose = false;
  RunGuarded(platform_, this, [&] {
    mayClose = !HasUnstoredEdits() ||
               SettleUnsavedWork(
                   platform_, this,
                   QStringLiteral("データーNo %1 に記憶していない変更があります。記憶しますか？")
                       .arg(dataNo_),
                   [this] {
                     StoreMaterialRecord();
                     return true;
                   },
                   [this] { ShowMaterialRecord(dataNo_); });
  });
  if (mayClose) QDialog::reject();
}

void MaterialEditorDialog::ShowNextRecord() {
  StoreMaterialRecord();
  if (dataNo_ < kMaterialCount - 1) ShowMaterialRecord(dataNo_ + 1);
}

void MaterialEditorDialog::ShowPreviousRecord() {
  StoreMaterialRecord();
  if (dataNo_ > 0) ShowMaterialRecord(dataNo_ - 1);
}

void MaterialEditorDialog::LoadMaterialFile() {
  const std::optional<QString> path = platform_.AskOpenFile(this, {kFileFilter, QString()});
  // A refused file throws before the table changes; the guard shows why, and the screen stays.
  if (path) ReadMaterialFile(LocalPath(*path), state_.EditMaterials());
  // Also after a cancel: the editor starts over at record 0, without storing the screen.
  ApplyEmptyRecordRule(state_.EditMaterials());
  ShowMaterialRecord(0);
}

void MaterialEditorDialog::SaveMaterialFile() {
  StoreMaterialRecord();
  ApplyEmptyRecordRule(state_.EditMaterials());
  // The shown record may just have become empty: let the spin box say what is saved.
  kindNoSpin_->setValue(ClampKindNo(current().KindNo));
  const std::optional<QString> path = platform_.AskSaveFile(this, {kFileFilter, QString()});
  if (!path) return;
  WriteRecordFile(LocalPath(*path), state_.materials());
  platform_.ShowMessage(this, MessageKind::Information, kRestartNotice);
}

void MaterialEditorDialog::InsertRow() {
  StoreMaterialRecord();
  InsertTableRow(current(), CurrentEntry());
  ShowMaterialRecord(dataNo_);
}

void MaterialEditorDialog::DeleteRow() {
  StoreMaterialRecord();
  DeleteTableRow(current(), CurrentEntry());
  ShowMaterialRecord(dataNo_);
}

void MaterialEditorDialog::EraseShownRecord() {
  if (!platform_.Confirm(this, kEraseQuestion)) return;
  EraseRecord(current());
  ShowMaterialRecord(dataNo_);
}

void MaterialEditorDialog::CountKindRecords() {
  const int kindNo = kindNoSpin_->value();
  const int count = KindCountWithShown(state_.materials(), kindNo);
  kindCountEdit_->setText(QString::number(count));
  if (const auto warning = KindCountWarning(kindNo, count)) warningList_->addItem(Utf8(*warning));
}

void MaterialEditorDialog::ClearWarnings() { warningList_->clear(); }

}  // namespace coilspring
