#include "ui/main_window/input_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/text/sjis.h"
#include "core/text/text_number.h"
#include "ui/render/picture_views.h"
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

// Boxes and labels that sit on the picture, on white like the picture itself.
template <class Label>
Label* OnPicture(Label* label) {
  label->setAutoFillBackground(true);
  QPalette p = label->palette();
  p.setColor(QPalette::Window, Qt::white);
  label->setPalette(p);
  return label;
}

}  // namespace

InputPanel::InputPanel(QWidget* client, const CalculatorState& state, UnitSystem units)
    : QGroupBox(client), state_(state), units_(units) {
  setObjectName("GroupBox1");
  setGeometry(8, 8, 377, 321);
  setTitle(QStringLiteral("入力項目"));
  BuildPictureBoxes();
  BuildListsAndTurns();
  BuildRecommendedGroup();
  for (QLineEdit* e :
       {coilDiameterEdit_, totalTurnsEdit_, freeLengthEdit_, length1Edit_, length2Edit_})
    SetBoxColour(e, kAqua);
  for (QComboBox* c : {kindCombo_, symbolCombo_, wireDiameterCombo_, endFormCombo_})
    SetBoxColour(c, kAqua);
  ConnectSignals();
}

void InputPanel::BuildPictureBoxes() {
  illustration_ = new IllustrationView(this, "Image5", {8, 16, 360, 200});
  // The captions of the length boxes lie right of the picture's common extension line, the
  // load captions above their boxes, clear of the load diagram.
  PlaceLabel(this, QStringLiteral("自由長さ"), 34, 35);
  freeLengthEdit_ = PlaceEdit(this, "Edit20", 88, 32, 65, QStringLiteral("20"));
  OnPicture(PlaceLabel(this, QStringLiteral("mm"), 156, 35));
  PlaceLabel(this, QStringLiteral("長さ（Ｌ１）"), 34, 64);
  length1Edit_ = PlaceEdit(this, "Edit21", 88, 61, 65, QStringLiteral("15"));
  OnPicture(PlaceLabel(this, QStringLiteral("mm"), 156, 64));
  PlaceLabel(this, QStringLiteral("長さ（Ｌ２）"), 34, 96);
  length2Edit_ = PlaceEdit(this, "Edit22", 88, 93, 65, QStringLiteral("12"));
  OnPicture(PlaceLabel(this, QStringLiteral("mm"), 156, 96));
  OnPicture(PlaceLabel(this, QStringLiteral("荷重（Ｐ２）"), 280, 62));
  load2Edit_ = new QuantityBox(this, "Edit24", Quantity::Load, {280, 77}, 81);
  load2Edit_->setText(QStringLiteral("2"));
  load2Unit_ = OnPicture(new UnitLabel(this, "Load2Unit", Quantity::Load, 340, 62));
  OnPicture(PlaceLabel(this, QStringLiteral("荷重（Ｐ１）"), 280, 102));
  load1Edit_ = new QuantityBox(this, "Edit23", Quantity::Load, {280, 117}, 81);
  load1Edit_->setText(QStringLiteral("1"));
  load1Unit_ = OnPicture(new UnitLabel(this, "Load1Unit", Quantity::Load, 340, 102));
  for (UnitLabel* unit : {load1Unit_, load2Unit_}) unit->Show(units_);
  springIndexLabel_ = OnPicture(PlaceLabel(this, QStringLiteral("バネ指数="), 256, 24));
  springIndexLabel_->setObjectName("Label28");
  springIndexLabel_->setMinimumWidth(100);
  OnPicture(PlaceLabel(this, QStringLiteral("適正範囲=4～22"), 256, 40));
  diameterKindLabel_ = OnPicture(PlaceLabel(this, QStringLiteral("平均径"), 304, 160));
  diameterKindLabel_->setObjectName("Label48");
  diameterKindButton_ = PlaceSmallButton(this, "BitBtn1", 288, 160, QStringLiteral("径切替"));
  coilDiameterEdit_ = PlaceEdit(this, "Edit18", 288, 176, 73, QStringLiteral("10"));
  OnPicture(PlaceLabel(this, QStringLiteral("mm"), 346, 160));  // ends on the picture
}

