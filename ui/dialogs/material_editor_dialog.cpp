#include "ui/dialogs/material_editor_dialog.h"

#include <QEvent>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>

#include "core/records/file_io.h"
#include "ui/platform/widgets.h"
#include "ui/platform/handler_guard.h"

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

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }
QString Qt8(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

const QString MaterialEditorDialog::kFileFilter =
    QStringLiteral("材料のデーター (*.dst);;すべてのファイル (*)");
const QString MaterialEditorDialog::kRestartNotice =
    QStringLiteral("材料特性を変更した場合は、ソフトを一度終了して下さい！");
const QString MaterialEditorDialog::kEraseQuestion = QStringLiteral("本当に現在のデーターNo.の内容を消去");

MaterialEditorDialog::MaterialEditorDialog(CalculatorState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  setObjectName(QStringLiteral("data_make"));
  setWindowTitle(QStringLiteral("data_make"));
  setFont(GothicFont(kFontPixels));
  setFixedSize(kClientWidth, kClientHeight);
  BuildControls();
  RunGuarded(platform_, this, [this] { FormCreate(); });
}

QLabel* MaterialEditorDialog::AddLabel(const QString& text, int x, int y) {
  auto* label = new QLabel(text, this);
  label->move(x, y + 3);
  label->adjustSize();
  return label;
}

QLineEdit* MaterialEditorDialog::AddEdit(const char* name, int x, int y, int width) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(x, y, width, 21);
  return edit;
}

