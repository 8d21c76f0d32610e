// The results group: showing a design in every box, the calculate action and the check list.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>

#include "core/calc/calculate_cycle.h"
#include "core/calc/fatigue.h"
#include "ui/main_window/main_window.h"
#include "ui/platform/handler_guard.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

void MainWindow::BuildResultsGroup() {
  // Each result with its unit on two rows, the check list below them tall enough for the five
  // lines a design can fail with, the history controls beside it.
  resultsGroup_ = Place<QGroupBox>(centralWidget(), "GroupBox2", 8, 336, 377, 133);
  resultsGroup_->setTitle(QStringLiteral("計算結果"));
  QWidget* g = resultsGroup_;
  PlaceLabel(g, QStringLiteral("バネ定数"), 8, 17);
  springRateEdit_ = PlaceEdit(g, "Edit25", 64, 14, 56, QString());
  unitCaptions_.emplace_back(PlaceLabel(g, QStringLiteral("kgf/mm"), 123, 17), Quantity::Rate);
  unitCaptions_.back().first->setObjectName("SpringRateUnit");
  PlaceLabel(g, QStringLiteral("ねじり応力"), 8, 40);
  stress2Edit_ = PlaceEdit(g, "Edit27", 64, 37, 56, QString());
  unitCaptions_.emplace_back(PlaceLabel(g, QStringLiteral("kgf/mm^2"), 123, 40), Quantity::Stress);
  unitCaptions_.back().first->setObjectName("Stress2Unit");
  PlaceLabel(g, QStringLiteral("期待寿命"), 188, 17);
  lifeEdit_ = PlaceEdit(g, "Edit26", 238, 14, 56, QString());
  PlaceLabel(g, QStringLiteral("許容応力"), 188, 40);
  allowableStressEdit_ = PlaceEdit(g, "Edit28", 238, 37, 56, QString());
  unitCaptions_.emplace_back(PlaceLabel(g, QStringLiteral("kgf/mm^2"), 297, 40), Quantity::Stress);
  unitCaptions_.back().first->setObjectName("AllowableStressUnit");
  for (QLineEdit* e : {springRateEdit_, lifeEdit_, stress2Edit_, allowableStressEdit_})
    e->setReadOnly(true);
  calculateButton_ = Place<QPushButton>(g, "BitBtn2", 8, 61, 52, 42);
  calculateButton_->setText(QStringLiteral("計算"));
  checkList_ = Place<QListWidget>(g, "ListBox1", 64, 61, 236, 5 * fontMetrics().height() + 4);
  checkList_->setFocusPolicy(Qt::NoFocus);
  PlaceLabel(g, QStringLiteral("履歴"), 308, 63);
  historySlotSpin_ = Place<HalfWidthSpinBox>(g, "SpinEdit1", 308, 79, 60, 22);
  historySlotSpin_->setRange(1, 10);
  historySlotSpin_->setValue(1);
  storeButton_ = Place<QToolButton>(g, "SpeedButton5", 308, 103, 28, 22);
  storeButton_->setText(QStringLiteral("▼"));
  storeButton_->setToolTip(QStringLiteral("履歴に保存"));
  recallButton_ = Place<QToolButton>(g, "SpeedButton6", 340, 103, 28, 22);
  recallButton_->setText(QStringLiteral("▲"));
  recallButton_->setToolTip(QStringLiteral("履歴から呼び出し"));
  ConnectGuarded(platform_, this, calculateButton_, &QPushButton::clicked, &MainWindow::Calculate);
  ConnectGuarded(platform_, this, storeButton_, &QToolButton::clicked, &MainWindow::StoreInHistory);
  ConnectGuarded(platform_, this, recallButton_, &QToolButton::clicked,
                 &MainWindow::RecallFromHistory);
}

void MainWindow::ShowCheckLines(const std::vector<std::string>& lines, bool asError) {
  checkList_->clear();
  QPalette p = checkList_->palette();
  p.setColor(QPalette::Text,
             asError ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::WindowText));
  checkList_->setPalette(p);
  for (const std::string& line : lines) checkList_->addItem(Utf8(line));
}

void MainWindow::AddCheckLine(const QString& line) { checkList_->addItem(line); }

void MainWindow::ShowDesign() {
  DesignRecord& r = state_.current();
  SelectMaterial(r.MaterialNo);
  const double wireDiameter = r.WireDiameter;
  FillWireList(r.MaterialNo);
  r.WireDiameter = wireDiameter;
  {
    const QSignalBlocker block(wireDiameterCombo_);
    wireDiameterCombo_->setCurrentIndex(
        r.WireRow >= 0 && r.WireRow < wireDiameterCombo_->count() ? r.WireRow : -1);
  }
  if (IsValid(r.DiameterKind)) {
    diameterKindLabel_->setText(Utf8(DiameterKindName(r.DiameterKind)));
    coilDiameterEdit_->setText(FullText(EnteredDiameterOf(r)));
  }
  const bool outsideDiagram = fatigueDiagram_.Show(r, state_.materials);
  fatigueDiagramView_->Refresh();
  if (outsideDiagram) AddCheckLine(Utf8(kGraphAreaOverLine));
  DetermineLifeClass(r, state_.materials);

  totalTurnsEdit_->setText(FullText(r.TotalTurns));
  {
    const QSignalBlocker block(endFormCombo_);
    endFormCombo_->setCurrentIndex(IsValid(r.EndKind) ? RawOf(r.EndKind) : -1);
  }
  freeLengthEdit_->setText(ShortText(r.FreeLength));
  length1Edit_->setText(ShortText(r.Length1));
  length2Edit_->setText(ShortText(r.Length2));
  ShowQuantity(load1Edit_, r.Load1, Quantity::Load);
  ShowQuantity(load2Edit_, r.Load2, Quantity::Load);
  ShowQuantity(springRateEdit_, r.SpringRate, Quantity::Rate);
  ShowQuantity(stress2Edit_, r.Stress2, Quantity::Stress);
  lifeEdit_->setText(Utf8(LifeClassText(r.LifeClass)));
  ShowQuantity(allowableStressEdit_, r.AllowableStress, Quantity::Stress);
  activeTurnsEdit_->setText(ShortText(r.ActiveTurns));
  ShowInputMode();
  ShowDerivedLabels();
}

// Reads the boxes, recalculates and checks the design, and shows it with the check lines.
void MainWindow::RecalculateAndShow() {
  ReadInputBoxes();
  const ValidationResult checks = RecalculateDesign(state_, 0, DesignInputs::AsEntered);
  ShowSpringIndex(state_.current().SpringIndex);
  ShowDesign();
  ShowCheckLines(checks.lines, checks.failed);
}

void MainWindow::Calculate() {
  RecalculateAndShow();
  ShowSideViewAt(0);
}

}  // namespace coilspring
