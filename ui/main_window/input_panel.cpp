// The input panel: its controls, reading the boxes into the current design, the derived
// diameters, the recommended values, the input mode, the material lists and the panel's
// handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/text/sjis.h"
#include "core/text/text_number.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

namespace {

// List texts kept as raw Shift-JIS in the records, for the screen.
std::vector<std::string> ToUtf8(const std::vector<std::string>& sjisTexts) {
  std::vector<std::string> texts;
  texts.reserve(sjisTexts.size());
  for (const std::string& text : sjisTexts) texts.push_back(SjisToUtf8(text));
  return texts;
}

}  // namespace

void MainWindow::BuildInputPanel() {
  inputGroup_ = Place<QGroupBox>(centralWidget(), "GroupBox1", 8, 8, 377, 321);
  inputGroup_->setTitle(QStringLiteral("入力項目"));
  QWidget* g = inputGroup_;

  illustration_ = new IllustrationView(g, "Image5", {8, 16, 360, 200});

  // Boxes and labels that sit on the picture, on white like the picture itself.
  const auto onPicture = [](QLabel* label) {
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, Qt::white);
    label->setPalette(p);
    return label;
  };
  // The captions of the length boxes lie right of the picture's common extension line, the
  // load captions above their boxes, clear of the load diagram.
  PlaceLabel(g, QStringLiteral("自由長さ"), 34, 35);
  freeLengthEdit_ = PlaceEdit(g, "Edit20", 88, 32, 65, QStringLiteral("20"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 156, 35));
  PlaceLabel(g, QStringLiteral("長さ（Ｌ１）"), 34, 64);
  length1Edit_ = PlaceEdit(g, "Edit21", 88, 61, 65, QStringLiteral("15"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 156, 64));
  PlaceLabel(g, QStringLiteral("長さ（Ｌ２）"), 34, 96);
  length2Edit_ = PlaceEdit(g, "Edit22", 88, 93, 65, QStringLiteral("12"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 156, 96));
  onPicture(PlaceLabel(g, QStringLiteral("荷重（Ｐ２）"), 280, 62));
  load2Edit_ = PlaceEdit(g, "Edit24", 280, 77, 81, QStringLiteral("2"));
  unitCaptions_.emplace_back(onPicture(PlaceLabel(g, QStringLiteral("kgf"), 340, 62)),
                             Quantity::Load);
  unitCaptions_.back().first->setObjectName("Load2Unit");
  onPicture(PlaceLabel(g, QStringLiteral("荷重（Ｐ１）"), 280, 102));
  load1Edit_ = PlaceEdit(g, "Edit23", 280, 117, 81, QStringLiteral("1"));
  unitCaptions_.emplace_back(onPicture(PlaceLabel(g, QStringLiteral("kgf"), 340, 102)),
                             Quantity::Load);
  unitCaptions_.back().first->setObjectName("Load1Unit");
  springIndexLabel_ = onPicture(PlaceLabel(g, QStringLiteral("バネ指数="), 256, 24));
  springIndexLabel_->setObjectName("Label28");
  springIndexLabel_->setMinimumWidth(100);
  onPicture(PlaceLabel(g, QStringLiteral("適正範囲=4～22"), 256, 40));
  diameterKindLabel_ = onPicture(PlaceLabel(g, QStringLiteral("平均径"), 304, 160));
  diameterKindLabel_->setObjectName("Label48");
  diameterKindButton_ = PlaceSmallButton(g, "BitBtn1", 288, 160, QStringLiteral("径切替"));
  coilDiameterEdit_ = PlaceEdit(g, "Edit18", 288, 176, 73, QStringLiteral("10"));
  onPicture(PlaceLabel(g, QStringLiteral("mm"), 350, 160));

  PlaceLabel(g, QStringLiteral("材料"), 8, 227);
  // Narrower than the kind and symbol names allow no more: the end form list beside them needs
  // room for its longest form.
  kindCombo_ = PlaceCombo(g, "ComboBox5", 40, 224, 124);
  PlaceLabel(g, QStringLiteral("記号"), 8, 251);
  symbolCombo_ = PlaceCombo(g, "ComboBox7", 40, 248, 124);
  PlaceLabel(g, QStringLiteral("線径"), 8, 275);
  wireDiameterCombo_ = PlaceCombo(g, "ComboBox6", 40, 272, 72);
  PlaceLabel(g, QStringLiteral("mm"), 115, 275);
  PlaceLabel(g, QStringLiteral("総巻数"), 8, 299);
  totalTurnsEdit_ = PlaceEdit(g, "Edit19", 56, 296, 41, QStringLiteral("5"));
  PlaceLabel(g, QStringLiteral("有効"), 112, 299);
  activeTurnsEdit_ = PlaceEdit(g, "Edit1", 144, 296, 41, QString());
  activeTurnsEdit_->setReadOnly(true);
  activeTurnsEdit_->setToolTip(QStringLiteral("有効巻数"));
  leftHandCheck_ = Place<QCheckBox>(g, "cb1", 142, 276, 49, 19);
  leftHandCheck_->setText(QStringLiteral("左巻"));
  PlaceLabel(g, QStringLiteral("座巻き"), 168, 227);
  endFormCombo_ = PlaceCombo(g, "ComboBox8", 205, 224, 164);
  for (const char* name : kEndKindNames) endFormCombo_->addItem(Utf8(name));
  endFormCombo_->setCurrentIndex(0);

  recommendedGroup_ = Place<QGroupBox>(g, "GroupBox5", 192, 247, 177, 72);
  recommendedGroup_->setTitle(QStringLiteral("推奨値"));
  setFreeLengthButton_ =
      PlaceSmallButton(recommendedGroup_, "BitBtn6", 8, 18, QStringLiteral("自由長さ設定"));
  recommendedFreeLengthLabel_ = PlaceLabel(recommendedGroup_, QStringLiteral("自由高さ="), 26, 16);
  recommendedFreeLengthLabel_->setObjectName("Label30");
  setLength2Button_ = PlaceSmallButton(recommendedGroup_, "SpeedButton7", 8, 37, QString());
  solidHeightLabel_ = PlaceLabel(recommendedGroup_, QStringLiteral("密着高さ="), 26, 36);
  solidHeightLabel_->setObjectName("Label36");
  setLoad2Button_ = PlaceSmallButton(recommendedGroup_, "SpeedButton1", 8, 56, QString());
  maxLoadLabel_ = PlaceLabel(recommendedGroup_, QStringLiteral("最大荷重="), 26, 56);
  maxLoadLabel_->setObjectName("Label56");
  for (QLabel* l : {recommendedFreeLengthLabel_, solidHeightLabel_, maxLoadLabel_})
    l->setMinimumWidth(140);

  for (QLineEdit* e :
       {coilDiameterEdit_, totalTurnsEdit_, freeLengthEdit_, length1Edit_, length2Edit_})
    SetBoxColour(e, kAqua);
  for (QComboBox* c : {kindCombo_, symbolCombo_, wireDiameterCombo_, endFormCombo_})
    SetBoxColour(c, kAqua);

  ConnectGuarded(platform_, this, kindCombo_, &QComboBox::activated, &MainWindow::KindChosen);
  ConnectGuarded(platform_, this, symbolCombo_, &QComboBox::activated, &MainWindow::SymbolChosen);
  ConnectGuarded(platform_, this, wireDiameterCombo_, &QComboBox::activated,
                 &MainWindow::WireDiameterChosen);
  ConnectGuarded(platform_, this, endFormCombo_, &QComboBox::activated, &MainWindow::EndFormChosen);
  ConnectGuarded(platform_, this, diameterKindButton_, &QToolButton::clicked,
                 &MainWindow::CycleDiameterKind);
  ConnectGuarded(platform_, this, coilDiameterEdit_, &QLineEdit::returnPressed,
                 &MainWindow::CoilDiameterEntered);
  ConnectGuarded(platform_, this, setFreeLengthButton_, &QToolButton::clicked,
                 &MainWindow::SetRecommendedFreeLength);
  ConnectGuarded(platform_, this, setLength2Button_, &QToolButton::clicked,
                 &MainWindow::SetLength2ToSolidHeight);
  ConnectGuarded(platform_, this, setLoad2Button_, &QToolButton::clicked,
                 &MainWindow::SetLoad2ToMaxLoad);
  coilDiameterEdit_->installEventFilter(this);
  totalTurnsEdit_->installEventFilter(this);
}