QPushButton* MaterialEditorDialog::AddButton(const char* name, const QString& text, int x, int y, int width) {
  auto* button = new QPushButton(text, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, width, 25);
  // Enter in a box must not press a button behind the user's back.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

void MaterialEditorDialog::OnClick(QPushButton* button, void (MaterialEditorDialog::*handler)()) {
  connect(button, &QPushButton::clicked, this, [this, handler] {
    RunGuarded(platform_, this, [this, handler] { (this->*handler)(); });
  });
}

void MaterialEditorDialog::BuildControls() {
  AddLabel(QStringLiteral("データーNo"), kLeftCaptionX, 8);
  Edit7 = AddEdit("Edit7", kLeftBoxX, 8, 41);
  Edit7->setReadOnly(true);
  BitBtn3 = AddButton("BitBtn3", QStringLiteral("▲"), 130, 6, 28);
  BitBtn4 = AddButton("BitBtn4", QStringLiteral("▼"), 160, 6, 28);
  BitBtn8 = AddButton("BitBtn8", QStringLiteral("消去"), 200, 6, 60);
  BitBtn1 = AddButton("BitBtn1", QStringLiteral("load"), 300, 6, 70);
  BitBtn2 = AddButton("BitBtn2", QStringLiteral("save"), 375, 6, 70);

  AddLabel(QStringLiteral("材料の種類"), kLeftCaptionX, 40);
  Edit1 = AddEdit("Edit1", kLeftBoxX, 40, 160);
  AddLabel(QStringLiteral("種類番号"), kRightCaptionX, 40);
  SE1 = new QSpinBox(this);
  SE1->setObjectName(QStringLiteral("SE1"));
  SE1->setGeometry(kRightBoxX, 40, 50, 21);
  SE1->setRange(kKindSpinMin, kKindSpinMax);
  // Only the arrows change the kind number.
  if (auto* text = SE1->findChild<QLineEdit*>()) text->setReadOnly(true);

  AddLabel(QStringLiteral("材料の記号"), kLeftCaptionX, 66);
  Edit2 = AddEdit("Edit2", kLeftBoxX, 66, 160);
  AddLabel(QStringLiteral("種類別登録数"), kRightCaptionX, 66);
  Edit9 = AddEdit("Edit9", kRightBoxX, 66, 50);
  Edit9->setReadOnly(true);
  AddLabel(QStringLiteral("max=8"), kRightBoxX + 50 + kUnitGap, 66);

  AddLabel(QStringLiteral("横弾性係数"), kLeftCaptionX, 92);
  Edit3 = AddEdit("Edit3", kLeftBoxX, 92, 110);
  AddLabel(QStringLiteral("N/mm^2"), kLeftBoxX + 110 + kUnitGap, 92);
  AddLabel(QStringLiteral("ねじり応力比"), kRightCaptionX, 92);
  Edit10 = AddEdit("Edit10", kRightBoxX, 92, 50);
  AddLabel(QStringLiteral("%"), kRightBoxX + 50 + kUnitGap, 92);

  AddLabel(QStringLiteral("縦弾性係数"), kLeftCaptionX, 118);
  Edit5 = AddEdit("Edit5", kLeftBoxX, 118, 110);
  AddLabel(QStringLiteral("N/mm^2"), kLeftBoxX + 110 + kUnitGap, 118);
  AddLabel(QStringLiteral("曲げ応力比"), kRightCaptionX, 118);
  Edit11 = AddEdit("Edit11", kRightBoxX, 118, 50);
  AddLabel(QStringLiteral("%"), kRightBoxX + 50 + kUnitGap, 118);

  AddLabel(QStringLiteral("コメント"), kLeftCaptionX, 146);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setGeometry(kLeftBoxX, 146, kClientWidth - kLeftBoxX - 8, 44);
  ListBox1->setToolTip(QStringLiteral("ダブルクリックでクリアー"));
  ListBox1->viewport()->installEventFilter(this);

  AddLabel(QStringLiteral("データーの数"), kLeftCaptionX, 198);
  Edit4 = AddEdit("Edit4", kLeftBoxX, 198, 50);
  Edit4->setReadOnly(true);
  BitBtn6 = AddButton("BitBtn6", QStringLiteral("行挿入"), 285, 196, 78);
  BitBtn7 = AddButton("BitBtn7", QStringLiteral("行削除"), 367, 196, 78);

  SG1 = new QTableWidget(kGridRows, kGridColumns, this);
  SG1->setObjectName(QStringLiteral("SG1"));
  SG1->setGeometry(kLeftCaptionX, 228, kClientWidth - 2 * kLeftCaptionX, kClientHeight - 228 - 8);
  SG1->horizontalHeader()->hide();
  SG1->verticalHeader()->hide();
  SG1->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
  SG1->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  for (int c = 0; c < kGridColumns; ++c) SG1->setColumnWidth(c, kGridColumnWidths[c]);
  SG1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SG1->setSelectionBehavior(QAbstractItemView::SelectItems);
  SG1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed);
  SG1->setTabKeyNavigation(true);
  // The narrow index and diameter columns clip their text rather than replace it by "…".
  SG1->setTextElideMode(Qt::ElideNone);
  SG1->setWordWrap(false);
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridColumns; ++c) SetCell(r, c, QString(), r < kGridHeadingRows || c == 0);

  OnClick(BitBtn3, &MaterialEditorDialog::BitBtn3Click);
  OnClick(BitBtn4, &MaterialEditorDialog::BitBtn4Click);
  OnClick(BitBtn1, &MaterialEditorDialog::BitBtn1Click);
  OnClick(BitBtn2, &MaterialEditorDialog::BitBtn2Click);
  OnClick(BitBtn6, &MaterialEditorDialog::BitBtn6Click);
  OnClick(BitBtn7, &MaterialEditorDialog::BitBtn7Click);
  OnClick(BitBtn8, &MaterialEditorDialog::BitBtn8Click);
  connect(SE1, &QSpinBox::valueChanged, this,
          [this] { RunGuarded(platform_, this, [this] { SE1Change(); }); });
}

void MaterialEditorDialog::SetCell(int row, int column, const QString& text, bool fixed) {
  QTableWidgetItem* item = SG1->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    if (fixed) {
      item->setFlags(Qt::ItemIsEnabled);
      item->setBackground(palette().button());
    }
    SG1->setItem(row, column, item);
  }
  item->setText(text);
}

bool MaterialEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    RunGuarded(platform_, this, [this] { ListBox1DblClick(); });
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void MaterialEditorDialog::FormCreate() {
  for (int c = 0; c < kGridColumns; ++c) SetCell(0, c, kGridHeadings[c], true);
  SetCell(1, 1, kDiameterUnit, true);
  for (int c = 2; c < kGridColumns; ++c) SetCell(1, c, kStressUnit, true);
  for (int i = 0; i < kMaterialRows; ++i)
    SetCell(kGridHeadingRows + i, 0, QString::number(i), true);
  Edit9->setText(QStringLiteral("0"));
  SG1->setCurrentCell(kGridHeadingRows, 1);
  ShowMaterialRecord(0);
}