void InputPanel::BuildListsAndTurns() {
  PlaceLabel(this, QStringLiteral("材料"), 8, 227);
  // Narrower than the kind and symbol names allow no more: the end form list beside them needs
  // room for its longest form.
  kindCombo_ = PlaceCombo(this, "ComboBox5", 40, 224, 124);
  PlaceLabel(this, QStringLiteral("記号"), 8, 251);
  symbolCombo_ = PlaceCombo(this, "ComboBox7", 40, 248, 124);
  PlaceLabel(this, QStringLiteral("線径"), 8, 275);
  wireDiameterCombo_ = PlaceCombo(this, "ComboBox6", 40, 272, 72);
  PlaceLabel(this, QStringLiteral("mm"), 115, 275);
  PlaceLabel(this, QStringLiteral("総巻数"), 8, 299);
  totalTurnsEdit_ = PlaceEdit(this, "Edit19", 56, 296, 41, QStringLiteral("5"));
  PlaceLabel(this, QStringLiteral("有効"), 112, 299);
  activeTurnsEdit_ = PlaceEdit(this, "Edit1", 144, 296, 41, QString());
  ShowOnly(activeTurnsEdit_);
  activeTurnsEdit_->setToolTip(QStringLiteral("有効巻数"));
  leftHandCheck_ = Place<QCheckBox>(this, "cb1", 142, 276, 49, 19);
  leftHandCheck_->setText(QStringLiteral("左巻"));
  PlaceLabel(this, QStringLiteral("座巻き"), 168, 227);
  endFormCombo_ = PlaceCombo(this, "ComboBox8", 205, 224, 164);
  for (const char* name : kEndKindNames) endFormCombo_->addItem(Utf8(name));
  endFormCombo_->setCurrentIndex(0);
}

void InputPanel::BuildRecommendedGroup() {
  recommendedGroup_ = Place<QGroupBox>(this, "GroupBox5", 192, 247, 177, 72);
  recommendedGroup_->setTitle(QStringLiteral("推奨値"));
  QWidget* g = recommendedGroup_;
  // Three rows inside the frame, whose top line runs level with the title's foot.
  setFreeLengthButton_ = PlaceSmallButton(g, "BitBtn6", 8, 21, QStringLiteral("自由長さ設定"));
  recommendedFreeLengthLabel_ = PlaceLabel(g, QStringLiteral("自由高さ="), 26, 20);
  recommendedFreeLengthLabel_->setObjectName("Label30");
  setLength2Button_ = PlaceSmallButton(g, "SpeedButton7", 8, 38, QString());
  solidHeightLabel_ = PlaceLabel(g, QStringLiteral("密着高さ="), 26, 37);
  solidHeightLabel_->setObjectName("Label36");
  setLoad2Button_ = PlaceSmallButton(g, "SpeedButton1", 8, 55, QString());
  maxLoadLabel_ = PlaceLabel(g, QStringLiteral("最大荷重="), 26, 54);
  maxLoadLabel_->setObjectName("Label56");
  for (QLabel* l : {recommendedFreeLengthLabel_, solidHeightLabel_, maxLoadLabel_})
    l->setMinimumWidth(140);
}

void InputPanel::ConnectSignals() {
  connect(kindCombo_, &QComboBox::activated, this, &InputPanel::KindChosen);
  connect(symbolCombo_, &QComboBox::activated, this, &InputPanel::SymbolChosen);
  connect(wireDiameterCombo_, &QComboBox::activated, this, &InputPanel::WireDiameterChosen);
  connect(endFormCombo_, &QComboBox::activated, this, &InputPanel::EndFormChosen);
  connect(diameterKindButton_, &QToolButton::clicked, this, &InputPanel::DiameterKindClicked);
  // Enter calculates; the coil diameter and the turns are taken in by the calculation too.
  for (QLineEdit* box : EditableBoxes()) {
    connect(box, &QLineEdit::returnPressed, this, &InputPanel::CalculateRequested);
    box->installEventFilter(this);
  }
  connect(setFreeLengthButton_, &QToolButton::clicked, this, &InputPanel::SetFreeLengthClicked);
  connect(setLength2Button_, &QToolButton::clicked, this, &InputPanel::SetLength2Clicked);
  connect(setLoad2Button_, &QToolButton::clicked, this, &InputPanel::SetLoad2Clicked);
}

