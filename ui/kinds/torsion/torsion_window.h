// The torsion spring window (ねじりコイルばね): inputs, 計算 (also Enter), results, check lines,
// the moment–angle diagram, the end and side views, reference rows and the history.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/torsion/torsion_calc.h"
#include "json/torsion_json.h"
#include "ui/dialogs/spring_kind_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace coilspring {

class CoilInputsBox;
class IllustrationPanel;
class QuantityBox;
class StalePages;

class TorsionWindow final : public SpringKindWindow<TorsionDesign> {
  Q_OBJECT

 public:
  explicit TorsionWindow(const KindWindowContext& context, QWidget* parent = nullptr);

  const TorsionCheck& Check() const { return check_; }

  // The commands of the buttons and menus, for the menus and for tests.
  void ToggleInputMode() override;
  void ShowDataSheet() override;

 private:
  QWidget* BuildInputs();
  void BuildClient();

  TorsionDesign ReadInputs() const;
  TorsionDesign CalculatedInputs() override;
  void CalculateStored(TorsionDesign& design) const override;
  void ShowDesign(bool calculated) override;
  QStringList HistoryCells(const TorsionDesign& stored) const override;
  void ApplyUnits(UnitSystem before, UnitSystem now) override;
  std::string DxfText() const override;
  void ShowInputs(const TorsionDesign& design);
  void ShowWorkingPoints(const TorsionDesign& design);
  void ShowInputModeCaptions();
  void ShowResults();
  void ShowResultsAndDiagram();
  bool MomentsEntered() const;

  const KindIndex& kinds_;
  TorsionCheck check_;
  IllustrationPanel* illustration_;  // torsionIllustration: the legs, angles and diameter boxes
  CoilInputsBox* coil_;  // material, wire, coil diameter and turns, as every spring kind has them
  QLineEdit* leg1Edit_;
  QLineEdit* leg2Edit_;
  QLineEdit* armEdit_;
  QLineEdit* rodEdit_;
  QComboBox* modeCombo_;
  QCheckBox* leftHandCheck_;  // leftHandCheck: 左巻, kept in the design
  QLabel* point1Label_;
  QLabel* point2Label_;
  QuantityBox* point1Edit_;  // TorsionPoint1: an angle, or a moment in the units shown
  QuantityBox* point2Edit_;
  QPushButton* calculateButton_;
  QTableWidget* resultsTable_;
  QLabel* diagram_;
  std::optional<std::pair<TorsionDesign, UnitSystem>> diagramShown_;  // what diagram_ shows
  QLabel* views_;
  QTableWidget* referenceTable_;
};

}  // namespace coilspring
