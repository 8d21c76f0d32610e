// The results: the group "計算結果" (rate, stress, life, allowable stress, the "計算" button, the
// check lines and the history slot controls) and the fatigue diagram "疲れ強さ線図" beside it.
#pragma once

#include <QGroupBox>
#include <QImage>
#include <string>
#include <vector>

#include "core/compression/design_record.h"
#include "core/display/display_units.h"
#include "core/records/material_table.h"
#include "ui/render/pictures.h"
#include "ui/widgets/look.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace coilspring {

class PictureView;
class QuantityBox;
class UnitLabel;

class ResultsPanel final : public QGroupBox {
  Q_OBJECT

 public:
  // The results group and, as its sibling on `client`, the diagram's group.
  ResultsPanel(QWidget* client, UnitSystem units);

  // The design's results and its working point on the diagram. Returns whether the point has no
  // place on the diagram (the graph-area line belongs to the design's check lines then).
  bool ShowDesign(const DesignRecord& r, const MaterialTable& materials);
  // Replaces the check lines: the list only ever speaks of the design on screen.
  void ShowCheckLines(const std::vector<std::string>& lines, bool asError);
  void ClearCheckLines();
  void SetUnits(UnitSystem units);

  QWidget* CalculateButton() const;

  // The history slot the selector names, held to 1..30.
  int ChosenHistorySlot() const;
  const QImage& DiagramImage() const { return fatigueDiagram_.Image(); }

 signals:
  void CalculateClicked();
  void StoreClicked();
  void RecallClicked();

 private:
  void BuildDiagramGroup(QWidget* client);

  UnitSystem units_;
  FatigueDiagramPicture fatigueDiagram_{ScreenPixelRatio()};

  QuantityBox* springRateEdit_ = nullptr;       // Edit25: spring rate
  QuantityBox* stress2Edit_ = nullptr;          // Edit27: torsional stress at P2
  QLineEdit* lifeEdit_ = nullptr;               // Edit26: expected life
  QuantityBox* allowableStressEdit_ = nullptr;  // Edit28: allowable stress
  std::vector<UnitLabel*> unitLabels_;          // SpringRateUnit, Stress2Unit, AllowableStressUnit
  QPushButton* calculateButton_ = nullptr;      // BitBtn2: "計算"
  QListWidget* checkList_ = nullptr;            // ListBox1: check lines
  QSpinBox* historySlotSpin_ = nullptr;         // SpinEdit1: history slot number
  QToolButton* storeButton_ = nullptr;          // SpeedButton5: "▼" stores into the slot
  QToolButton* recallButton_ = nullptr;         // SpeedButton6: "▲" recalls the slot
  QGroupBox* fatigueDiagramGroup_ = nullptr;    // GroupBox3: "疲れ強さ線図"
  PictureView* fatigueDiagramView_ = nullptr;   // Image1: fatigue diagram, 400 x 417
};

}  // namespace coilspring
