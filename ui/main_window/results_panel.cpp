#include "ui/main_window/results_panel.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "core/calc/fatigue.h"
#include "core/compression/history.h"
#include "ui/render/picture_views.h"
#include "ui/widgets/widgets.h"

namespace coilspring {

ResultsPanel::ResultsPanel(QWidget* client, UnitSystem units) : QGroupBox(client), units_(units) {
  // Each result with its unit on two rows, the check list below them tall enough for the five
  // lines a design can fail with, the history controls beside it.
  setObjectName("GroupBox2");
  setGeometry(8, 336, 377, 133);
  setTitle(QStringLiteral("計算結果"));
  // The first row starts below the frame's top line, which runs level with the title's foot.
  constexpr int kRow1 = 17;
  constexpr int kRow2 = 40;
  constexpr int kCaptionDrop = 3;  // a caption's text level with its box's
  PlaceLabel(this, QStringLiteral("バネ定数"), 8, kRow1 + kCaptionDrop);
  springRateEdit_ = new QuantityBox(this, "Edit25", Quantity::Rate, {64, kRow1}, 56);
  unitLabels_.push_back(
      new UnitLabel(this, "SpringRateUnit", Quantity::Rate, 123, kRow1 + kCaptionDrop));
  PlaceLabel(this, QStringLiteral("ねじり応力"), 8, kRow2 + kCaptionDrop);
  stress2Edit_ = new QuantityBox(this, "Edit27", Quantity::Stress, {64, kRow2}, 56);
  unitLabels_.push_back(
      new UnitLabel(this, "Stress2Unit", Quantity::Stress, 123, kRow2 + kCaptionDrop));
  PlaceLabel(this, QStringLiteral("期待寿命"), 188, kRow1 + kCaptionDrop);
  lifeEdit_ = PlaceEdit(this, "Edit26", 238, kRow1, 56, QString());
  PlaceLabel(this, QStringLiteral("許容応力"), 188, kRow2 + kCaptionDrop);
  allowableStressEdit_ = new QuantityBox(this, "Edit28", Quantity::Stress, {238, kRow2}, 56);
  unitLabels_.push_back(
      new UnitLabel(this, "AllowableStressUnit", Quantity::Stress, 297, kRow2 + kCaptionDrop));
  for (QLineEdit* e :
       {static_cast<QLineEdit*>(springRateEdit_), lifeEdit_, static_cast<QLineEdit*>(stress2Edit_),
        static_cast<QLineEdit*>(allowableStressEdit_)})
    ShowOnly(e);
  for (UnitLabel* unit : unitLabels_) unit->Show(units_);

  calculateButton_ = Place<QPushButton>(this, "BitBtn2", 8, 61, 52, 42);
  calculateButton_->setText(QStringLiteral("計算"));
  checkList_ = Place<QListWidget>(this, "ListBox1", 64, 61, 236, 5 * fontMetrics().height() + 4);
  checkList_->setFocusPolicy(Qt::NoFocus);
  PlaceLabel(this, QStringLiteral("履歴"), 308, 63);
  historySlotSpin_ = Place<HalfWidthSpinBox>(this, "SpinEdit1", 308, 79, 60, 22);
  historySlotSpin_->setRange(1, kHistorySlots);
  historySlotSpin_->setValue(1);
  storeButton_ = Place<QToolButton>(this, "SpeedButton5", 308, 103, 28, 22);
  storeButton_->setText(QStringLiteral("▼"));
  storeButton_->setToolTip(QStringLiteral("履歴に保存"));
  recallButton_ = Place<QToolButton>(this, "SpeedButton6", 340, 103, 28, 22);
  recallButton_->setText(QStringLiteral("▲"));
  recallButton_->setToolTip(QStringLiteral("履歴から呼び出し"));
  connect(calculateButton_, &QPushButton::clicked, this, &ResultsPanel::CalculateClicked);
  connect(storeButton_, &QToolButton::clicked, this, &ResultsPanel::StoreClicked);
  connect(recallButton_, &QToolButton::clicked, this, &ResultsPanel::RecallClicked);
  BuildDiagramGroup(client);
}

void ResultsPanel::BuildDiagramGroup(QWidget* client) {
  fatigueDiagramGroup_ = Place<QGroupBox>(client, "GroupBox3", 392, 8, 417, 449);
  fatigueDiagramGroup_->setTitle(QStringLiteral("疲れ強さ線図"));
  fatigueDiagramView_ =
      new PictureView(fatigueDiagramGroup_, "Image1", 8, 20, fatigueDiagram_.Image());
}

bool ResultsPanel::ShowDesign(const DesignRecord& r, const MaterialTable& materials) {
  const bool outsideDiagram = fatigueDiagram_.Show(r, materials);
  fatigueDiagramView_->Refresh();
  springRateEdit_->ShowStored(r.SpringRate, units_);
  stress2Edit_->ShowStored(r.Stress2, units_);
  lifeEdit_->setText(Utf8(LifeClassText(r.LifeClass)));
  allowableStressEdit_->ShowStored(r.AllowableStress, units_);
  return outsideDiagram;
}

void ResultsPanel::ShowCheckLines(const std::vector<std::string>& lines, bool asError) {
  checkList_->clear();
  QPalette p = checkList_->palette();
  p.setColor(QPalette::Text,
             asError ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::WindowText));
  checkList_->setPalette(p);
  for (const std::string& line : lines) checkList_->addItem(Utf8(line));
}

void ResultsPanel::ClearCheckLines() { checkList_->clear(); }

void ResultsPanel::SetUnits(UnitSystem units) {
  const UnitSystem before = units_;
  units_ = units;
  for (UnitLabel* unit : unitLabels_) unit->Show(units_);
  for (QuantityBox* box : {springRateEdit_, stress2Edit_, allowableStressEdit_})
    box->SwitchUnits(before, units_);
}

QWidget* ResultsPanel::CalculateButton() const { return calculateButton_; }

int ResultsPanel::ChosenHistorySlot() const {
  return HistorySlotFromText(historySlotSpin_->cleanText().toStdString());
}

}  // namespace coilspring
