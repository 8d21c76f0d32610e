#include "ui/widgets/coil_inputs_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/text/sjis.h"
#include "ui/widgets/qt_text.h"

namespace coilspring {

namespace {

const char* const kDiameterKindTexts[] = {"内径", "平均径", "外径"};

void Refill(QComboBox* combo, const std::vector<std::string>& entries, bool sjis) {
  const QSignalBlocker quiet(combo);
  combo->clear();
  for (const std::string& entry : entries) combo->addItem(Utf8(sjis ? SjisToUtf8(entry) : entry));
}

}  // namespace

CoilInputsBox::CoilInputsBox(const MaterialTable& materials, const KindIndex& kinds,
                             QWidget* parent)
    : QGroupBox(QStringLiteral("材料とコイル"), parent),
      materials_(materials),
      kinds_(kinds),
      kindCombo_(new QComboBox(this)),
      symbolCombo_(new QComboBox(this)),
      wireCombo_(new QComboBox(this)),
      diameterKindCombo_(new QComboBox(this)),
      diameterEdit_(new QLineEdit(this)),
      turnsEdit_(new QLineEdit(this)) {
  kindCombo_->setObjectName(QStringLiteral("kindCombo"));
  symbolCombo_->setObjectName(QStringLiteral("symbolCombo"));
  wireCombo_->setObjectName(QStringLiteral("wireCombo"));
  diameterKindCombo_->setObjectName(QStringLiteral("diameterKindCombo"));
  diameterEdit_->setObjectName(QStringLiteral("diameterEdit"));
  turnsEdit_->setObjectName(QStringLiteral("turnsEdit"));
  for (const char* text : kDiameterKindTexts) diameterKindCombo_->addItem(QString::fromUtf8(text));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("材料の種類"), kindCombo_);
  form->addRow(QStringLiteral("材料記号"), symbolCombo_);
  form->addRow(QStringLiteral("線径 (mm)"), wireCombo_);
  form->addRow(diameterKindCombo_, diameterEdit_);
  form->addRow(QStringLiteral("総巻数"), turnsEdit_);

  Refill(kindCombo_, KindListEntries(kinds_, materials_), true);
  FillSymbols(0);
  connect(kindCombo_, &QComboBox::currentIndexChanged, this, [this](int position) {
    FillSymbols(position);
    emit ListChosen();
  });
  connect(symbolCombo_, &QComboBox::currentIndexChanged, this, [this] {
    FillWires(CurrentWire());
    emit ListChosen();
  });
  connect(wireCombo_, &QComboBox::currentIndexChanged, this, &CoilInputsBox::ListChosen);
  connect(diameterKindCombo_, &QComboBox::currentIndexChanged, this, &CoilInputsBox::ListChosen);
}

int CoilInputsBox::CurrentMaterial() const {
  return kinds_.MaterialAt(kindCombo_->currentIndex(), symbolCombo_->currentIndex()).value_or(-1);
}

void CoilInputsBox::FillSymbols(int kindPosition) {
  const double wire = CurrentWire();
  Refill(symbolCombo_, SymbolListEntries(kinds_, materials_, kindPosition), true);
  FillWires(wire);
}

double CoilInputsBox::CurrentWire() const {
  return WireDiameterAt(materials_, wireMaterial_, wireCombo_->currentIndex()).value_or(0);
}

void CoilInputsBox::FillWires(double keepDiameter) {
  const int material = CurrentMaterial();
  const QSignalBlocker quiet(wireCombo_);
  wireCombo_->clear();
  wireMaterial_ = material;
  if (material < 0) return;
  const MaterialRecord& m = materials_[static_cast<std::size_t>(material)];
  Refill(wireCombo_, WireListEntries(m), false);
  wireCombo_->setCurrentIndex(FirstRowNotBelow(m, keepDiameter).value_or(0));
}

CoilInputs CoilInputsBox::Read() const {
  CoilInputs in;
  in.materialNo = CurrentMaterial();
  in.wireDiameter = CurrentWire();
  in.diameterKind = static_cast<DiameterKind>(diameterKindCombo_->currentIndex());
  in.diameter = BoxNumber(diameterEdit_);
  in.totalTurns = BoxNumber(turnsEdit_);
  return in;
}

void CoilInputsBox::Show(const CoilInputs& in) {
  if (const auto place = kinds_.PlaceOf(in.materialNo)) {
    {
      const QSignalBlocker quiet(kindCombo_);
      kindCombo_->setCurrentIndex(place->kindPosition);
    }
    Refill(symbolCombo_, SymbolListEntries(kinds_, materials_, place->kindPosition), true);
    {
      const QSignalBlocker quiet(symbolCombo_);
      symbolCombo_->setCurrentIndex(place->symbolPosition);
    }
    FillWires(in.wireDiameter);
  }
  {
    const QSignalBlocker quiet(diameterKindCombo_);
    if (IsValid(in.diameterKind)) diameterKindCombo_->setCurrentIndex(RawOf(in.diameterKind));
  }
  diameterEdit_->setText(FullText(in.diameter));
  turnsEdit_->setText(FullText(in.totalTurns));
}

}  // namespace coilspring
