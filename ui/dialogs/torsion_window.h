// The torsion spring window (ねじりコイルばね): inputs, 計算 (also Enter), results, check lines,
// the moment–angle diagram, the end and side views, reference rows, a history of designs, the
// unit switch, design files (JSON), DXF, the data sheet as PDF and on the printer.
#pragma once

#include <string>

#include "core/records/material_table.h"
#include "core/torsion/torsion_calc.h"
#include "json/torsion_json.h"
#include "ui/dialogs/spring_kind_window.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace coilspring {

class CoilInputsBox;

class TorsionWindow : public SpringKindWindow<TorsionDesign> {
  Q_OBJECT

 public:
  // `materials` and `kinds` must outlive the window.
  TorsionWindow(const MaterialTable& materials, const KindIndex& kinds, Platform& platform,
                UnitSystem units, QWidget* parent = nullptr);

  const TorsionCheck& Check() const { return check_; }

  // The commands of the buttons and menus, for the menus and for tests.
  void Calculate() override;
  void ToggleInputMode();
  void ToggleUnits();
  void SaveDataSheetPdf();
  void PrintDataSheet();

 private:
  QWidget* BuildInputs();
  QWidget* BuildResults();

  TorsionDesign ReadInputs() const;
  void Recall(const TorsionDesign& design) override;
  void Adopt(TorsionDocument read) override;
  std::string DxfText() const override;
  void ShowInputs(const TorsionDesign& design);
  void ShowWorkingPoints(const TorsionDesign& design);
  void ShowInputModeCaptions();
  void ShowStartDesign();
  void ShowResults();
  void ShowHistory() override;

  const KindIndex& kinds_;
  TorsionCheck check_;
  CoilInputsBox* coil_;  // material, wire, coil diameter and turns, as every spring kind has them
  QLineEdit* leg1Edit_;
  QLineEdit* leg2Edit_;
  QLineEdit* armEdit_;
  QLineEdit* rodEdit_;
  QComboBox* modeCombo_;
  QLabel* point1Label_;
  QLabel* point2Label_;
  QLineEdit* point1Edit_;
  QLineEdit* point2Edit_;
  QPushButton* calculateButton_;
  QPushButton* storeButton_;
  QTableWidget* resultsTable_;
  QListWidget* messages_;
  QLabel* diagram_;
  QLabel* views_;
  QTableWidget* referenceTable_;
  QTableWidget* historyTable_;
};

}  // namespace coilspring