std::array<QLineEdit*, 7> InputPanel::EditableBoxes() const {
  return {freeLengthEdit_, length1Edit_,      length2Edit_,   load2Edit_,
          load1Edit_,      coilDiameterEdit_, totalTurnsEdit_};
}

void InputPanel::ChainTabOrder(QWidget* next) {
  QWidget* const order[] = {
      freeLengthEdit_,   length1Edit_,  length2Edit_, load2Edit_,         load1Edit_,
      coilDiameterEdit_, kindCombo_,    symbolCombo_, wireDiameterCombo_, totalTurnsEdit_,
      leftHandCheck_,    endFormCombo_, next};
  for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

// The coil diameter and the turns act when they lose the focus as well, so a value typed and
// left is taken in without Enter. Alt with a letter belongs to the menus: without a menu of that
// letter it does nothing, rather than typing the letter into the box.
bool InputPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    if (watched == coilDiameterEdit_ && CoilDiameterEntryIsNew()) emit CoilDiameterEntered();
    if (watched == totalTurnsEdit_ && TotalTurnsEntered()) emit TotalTurnsLeft();
  }
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->modifiers().testFlag(Qt::AltModifier))
    return true;
  return QGroupBox::eventFilter(watched, event);
}

bool InputPanel::CoilDiameterEntryIsNew() const {
  const QString entered = coilDiameterEdit_->text();
  return !entered.isEmpty() && entered != wireDiameterCombo_->currentText();
}

bool InputPanel::TotalTurnsEntered() const { return !totalTurnsEdit_->text().isEmpty(); }

bool InputPanel::LeftHandWound() const { return leftHandCheck_->isChecked(); }

double InputPanel::Number(const QLineEdit* box) {
  ++reads_[box->objectName()];
  return BoxNumber(box);
}

void InputPanel::ShowFirstListEntries(DesignRecord& r) {
  {
    const QSignalBlocker block(kindCombo_);
    ShowListEntries(kindCombo_, ToUtf8(KindListEntries(state_.kinds, state_.materials())));
    kindCombo_->setCurrentIndex(0);
  }
  FillSymbolList(0);
  {
    const QSignalBlocker block(symbolCombo_);
    symbolCombo_->setCurrentIndex(0);
  }
  FillWireList(r, 0);
  const QSignalBlocker block(wireDiameterCombo_);
  wireDiameterCombo_->setCurrentIndex(0);
  endFormCombo_->setCurrentIndex(0);
}

void InputPanel::FillSymbolList(int kindPosition) {
  const QSignalBlocker block(symbolCombo_);
  ShowListEntries(symbolCombo_,
                  ToUtf8(SymbolListEntries(state_.kinds, state_.materials(), kindPosition)));
}

// Takes the lists' material and wire diameter into the design; where the lists name no table
// value, the design keeps what it had.
void InputPanel::TakeListSelection(DesignRecord& r) const {
  if (const auto m =
          state_.kinds.MaterialAt(kindCombo_->currentIndex(), symbolCombo_->currentIndex())) {
    r.MaterialNo = *m;
    if (const auto d = WireDiameterAt(state_.materials(), *m, wireDiameterCombo_->currentIndex())) {
      r.WireRow = wireDiameterCombo_->currentIndex();
      r.WireDiameter = *d;
    }
  }
}