void MaterialEditorDialog::ShowMaterialRecord(int n) {
  dataNo_ = std::clamp(n, 0, kMaterialCount - 1);
  const MaterialTexts texts = TextsOfRecord(current());
  Edit7->setText(QString::number(dataNo_));
  Edit1->setText(Qt8(texts.kindName));
  Edit2->setText(Qt8(texts.symbol));
  Edit3->setText(Qt8(texts.shearModulus));
  Edit4->setText(Qt8(texts.rowCount));
  SE1->setValue(texts.kindNo);
  Edit5->setText(Qt8(texts.youngModulus));
  Edit10->setText(Qt8(texts.torsionRatio));
  Edit11->setText(Qt8(texts.bendingRatio));
  for (int i = 0; i < kMaterialRows; ++i)
    for (int c = 0; c < kTableColumnCount; ++c)
      SG1->item(kGridHeadingRows + i, 1 + c)->setText(Qt8(texts.rows[i][c]));
}

MaterialTexts MaterialEditorDialog::ScreenTexts() const {
  MaterialTexts texts;
  texts.kindName = Edit1->text().toStdString();
  texts.symbol = Edit2->text().toStdString();
  texts.shearModulus = Edit3->text().toStdString();
  texts.youngModulus = Edit5->text().toStdString();
  texts.rowCount = Edit4->text().toStdString();
  texts.kindNo = SE1->value();
  texts.torsionRatio = Edit10->text().toStdString();
  texts.bendingRatio = Edit11->text().toStdString();
  for (int i = 0; i < kMaterialRows; ++i)
    for (int c = 0; c < kTableColumnCount; ++c)
      texts.rows[i][c] = SG1->item(kGridHeadingRows + i, 1 + c)->text().toStdString();
  return texts;
}

void MaterialEditorDialog::StoreMaterialRecord() {
  StoreTexts(ScreenTexts(), current());
  Edit4->setText(QString::number(current().RowCount));
}

int MaterialEditorDialog::CurrentEntry() const {
  return std::clamp(SG1->currentRow() - kGridHeadingRows, 0, kMaterialRows - 1);
}

void MaterialEditorDialog::BitBtn3Click() {
  StoreMaterialRecord();
  if (dataNo_ < kMaterialCount - 1) ShowMaterialRecord(dataNo_ + 1);
}

void MaterialEditorDialog::BitBtn4Click() {
  StoreMaterialRecord();
  if (dataNo_ > 0) ShowMaterialRecord(dataNo_ - 1);
}

void MaterialEditorDialog::BitBtn1Click() {
  const std::optional<QString> path = platform_.AskOpenFile(this, {kFileFilter, QString()});
  if (path) ReadRecordFile(LocalPath(*path), state_.materials);
  // Also after a cancel: the editor starts over at record 0, without storing the screen.
  ApplyEmptyRecordRule(state_.materials);
  ShowMaterialRecord(0);
}

void MaterialEditorDialog::BitBtn2Click() {
  StoreMaterialRecord();
  ApplyEmptyRecordRule(state_.materials);
  // The shown record may just have become empty: let the spin box say what is saved.
  SE1->setValue(ClampKindNo(current().KindNo));
  const std::optional<QString> path = platform_.AskSaveFile(this, {kFileFilter, QString()});
  if (!path) return;
  WriteRecordFile(LocalPath(*path), state_.materials);
  platform_.ShowMessage(this, MessageKind::Information, kRestartNotice);
}

void MaterialEditorDialog::BitBtn6Click() {
  StoreMaterialRecord();
  InsertTableRow(current(), CurrentEntry());
  ShowMaterialRecord(dataNo_);
}

void MaterialEditorDialog::BitBtn7Click() {
  StoreMaterialRecord();
  DeleteTableRow(current(), CurrentEntry());
  ShowMaterialRecord(dataNo_);
}

void MaterialEditorDialog::BitBtn8Click() {
  if (!platform_.Confirm(this, kEraseQuestion)) return;
  EraseRecord(current());
  ShowMaterialRecord(dataNo_);
}

void MaterialEditorDialog::SE1Change() {
  const int kindNo = SE1->value();
  const int count = KindCountWithShown(state_.materials, kindNo);
  Edit9->setText(QString::number(count));
  if (const auto warning = KindCountWarning(kindNo, count)) ListBox1->addItem(Qt8(*warning));
}

void MaterialEditorDialog::ListBox1DblClick() { ListBox1->clear(); }

}  // namespace coilspring