void MainWindow::FillKindList() {
  const QSignalBlocker block(kindCombo_);
  ShowListEntries(kindCombo_, ToUtf8(KindListEntries(state_.kinds, state_.materials)));
}

void MainWindow::FillSymbolList(int kindPosition) {
  const QSignalBlocker block(symbolCombo_);
  ShowListEntries(symbolCombo_,
                  ToUtf8(SymbolListEntries(state_.kinds, state_.materials, kindPosition)));
}

// Takes the lists' material and wire diameter into the design; where the lists name no table
// value, the design keeps what it had.
void MainWindow::TakeListSelection() {
  DesignRecord& r = state_.current();
  if (const auto m =
          state_.kinds.MaterialAt(kindCombo_->currentIndex(), symbolCombo_->currentIndex())) {
    r.MaterialNo = *m;
    if (const auto d = WireDiameterAt(state_.materials, *m, wireDiameterCombo_->currentIndex())) {
      r.WireRow = wireDiameterCombo_->currentIndex();
      r.WireDiameter = *d;
    }
  }
}

void MainWindow::FillWireList(int materialNo) {
  DesignRecord& r = state_.current();
  const double previous = r.WireDiameter;
  TakeListSelection();
  const QSignalBlocker block(wireDiameterCombo_);
  const MaterialRecord& material = MaterialOf(state_.materials, materialNo);
  ShowListEntries(wireDiameterCombo_, WireListEntries(material));
  if (const auto row = FirstRowNotBelow(material, previous)) {
    wireDiameterCombo_->setCurrentIndex(*row);
    r.WireRow = *row;
  } else {
    wireDiameterCombo_->setCurrentIndex(-1);
  }
}

