// Showing a design, the calculate actions, the checks list, the side view and the history.
#include <QApplication>
#include <QComboBox>
#include <QSignalBlocker>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include "ui/platform/widgets.h"
#include "ui/main_window/reference_page.h"
#include "ui/main_window/main_window.h"
#include "core/calc/calculate_cycle.h"
#include "core/calc/fatigue.h"
#include "core/calc/history.h"

namespace coilspring {

namespace {

struct ShapeState {
  double DesignRecord::*length;
  const char* caption;
};
const ShapeState kShapeStates[] = {
    {&DesignRecord::FreeLength, "フリー"},
    {&DesignRecord::Length1, "荷重１"},
    {&DesignRecord::Length2, "荷重２"},
};

}  // namespace

void Tf_atu::ShowListLines(const std::vector<std::string>& lines, bool asError) {
  ListBox1->clear();
  QPalette p = ListBox1->palette();
  p.setColor(QPalette::Text,
             asError ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::WindowText));
  ListBox1->setPalette(p);
  for (const std::string& line : lines) ListBox1->addItem(QString::fromStdString(line));
}

void Tf_atu::AddListLine(const QString& line) { ListBox1->addItem(line); }

void Tf_atu::ShowDesign() {
  DesignRecord& r = state_.current();
  SelectMaterial(r.MaterialNo);
  const double wireDiameter = r.WireDiameter;
  FillWireList(r.MaterialNo);
  r.WireDiameter = wireDiameter;
  {
    const QSignalBlocker block(ComboBox6);
    ComboBox6->setCurrentIndex(r.WireRow >= 0 && r.WireRow < ComboBox6->count() ? r.WireRow : -1);
  }
  if (r.DiameterKind >= 0 && r.DiameterKind <= 2) {
    Label48->setText(QString::fromUtf8(kDiameterKindNames[r.DiameterKind]));
    Edit18->setText(FullText(EnteredDiameterOf(r)));
  }
  const bool outsideDiagram = fatigueDiagram_.Show(r, state_.materials);
  Image1->Refresh();
  if (outsideDiagram) AddListLine(QString::fromUtf8(kGraphAreaOverLine));
  DetermineLifeClass(r, state_.materials);

  Edit19->setText(FullText(r.TotalTurns));
  {
    const QSignalBlocker block(ComboBox8);
    ComboBox8->setCurrentIndex(r.EndKind >= 0 && r.EndKind < ComboBox8->count() ? r.EndKind : -1);
  }
  Edit20->setText(ShortText(r.FreeLength));
  Edit21->setText(ShortText(r.Length1));
  Edit22->setText(ShortText(r.Length2));
  Edit23->setText(ShortText(r.Load1));
  Edit24->setText(ShortText(r.Load2));
  Edit25->setText(ShortText(r.SpringRate));
  Edit27->setText(ShortText(r.Stress2));
  Edit26->setText(QString::fromStdString(LifeClassText(r.LifeClass)));
  Edit28->setText(ShortText(r.AllowableStress));
  Edit1->setText(ShortText(r.ActiveTurns));
  ShowInputMode();
}

void Tf_atu::DrawSpringShape(double length) {
  springShape_.Show(state_.current(), length);
  Image2->Refresh();
}

void Tf_atu::RunCalculateCycle() {
  ReadInputs();
  const ValidationResult checks = RecalculateDesign(state_, 0, DesignInputs::AsEntered);
  Label28->setText(QStringLiteral("バネ指数=") + ShortText(state_.current().SpringIndex));
  ShowDesign();
  ShowListLines(checks.lines, checks.failed);
}

// The side view and the reference page follow the calculate actions only, never a recall or a
// file read.
void Tf_atu::ShowSideViewAt(int position) {
  state_.shapeViewPosition = position;
  const ShapeState& shown = kShapeStates[position];
  DrawSpringShape(state_.current().*shown.length);
  Label8->setText(QString::fromUtf8(shown.caption));
  referencePage_->Refresh(state_.current(), state_.currentMaterial());
}

void Tf_atu::BitBtn2Click() {
  RunCalculateCycle();
  ShowSideViewAt(0);
}

void Tf_atu::BitBtn3Click() {
  RunCalculateCycle();
  const int position = state_.shapeViewPosition;
  ShowSideViewAt(position >= 2 || position < 0 ? 0 : position + 1);
}

void Tf_atu::SetUpHistoryGrid() {
  for (int column = 0; column < kHistoryColumns; ++column) {
    SetCellText(sg1, 0, column, QString::fromUtf8(kHistoryItemHeadings[column]));
    SetCellText(sg1, 1, column, QString::fromUtf8(kHistoryUnitHeadings[column]));
  }
  for (int n = 1; n <= kHistorySlots; ++n) {
    SetCellText(sg1, HistoryRowOfSlot(n), 0, QString::number(n));
    ShowHistoryRow(n);
  }
}

void Tf_atu::ShowHistoryRow(int slot) {
  const auto texts = HistoryRowTexts(state_.design[slot], state_.materials);
  for (int column = 1; column < kHistoryColumns; ++column)
    SetCellText(sg1, HistoryRowOfSlot(slot), column, QString::fromStdString(texts[column - 1]));
}

int Tf_atu::SlotFromSpinBox() const {
  return HistorySlotFromText(SpinEdit1->cleanText().toStdString());
}

void Tf_atu::SpeedButton5Click() {
  const int n = SlotFromSpinBox();
  state_.current().InUse = 1;
  CopyDesignRecord(state_.design, 0, n);
  ShowHistoryRow(n);
}

void Tf_atu::SpeedButton6Click() {
  const int n = SlotFromSpinBox();
  if (state_.design[n].InUse == 0) return;
  CopyDesignRecord(state_.design, n, 0);
  ShowDesign();
}

void Tf_atu::sg1Click(int row, int column) {
  if (row < kHistoryHeadingRows || row >= kHistoryRows || column < 1) return;
  const int n = HistorySlotOfRow(row);
  if (state_.design[n].InUse != 1) return;
  CopyDesignRecord(state_.design, n, 0);
  ShowDesign();
}

}  // namespace coilspring
