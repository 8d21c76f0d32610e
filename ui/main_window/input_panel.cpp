// The input panel: reading the boxes into the current design, the derived diameters, the
// recommended values, the input mode, the material lists and the panel's handlers.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "ui/platform/widgets.h"
#include "core/text/sjis.h"
#include "core/text/text_number.h"
#include "ui/main_window/main_window.h"

namespace coilspring {

namespace {

double ReadBox(const QLineEdit* box) { return ParseDecimal(box->text().toStdString()); }

}  // namespace

void Tf_atu::FillKindList() {
  const QSignalBlocker block(ComboBox5);
  ComboBox5->clear();
  for (const std::string& name : KindListEntries(state_.kinds, state_.materials))
    ComboBox5->addItem(QString::fromStdString(SjisToUtf8(name)));
}

void Tf_atu::FillSymbolList(int kindPosition) {
  const QSignalBlocker block(ComboBox7);
  ComboBox7->clear();
  for (const std::string& symbol : SymbolListEntries(state_.kinds, state_.materials, kindPosition))
    ComboBox7->addItem(QString::fromStdString(SjisToUtf8(symbol)));
}

void Tf_atu::FillWireList(int materialNo) {
  DesignRecord& r = state_.current();
  const double previous = r.WireDiameter;
  // Take the lists' selection into the design; where the lists name no table value, the
  // design keeps what it had.
  if (const auto m = state_.kinds.MaterialAt(ComboBox5->currentIndex(), ComboBox7->currentIndex())) {
    r.MaterialNo = *m;
    if (const auto d = WireDiameterAt(state_.materials, *m, ComboBox6->currentIndex())) {
      r.WireRow = ComboBox6->currentIndex();
      r.WireDiameter = *d;
    }
  }
  const QSignalBlocker block(ComboBox6);
  ComboBox6->clear();
  const MaterialRecord& material = MaterialOf(state_.materials, materialNo);
  for (const std::string& entry : WireListEntries(material))
    ComboBox6->addItem(QString::fromStdString(entry));
  if (const auto row = FirstRowNotBelow(material, previous)) {
    ComboBox6->setCurrentIndex(*row);
    r.WireRow = *row;
  } else {
    ComboBox6->setCurrentIndex(-1);
  }
}

void Tf_atu::SelectMaterial(int materialNo) {
  // A material that stands in no kind leaves the lists as they are; the design then takes the
  // material they show when the wire list is filled.
  const auto place = state_.kinds.PlaceOf(materialNo);
  if (!place) return;
  {
    const QSignalBlocker block(ComboBox5);
    ComboBox5->setCurrentIndex(place->kindPosition);
  }
  FillSymbolList(place->kindPosition);
  const QSignalBlocker block(ComboBox7);
  ComboBox7->setCurrentIndex(place->symbolPosition);
}

void Tf_atu::UpdateDiameters() {
  DesignRecord& r = state_.current();
  if (const auto m = state_.kinds.MaterialAt(ComboBox5->currentIndex(), ComboBox7->currentIndex())) {
    r.MaterialNo = *m;
    if (const auto d = WireDiameterAt(state_.materials, *m, ComboBox6->currentIndex())) {
      r.WireRow = ComboBox6->currentIndex();
      r.WireDiameter = *d;
    }
  }
  const double x = ReadBox(Edit18);
  const CoilDiameters derived = DiametersFrom(
      r.DiameterKind, x, r.WireDiameter, {r.InnerDiameter, r.MeanDiameter, r.OuterDiameter});
  r.InnerDiameter = derived.inner;
  r.MeanDiameter = derived.mean;
  r.OuterDiameter = derived.outer;
  r.WireDiameter = ParseDecimal(ComboBox6->currentText().toStdString());
  if (r.MeanDiameter != 0)
    Label28->setText(QStringLiteral("バネ指数=") + ShortText(r.MeanDiameter / r.WireDiameter));
}

void Tf_atu::ReadInputs() {
  UpdateDiameters();
  DesignRecord& r = state_.current();
  r.TotalTurns = ReadBox(Edit19);
  r.EndKind = ComboBox8->currentIndex();
  if (r.EndKind >= 0) r.ActiveTurns = ActiveTurnsFor(r.TotalTurns, r.EndKind);
  r.FreeLength = ReadBox(Edit20);
  r.Length1 = ReadBox(Edit21);
  r.Length2 = ReadBox(Edit22);
  r.Load1 = ReadBox(Edit23);
  r.Load2 = ReadBox(Edit24);
  Edit1->setText(ShortText(r.ActiveTurns));
}

void Tf_atu::CalculateSpring() {
  coilspring::CalculateSpring(state_.current(), state_.materials, state_.settings,
                              state_.allowable);
  Label28->setText(QStringLiteral("バネ指数=") + ShortText(state_.current().SpringIndex));
}

void Tf_atu::ShowRecommendedValues() {
  const DesignRecord& r = state_.current();
  Label36->setText(QStringLiteral("密着高さ=") + ShortText((r.TotalTurns + 1) * r.WireDiameter) +
                   QStringLiteral("mm"));
  ReadInputs();
  CalculateSpring();
  const double c = r.SpringIndex;
  // An undefined index (NaN) is outside the range too.
  if (!(c >= 3 && c <= 22)) {
    ShowListLines({kSpringIndexOutOfRangeLine}, true);
    return;
  }
  ListBox1->clear();
  Label30->setText(QStringLiteral("自由高さ=") + ShortText(r.RecommendedFreeLength) + QStringLiteral("mm"));
  Label56->setText(QStringLiteral("最大荷重=") + ShortText(r.MaxLoad) + QStringLiteral("kgf"));
}

void Tf_atu::ShowInputMode() {
  const bool loadsEntered = state_.current().InputMode == 0;
  for (QLineEdit* e : {Edit21, Edit22}) {
    e->setEnabled(!loadsEntered);
    SetBoxColour(e, loadsEntered ? QColor(Qt::white) : kAqua);
  }
  for (QLineEdit* e : {Edit23, Edit24}) {
    e->setEnabled(loadsEntered);
    SetBoxColour(e, loadsEntered ? kAqua : QColor(Qt::white));
  }
}

void Tf_atu::ComboBox5Change() {
  const int k = ComboBox5->currentIndex();
  FillSymbolList(k);
  {
    const QSignalBlocker block(ComboBox7);
    ComboBox7->setCurrentIndex(0);
  }
  FillWireList(state_.kinds.MaterialAt(k, 0).value_or(-1));
  UpdateDiameters();
  ReadInputs();
  ShowRecommendedValues();
}

void Tf_atu::ComboBox7Change() {
  FillWireList(state_.kinds.MaterialAt(ComboBox5->currentIndex(), ComboBox7->currentIndex())
                   .value_or(-1));
  ReadInputs();
  ShowRecommendedValues();
}

void Tf_atu::ComboBox6Change() {
  UpdateDiameters();
  ShowRecommendedValues();
  CalculateSpring();
}

void Tf_atu::BitBtn1Click() {
  DesignRecord& r = state_.current();
  r.DiameterKind = r.DiameterKind == 0 ? 1 : r.DiameterKind == 1 ? 2 : 0;
  const double shown = EnteredDiameterOf(r);
  Label48->setText(QString::fromUtf8(kDiameterKindNames[r.DiameterKind]));
  Edit18->setText(FullText(shown));
}

void Tf_atu::Edit18KeyPress() {
  if (!Edit18->text().isEmpty() && Edit18->text() != ComboBox6->currentText()) {
    UpdateDiameters();
    ShowRecommendedValues();
  }
}

void Tf_atu::Edit18Exit() { Edit18KeyPress(); }

void Tf_atu::Edit19Exit() {
  if (Edit19->text().isEmpty()) return;
  state_.current().TotalTurns = ReadBox(Edit19);
  ShowRecommendedValues();
}

void Tf_atu::ComboBox8Change() {
  UpdateDiameters();
  ReadInputs();
  ShowRecommendedValues();
}

void Tf_atu::BitBtn6Click() {
  Edit20->setText(ShortText(state_.current().RecommendedFreeLength));
  ReadInputs();
  CalculateSpring();
  state_.current().FreeLength = state_.current().RecommendedFreeLength;
}

void Tf_atu::SpeedButton7Click() {
  const DesignRecord& r = state_.current();
  Edit22->setText(ShortText((r.TotalTurns + 1) * r.WireDiameter));
}

void Tf_atu::SpeedButton1Click() {
  // Only the maximum load is taken over: the free length stays what Edit20 shows, so a design
  // stored right after this holds the free length the user sees.
  ReadInputs();
  CalculateSpring();
  const DesignRecord& r = state_.current();
  Label56->setText(QStringLiteral("最大荷重=") + ShortText(r.MaxLoad) + QStringLiteral("kgf"));
  Edit24->setText(ShortText(r.MaxLoad));
}

void Tf_atu::llchengClick() {
  DesignRecord& r = state_.current();
  r.InputMode = r.InputMode == 0 ? 1 : 0;
  ShowInputMode();
}

}  // namespace coilspring