// After the user picks a material: where all its diameters lie below the previous one, the
// nearest, its largest, is kept. Leaving none chosen would stop every following action at an
// empty wire diameter. False when the material has no diameters at all: nothing to read yet.
bool MainWindow::KeepNearestWireDiameter() {
  const int rows = wireDiameterCombo_->count();
  if (rows == 0) return false;
  if (wireDiameterCombo_->currentIndex() < 0) {
    const QSignalBlocker block(wireDiameterCombo_);
    wireDiameterCombo_->setCurrentIndex(rows - 1);
    state_.current().WireRow = rows - 1;
  }
  return true;
}

void MainWindow::SelectMaterial(int materialNo) {
  // A material that stands in no kind leaves the lists as they are; the design then takes the
  // material they show when the wire list is filled.
  const auto place = state_.kinds.PlaceOf(materialNo);
  if (!place) return;
  {
    const QSignalBlocker block(kindCombo_);
    kindCombo_->setCurrentIndex(place->kindPosition);
  }
  FillSymbolList(place->kindPosition);
  const QSignalBlocker block(symbolCombo_);
  symbolCombo_->setCurrentIndex(place->symbolPosition);
}

// Takes the lists' material and wire diameter into the design and derives the three coil
// diameters from the coil diameter box.
void MainWindow::ReadMaterialAndDiameters() {
  DesignRecord& r = state_.current();
  TakeListSelection();
  const double x = BoxNumber(coilDiameterEdit_);
  const CoilDiameters derived = DiametersFrom(r.DiameterKind, x, r.WireDiameter,
                                              {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
  r.InnerDiameter = derived.inner;
  r.MeanDiameter = derived.mean;
  r.OuterDiameter = derived.outer;
  r.WireDiameter = ParseDecimal(wireDiameterCombo_->currentText().toStdString());
  if (r.MeanDiameter != 0) ShowSpringIndex(r.MeanDiameter / r.WireDiameter);
}

void MainWindow::ReadInputBoxes() {
  ReadMaterialAndDiameters();
  DesignRecord& r = state_.current();
  r.TotalTurns = BoxNumber(totalTurnsEdit_);
  r.EndKind = static_cast<EndKind>(endFormCombo_->currentIndex());
  if (IsValid(r.EndKind)) r.ActiveTurns = ActiveTurnsFor(r.TotalTurns, r.EndKind);
  r.FreeLength = BoxNumber(freeLengthEdit_);
  r.Length1 = BoxNumber(length1Edit_);
  r.Length2 = BoxNumber(length2Edit_);
  r.Load1 = ReadLoadBox(load1Edit_);
  r.Load2 = ReadLoadBox(load2Edit_);
  activeTurnsEdit_->setText(ShortText(r.ActiveTurns));
}

void MainWindow::CalculateAndShowSpringIndex() {
  CalculateSpring(state_.current(), state_.materials, state_.settings, state_.allowable);
  ShowSpringIndex(state_.current().SpringIndex);
}

void MainWindow::ShowSpringIndex(double index) {
  springIndexLabel_->setText(QStringLiteral("バネ指数=") + ShortText(index));
}

void MainWindow::ShowSolidHeightOf(const DesignRecord& r) {
  solidHeightLabel_->setText(QStringLiteral("密着高さ=") +
                             ShortText(SolidHeightOf(r.TotalTurns, r.WireDiameter)) +
                             QStringLiteral("mm"));
}

void MainWindow::ShowRecommendedFreeLength(double length) {
  recommendedFreeLengthLabel_->setText(QStringLiteral("自由高さ=") + ShortText(length) +
                                       QStringLiteral("mm"));
}

// The solid height shown is that of the design as it stood before the boxes are read; the
// recommended free length and the maximum load are those of the design recalculated from the
// boxes. A spring index outside 3..22 leaves those two as they were and shows the error line.
void MainWindow::ReadAndShowRecommendedValues() {
  const DesignRecord& r = state_.current();
  ShowSolidHeightOf(r);
  ReadInputBoxes();
  CalculateAndShowSpringIndex();
  const double c = r.SpringIndex;
  // An undefined index (NaN) is outside the range too.
  if (!(c >= 3 && c <= 22)) {
    ShowCheckLines({kSpringIndexOutOfRangeLine}, true);
    return;
  }
  checkList_->clear();
  ShowRecommendedFreeLength(r.RecommendedFreeLength);
  ShowMaxLoad(r.MaxLoad);
}

// The labels derived from the design shown (after a calculation, a recall or a file read), from
// its own stored values: nothing is read or calculated, so the design stays as stored.
void MainWindow::ShowDerivedLabels() {
  const DesignRecord& r = state_.current();
  if (r.MeanDiameter != 0) ShowSpringIndex(r.MeanDiameter / r.WireDiameter);
  ShowSolidHeightOf(r);
  ShowRecommendedFreeLength(r.RecommendedFreeLength);
  ShowMaxLoad(r.MaxLoad);
}

// The input mode says which pair the user enters: the lengths L1 and L2, or the loads P1 and P2.
void MainWindow::ShowInputMode() {
  const bool loadsEntered = state_.current().InputMode == InputMode::Loads;
  for (QLineEdit* e : {length1Edit_, length2Edit_}) {
    e->setEnabled(!loadsEntered);
    SetBoxColour(e, loadsEntered ? QColor(Qt::white) : kAqua);
  }
  for (QLineEdit* e : {load1Edit_, load2Edit_}) {
    e->setEnabled(loadsEntered);
    SetBoxColour(e, loadsEntered ? kAqua : QColor(Qt::white));
  }
}

void MainWindow::KindChosen() {
  const int k = kindCombo_->currentIndex();
  FillSymbolList(k);
  {
    const QSignalBlocker block(symbolCombo_);
    symbolCombo_->setCurrentIndex(0);
  }
  FillWireList(state_.kinds.MaterialAt(k, 0).value_or(-1));
  if (!KeepNearestWireDiameter()) return;
  ReadMaterialAndDiameters();
  ReadInputBoxes();
  ReadAndShowRecommendedValues();
}

void MainWindow::SymbolChosen() {
  FillWireList(state_.kinds.MaterialAt(kindCombo_->currentIndex(), symbolCombo_->currentIndex())
                   .value_or(-1));
  if (!KeepNearestWireDiameter()) return;
  ReadInputBoxes();
  ReadAndShowRecommendedValues();
}

void MainWindow::WireDiameterChosen() {
  ReadMaterialAndDiameters();
  ReadAndShowRecommendedValues();
  CalculateAndShowSpringIndex();
}

void MainWindow::EndFormChosen() {
  ReadMaterialAndDiameters();
  ReadInputBoxes();
  ReadAndShowRecommendedValues();
}

void MainWindow::CycleDiameterKind() {
  DesignRecord& r = state_.current();
  r.DiameterKind = NextDiameterKind(r.DiameterKind);
  const double shown = EnteredDiameterOf(r);
  diameterKindLabel_->setText(Utf8(DiameterKindName(r.DiameterKind)));
  coilDiameterEdit_->setText(FullText(shown));
}

void MainWindow::CoilDiameterEntered() {
  const QString entered = coilDiameterEdit_->text();
  if (!entered.isEmpty() && entered != wireDiameterCombo_->currentText()) {
    ReadMaterialAndDiameters();
    ReadAndShowRecommendedValues();
  }
}

void MainWindow::CoilDiameterLeft() { CoilDiameterEntered(); }

void MainWindow::TotalTurnsLeft() {
  if (totalTurnsEdit_->text().isEmpty()) return;
  state_.current().TotalTurns = BoxNumber(totalTurnsEdit_);
  ReadAndShowRecommendedValues();
}

void MainWindow::SetRecommendedFreeLength() {
  freeLengthEdit_->setText(ShortText(state_.current().RecommendedFreeLength));
  ReadInputBoxes();
  CalculateAndShowSpringIndex();
  state_.current().FreeLength = state_.current().RecommendedFreeLength;
}

void MainWindow::SetLength2ToSolidHeight() {
  const DesignRecord& r = state_.current();
  length2Edit_->setText(ShortText(SolidHeightOf(r.TotalTurns, r.WireDiameter)));
}

void MainWindow::SetLoad2ToMaxLoad() {
  // Only the maximum load is taken over: the free length stays what its box shows, so a design
  // stored right after this holds the free length the user sees.
  ReadInputBoxes();
  CalculateAndShowSpringIndex();
  const DesignRecord& r = state_.current();
  ShowMaxLoad(r.MaxLoad);
  ShowQuantity(load2Edit_, r.MaxLoad, Quantity::Load);
}

void MainWindow::ToggleInputMode() {
  DesignRecord& r = state_.current();
  r.InputMode = r.InputMode == InputMode::Loads ? InputMode::Lengths : InputMode::Loads;
  ShowInputMode();
}

}  // namespace coilspring