void InputPanel::FillWireList(DesignRecord& r, int materialNo) {
  const double previous = r.WireDiameter;
  TakeListSelection(r);
  const QSignalBlocker block(wireDiameterCombo_);
  const MaterialRecord& material = MaterialOf(state_.materials(), materialNo);
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
// empty wire diameter.
bool InputPanel::KeepNearestWireDiameter(DesignRecord& r) {
  const int rows = wireDiameterCombo_->count();
  if (rows == 0) return false;
  if (wireDiameterCombo_->currentIndex() < 0) {
    const QSignalBlocker block(wireDiameterCombo_);
    wireDiameterCombo_->setCurrentIndex(rows - 1);
    r.WireRow = rows - 1;
  }
  return true;
}

bool InputPanel::FollowKindChoice(DesignRecord& r) {
  const int k = kindCombo_->currentIndex();
  FillSymbolList(k);
  {
    const QSignalBlocker block(symbolCombo_);
    symbolCombo_->setCurrentIndex(0);
  }
  FillWireList(r, state_.kinds.MaterialAt(k, 0).value_or(-1));
  return KeepNearestWireDiameter(r);
}

bool InputPanel::FollowSymbolChoice(DesignRecord& r) {
  FillWireList(r, state_.kinds.MaterialAt(kindCombo_->currentIndex(), symbolCombo_->currentIndex())
                      .value_or(-1));
  return KeepNearestWireDiameter(r);
}

void InputPanel::SelectMaterial(int materialNo) {
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

void InputPanel::AlignListsWith(DesignRecord& r) {
  SelectMaterial(r.MaterialNo);
  const double wireDiameter = r.WireDiameter;
  FillWireList(r, r.MaterialNo);
  r.WireDiameter = wireDiameter;
  const QSignalBlocker block(wireDiameterCombo_);
  wireDiameterCombo_->setCurrentIndex(
      r.WireRow >= 0 && r.WireRow < wireDiameterCombo_->count() ? r.WireRow : -1);
}

void InputPanel::ReadDiameters(DesignRecord& r) {
  TakeListSelection(r);
  const double x = Number(coilDiameterEdit_);
  const CoilDiameters derived = DiametersFrom(r.DiameterKind, x, r.WireDiameter,
                                              {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
  r.InnerDiameter = derived.inner;
  r.MeanDiameter = derived.mean;
  r.OuterDiameter = derived.outer;
  ++reads_[wireDiameterCombo_->objectName()];
  r.WireDiameter = ParseDecimal(wireDiameterCombo_->currentText().toStdString());
  if (r.MeanDiameter != 0) ShowSpringIndex(r.MeanDiameter / r.WireDiameter);
}

void InputPanel::ReadTotalTurns(DesignRecord& r) { r.TotalTurns = Number(totalTurnsEdit_); }

void InputPanel::ReadRemainingInputs(DesignRecord& r) {
  r.EndKind = static_cast<EndKind>(endFormCombo_->currentIndex());
  if (IsValid(r.EndKind)) r.ActiveTurns = ActiveTurnsFor(r.TotalTurns, r.EndKind);
  r.FreeLength = Number(freeLengthEdit_);
  r.Length1 = Number(length1Edit_);
  r.Length2 = Number(length2Edit_);
  // A load typed in N is taken into the design in kgf here, once.
  for (auto [box, load] : {std::pair{load1Edit_, &r.Load1}, std::pair{load2Edit_, &r.Load2}}) {
    ++reads_[box->objectName()];
    *load = box->ReadStored(units_);
  }
  activeTurnsEdit_->setText(ShortText(r.ActiveTurns));
}

void InputPanel::ReadInputs(DesignRecord& r) {
  ReadDiameters(r);
  ReadTotalTurns(r);
  ReadRemainingInputs(r);
}

void InputPanel::ShowSpringIndex(double index) {
  springIndexLabel_->setText(QStringLiteral("バネ指数=") + ShortText(index));
}

void InputPanel::ShowSolidHeightOf(const DesignRecord& r) {
  solidHeightLabel_->setText(QStringLiteral("密着高さ=") +
                             ShortText(SolidHeightOf(r.TotalTurns, r.WireDiameter)) +
                             QStringLiteral("mm"));
}

void InputPanel::ShowDerived(const DerivedInputs& derived) {
  ShowSpringIndex(derived.springIndex);
  if (!derived.indexInRange) return;
  recommendedFreeLengthLabel_->setText(QStringLiteral("自由高さ=") +
                                       ShortText(derived.recommendedFreeLength) +
                                       QStringLiteral("mm"));
  ShowMaxLoad(derived.maxLoad);
}

void InputPanel::ShowMaxLoad(double stored) {
  maxLoadLabel_->setText(QStringLiteral("最大荷重=") +
                         ShortText(ShownValue(stored, Quantity::Load, units_)) +
                         Utf8(UnitCaption(Quantity::Load, units_)));
  maxLoadShown_ = stored;
}

void InputPanel::ShowDiameterKindOf(const DesignRecord& r) {
  diameterKindLabel_->setText(Utf8(DiameterKindName(r.DiameterKind)));
  coilDiameterEdit_->setText(FullText(EnteredDiameterOf(r)));
}

// The input mode says which pair the user enters: the lengths L1 and L2, or the loads P1 and P2.
void InputPanel::ShowInputMode(InputMode inputMode) {
  const bool loadsEntered = inputMode == InputMode::Loads;
  for (QLineEdit* e : {length1Edit_, length2Edit_}) {
    e->setEnabled(!loadsEntered);
    SetBoxColour(e, loadsEntered ? QColor(Qt::white) : kAqua);
  }
  for (QLineEdit* e : {static_cast<QLineEdit*>(load1Edit_), static_cast<QLineEdit*>(load2Edit_)}) {
    e->setEnabled(loadsEntered);
    SetBoxColour(e, loadsEntered ? kAqua : QColor(Qt::white));
  }
}

// Each box shows its own field; the derived labels show the design's stored values, so nothing
// is read or calculated and the design stays as stored.
void InputPanel::ShowDesign(const DesignRecord& r) {
  if (IsValid(r.DiameterKind)) ShowDiameterKindOf(r);
  totalTurnsEdit_->setText(FullText(r.TotalTurns));
  {
    const QSignalBlocker block(endFormCombo_);
    endFormCombo_->setCurrentIndex(IsValid(r.EndKind) ? RawOf(r.EndKind) : -1);
  }
  freeLengthEdit_->setText(ShortText(r.FreeLength));
  length1Edit_->setText(ShortText(r.Length1));
  length2Edit_->setText(ShortText(r.Length2));
  load1Edit_->ShowStored(r.Load1, units_);
  load2Edit_->ShowStored(r.Load2, units_);
  activeTurnsEdit_->setText(ShortText(r.ActiveTurns));
  ShowInputMode(r.InputMode);
  if (r.MeanDiameter != 0) ShowSpringIndex(r.MeanDiameter / r.WireDiameter);
  ShowSolidHeightOf(r);
  recommendedFreeLengthLabel_->setText(QStringLiteral("自由高さ=") +
                                       ShortText(r.RecommendedFreeLength) + QStringLiteral("mm"));
  ShowMaxLoad(r.MaxLoad);
}

void InputPanel::PutRecommendedFreeLength(double length) {
  freeLengthEdit_->setText(ShortText(length));
}

void InputPanel::PutLength2(double length) { length2Edit_->setText(ShortText(length)); }

void InputPanel::PutLengthsInFull(const DesignRecord& r) {
  freeLengthEdit_->setText(FullText(r.FreeLength));
  length1Edit_->setText(FullText(r.Length1));
  length2Edit_->setText(FullText(r.Length2));
}

void InputPanel::PutLoad2(double stored) { load2Edit_->ShowStored(stored, units_); }

void InputPanel::SetUnits(UnitSystem units) {
  const UnitSystem before = units_;
  units_ = units;
  for (UnitLabel* unit : {load1Unit_, load2Unit_}) unit->Show(units_);
  for (QuantityBox* box : {load1Edit_, load2Edit_}) box->SwitchUnits(before, units_);
  if (maxLoadShown_) ShowMaxLoad(*maxLoadShown_);
}

}  // namespace coilspring
